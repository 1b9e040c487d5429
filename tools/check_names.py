#!/usr/bin/env python3
"""Fails when an identifier of ours looks Czech and is not a name the system fixes.

The system fixes the names of its forms, controls, handlers, routines and fields
(docs/fixed-names.txt); everything we add is English, so that a reader can tell the two
apart. The check reads every production source, skips comments, string and character
literals, cuts each identifier into its words (camelCase, underscores, digits) and calls it
Czech when a word is one of a few short Czech words or begins with a Czech stem. An
identifier that looks Czech and is neither fixed nor allowed below is printed with its file
and line. Usage: check_names.py [source dir]
"""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent)
folders = ["core", "platform", "ui", "dictionary", "learning", "testing", "statistics",
           "translator", "tips", "internet", "review", "answers", "exchange", "backups", "app"]
sources = (".h", ".cpp")

# Beginnings of Czech words, written without diacritics as identifiers are; none begins a
# word of English that the code uses.
stems = """
aktivn aktualiz bezic datum velikost aktualn anglick automatick bunk casti cekan cesk cest cil cisl cizi celk
dalsi delk dokonc druh hledej hodnoc jedn klic konec kontrol kopruj mazan moznost nact
nahod nahrav napov napsat nastav nastslov nazev nazv nepoved novy obnov obraz odeber
odeslan odpov odstran okno oprogram otazk otevr otevt pevst pocet polozk pootoc porad
posledn postup potvrd pozastav pozic prazd predej prehraj preklad prevad prevest pridan
pridej procent programu prvn puvodn radek radk radky rozretez sekund seznam slouc slovnik
slozit slozk smaz smer soubor spatn spravn spust stahov statistik strank testu tipdne tipy
tisk tlacit tnov tpole tpuvod trozdel tslov ttip uber ukaz ukonc uloit uloz uprav uspesn
uzav verz vloz vuka vyber vybr vychoz vyhodnoc vymaz vyprazdn vyraz vysled vyslov vytvor
vyuk zacat zacn zadej zadn zakl zapis zastav zavr zavt zaznam zbyvaj zkjedn zkouen zkous
zksloz zmen znamk zobraz zpet zprav zrus zvuk
""".split()
# Czech stems that also count inside a word, as in names written together.
infixes = "slovnik slozk soubor statistik vyraz vyslov zaznam zkous zobraz zvuk".split()
# Short Czech words that only count when they are a whole word.
words = set("beh cas jo ne nas nov vse zan zc zdo jdo mec mecz meang".split())

# Czech-looking names of ours that stand for the system's own data or texts:
allowed = {
}

token = re.compile(r"""//[^\n]*|/\*.*?\*/|R"([^(\s]*)\(.*?\)\1"|"(?:\\.|[^"\\\n])*"|"""
                   r"""'(?:\\.|[^'\\\n])*'|\b[0-9][0-9A-Za-z_.']*|[A-Za-z_][A-Za-z0-9_]*""",
                   re.S)
parts = re.compile(r"[A-Z]+(?![a-z])|[A-Z]?[a-z]+")


def czech(identifier):
    # A control's name is its prefix and a word written together: lbverze, btuloz.
    control = re.match(r"(btn|bt|chb|edt|lb|me|rb|sp|stg)([a-z]{3,}\d*)$", identifier)
    words_of = parts.findall(identifier) + ([control.group(2)] if control else [])
    for part in words_of:
        part = part.lower()
        if part in words or any(part.startswith(stem) for stem in stems) or any(
                infix in part for infix in infixes):
            return True
    return False


fixed = set()
for line in (root / "docs" / "fixed-names.txt").read_text(encoding="utf-8").splitlines():
    line = line.strip()
    if line and not line.startswith("#"):
        fixed.add(line)
# A handler is named after its control and the event, so a fixed handler fixes its control
# (Hledej1Click: Hledej1) and a fixed control the name of its handler (btzkouseni:
# btzkouseniClick).
events = re.compile(r"(Click|Change|KeyPress|KeyUp|KeyDown|MouseMove|Timer|DoneFile|Error)$")
for name in list(fixed):
    if events.search(name):
        fixed.add(events.sub("", name))
handler = re.compile(r"(\w+?)(Click|Change|KeyPress|KeyUp|KeyDown|MouseMove|Timer)$")


def is_fixed(name):
    if name in fixed:
        return True
    match = handler.match(name)
    return bool(match) and match.group(1) in fixed


faults = []
for folder in folders:
    for path in sorted((root / folder).glob("*")):
        if path.suffix not in sources:
            continue
        text = path.read_text(encoding="utf-8")
        for match in token.finditer(text):
            name = match.group(0)
            if not (name[0].isalpha() or name[0] == "_"):
                continue
            if is_fixed(name) or name in allowed or not czech(name):
                continue
            line = text.count("\n", 0, match.start()) + 1
            faults.append(f"{folder}/{path.name}:{line}: {name}")

for fault in faults:
    print(fault)
if faults:
    print(f"{len(faults)} Czech-looking names not in docs/fixed-names.txt")
sys.exit(1 if faults else 0)
