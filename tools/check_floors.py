#!/usr/bin/env python3
"""Fails when a file includes from a floor above its own.

The floors, from the bottom: core/ -> platform/ -> ui/ -> the subsystems -> app/. A file
under core/ includes core/ alone; platform/ adds platform/; ui/ adds ui/. A subsystem's
window includes anything below app/: what it needs of the main window and the general
settings reaches it through ui/ (ui/mainwindow.h, ui/generalsettings.h and the Forms
table). Logic (the files a folder's CMakeLists.txt adds to vokab_core, app/'s among them)
includes core/ and other logic files alone: never platform/, ui/, a window or app/'s
windows. Every folder with sources is checked; one the check does not know is a fault, so
that a new folder is given its floor. Usage: check_floors.py [source dir]
"""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent)
subsystems = ["dictionary", "learning", "testing", "statistics", "translator", "tips",
              "internet", "review", "answers", "exchange", "backups"]
floors = ["core", "platform", "ui"] + subsystems + ["app"]
# The project's own tests, benchmarks and fuzzing harnesses stand beside the floors and
# may use any of them.
beside = ["tests", "bench", "fuzz"]
include = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)
sources = (".h", ".cpp")


def logic_files():
    """Every file a folder's CMakeLists.txt adds to vokab_core, as a path from the root."""
    files = set()
    for cmake in root.glob("*/CMakeLists.txt"):
        text = cmake.read_text(encoding="utf-8")
        for block in re.findall(r"target_sources\(\s*vokab_core\s+PRIVATE([^)]*)\)", text):
            for name in block.split():
                files.add(f"{cmake.parent.name}/{name}")
    return files


logic = logic_files()


def allowed(source, target):
    floor = source.split("/")[0]
    top = target.split("/")[0]
    if source in logic:
        return top == "core" or target in logic and top in subsystems + ["app"]
    if floor == "core":
        return top == "core"
    if floor == "platform":
        return top in ("core", "platform")
    if floor == "ui":
        return top in ("core", "platform", "ui")
    if floor in subsystems:
        return top != "app"
    return True


faults = []
for folder in sorted(p for p in root.iterdir() if p.is_dir() and not p.name.startswith(".")):
    if folder.name in floors or folder.name in beside or folder.name.startswith("build"):
        continue
    if any(path.suffix in sources for path in folder.rglob("*")):
        faults.append(f"{folder.name}/ holds sources but has no floor")
for floor in floors:
    for path in sorted((root / floor).glob("*")):
        if path.suffix not in sources:
            continue
        source = f"{floor}/{path.name}"
        for target in include.findall(path.read_text(encoding="utf-8")):
            if "/" in target and not allowed(source, target):
                faults.append(f"{source} includes {target}, a floor above its own")

for fault in faults:
    print(fault)
sys.exit(1 if faults else 0)
