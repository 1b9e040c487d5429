#!/usr/bin/env python3
"""Measures Vokab beside two peers (KWordQuiz and Parley) on the same display, each
opening the same 100,000-entry vocabulary in its own format, runs interleaved.

    compare.py INPUTS VOKAB PROGRAM_DIR [--runs N]

For every program and run: the time from starting the process until its first window is
mapped, the time until a window whose title names the opened file is mapped and the process
has settled (its processor time stood still for SETTLED seconds: a program may name the file
in its title before it has read it), and the peak resident memory of the process then
(VmHWM).
Prints medians of the runs and the peers' figures as multiples of Vokab's. Needs a
display with a window manager (DISPLAY set) and xdotool."""
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

POLL = 0.004  # seconds between looks at the windows
SETTLED = 0.3  # seconds without processor time that count as done
TIMEOUT = 60.0


def windows_of(pid, name=None):
    command = ["xdotool", "search", "--onlyvisible", "--pid", str(pid)]
    if name:
        command += ["--name", name]
    result = subprocess.run(command, capture_output=True, text=True)
    return result.stdout.split()


def peak_memory_mb(pid):
    try:
        for line in Path(f"/proc/{pid}/status").read_text().splitlines():
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    except OSError:
        pass
    return float("nan")


def cpu_ticks(pid):
    try:
        fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
        return int(fields[11]) + int(fields[12])  # utime + stime
    except (OSError, IndexError, ValueError):
        return -1


def settle(pid, start):
    """The moment (since start) the process last used processor time, once it has stood
    still for SETTLED seconds."""
    ticks, changed = cpu_ticks(pid), time.monotonic()
    while time.monotonic() - changed < SETTLED and time.monotonic() - start < TIMEOUT:
        time.sleep(0.01)
        now = cpu_ticks(pid)
        if now != ticks:
            ticks, changed = now, time.monotonic()
    return changed - start


def stop(process):
    if process.poll() is None:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def run_once(program):
    """One start of a program: (first window ms, list shown ms, peak MB) or None.

    Each start opens a copy of the file in a folder of its own: a peer stopped by a signal
    leaves its lock on the file behind, and its next start would ask whether to open a
    locked file instead of reading it."""
    environment = dict(os.environ, HOME=program["home"], XDG_CONFIG_HOME=program["home"] + "/.config",
                       XDG_DATA_HOME=program["home"] + "/.local/share",
                       XDG_CACHE_HOME=program["home"] + "/.cache", **program.get("env", {}))
    folder = Path(tempfile.mkdtemp(prefix="run-", dir=program["home"]))
    copy = folder / program["file"].name
    shutil.copyfile(program["file"], copy)
    start = time.monotonic()
    process = subprocess.Popen(program["command"] + [str(copy)], env=environment,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    first = shown = None
    try:
        while time.monotonic() - start < TIMEOUT and process.poll() is None:
            if first is None and windows_of(process.pid):
                first = time.monotonic() - start
            if first is not None and windows_of(process.pid, program["title"]):
                shown = settle(process.pid, start)
                break
            time.sleep(POLL)
        memory = peak_memory_mb(process.pid)
    finally:
        stop(process)
        shutil.rmtree(folder, ignore_errors=True)
    if first is None or shown is None:
        return None
    return first * 1000, shown * 1000, memory


def median_line(name, values, unit):
    return (f"{name}: median {statistics.median(values):.0f} {unit} of {len(values)} runs "
            f"({min(values):.0f} to {max(values):.0f})")


def main():
    arguments = sys.argv[1:]
    runs = 5
    if "--runs" in arguments:
        at = arguments.index("--runs")
        runs = int(arguments[at + 1])
        del arguments[at:at + 2]
    inputs, vokab, program_dir = (Path(a).resolve() for a in arguments[:3])
    homes = Path(tempfile.mkdtemp(prefix="vokab-compare-"))
    programs = [
        {"name": "Vokab (.slv)", "title": "slovnik-100000",
         "command": [str(vokab), "--benchmark-open"], "file": inputs / "slovnik-100000.slv",
         "env": {"VOKAB_PROGRAM_DIR": str(program_dir),
                 "VOKAB_REGISTRY": str(homes / "vokab" / "reg.ini")}},
        {"name": "KWordQuiz (KVTML)", "title": "slovnik-100000",
         "command": ["kwordquiz"], "file": inputs / "slovnik-100000.kvtml"},
        {"name": "KWordQuiz (CSV)", "title": "slovnik-100000",
         "command": ["kwordquiz"], "file": inputs / "slovnik-100000.csv"},
        {"name": "Parley (KVTML)", "title": "slovnik-100000",
         "command": ["parley"], "file": inputs / "slovnik-100000.kvtml"},
    ]
    for program in programs:
        home = homes / program["name"].split()[0].lower()
        home.mkdir(parents=True, exist_ok=True)
        program["home"] = str(home)
        program["results"] = []
        # A first start writes the program's settings; it is not counted.
        if run_once(program) is None:
            print(f"{program['name']}: did not show the file within {TIMEOUT:.0f} s")
            program["skip"] = True
    for _ in range(runs):
        for program in programs:
            if program.get("skip"):
                continue
            result = run_once(program)
            if result is not None:
                program["results"].append(result)
    base = None
    for program in programs:
        results = program["results"]
        if not results:
            continue
        first = statistics.median(r[0] for r in results)
        shown = statistics.median(r[1] for r in results)
        memory = statistics.median(r[2] for r in results)
        print(median_line(f"{program['name']}: first window", [r[0] for r in results], "ms"))
        print(median_line(f"{program['name']}: file's list shown", [r[1] for r in results], "ms"))
        print(f"{program['name']}: peak memory median {memory:.0f} MB")
        if base is None:
            base = (first, shown, memory)
        else:
            print(f"{program['name']} / Vokab: first window {first / base[0]:.1f}x, "
                  f"list shown {shown / base[1]:.1f}x, memory {memory / base[2]:.1f}x")
    shutil.rmtree(homes, ignore_errors=True)


if __name__ == "__main__":
    main()
