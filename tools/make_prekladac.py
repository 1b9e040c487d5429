#!/usr/bin/env python3
"""Builds the translator word list data/prekladac.dat from Debian's FreeDict
English-Czech dictionary (dict-freedict-eng-ces) and, for a core of basic words, its
Czech-English one (dict-freedict-ces-eng). Both are GPL-2.0-or-later; the result is a
modified work under the same licence (see data/prekladac.dat.NOTICE).

Format of the result, Windows-1250 with CR LF: English lines "EXPRESSION;CZ1+CZ2",
one attribution line, the separator line "Začátek český výrazů", then Czech lines
"VÝRAZ;EN1+EN2". Upper case, meanings joined by "+", no ";" inside a field, each
section sorted (English by byte order, Czech by Czech order), at most 8 meanings.

Run: /usr/bin/python3 tools/make_prekladac.py [output]"""
import gzip
import re
import sys
from collections import OrderedDict

DICTD = "/usr/share/dictd/"
B64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"
MAX_MEANINGS = 8
SEPARATOR = "Začátek český výrazů"


def b64(text):
    value = 0
    for ch in text:
        value = value * 64 + B64.index(ch)
    return value


def entries(name):
    """(headword, definition lines) for every entry of a dictd dictionary."""
    data = gzip.open(DICTD + name + ".dict.dz").read()
    with open(DICTD + name + ".index", encoding="utf-8") as index:
        for line in index:
            head, offset, length = line.rstrip("\n").split("\t")
            if head.startswith("00database") or head.startswith("00-database"):
                continue
            body = data[b64(offset):b64(offset) + b64(length)].decode("utf-8")
            lines = body.split("\n")
            yield head, [l for l in lines[1:] if l.strip()]


def encodable(text):
    try:
        text.encode("cp1250")
        return True
    except UnicodeEncodeError:
        return False


def clean_meanings(line):
    """The meanings of one definition line, cleaned and upper-cased."""
    line = re.sub(r"<[^>]*>", " ", line)
    line = re.sub(r"\[[^\]]*\]", " ", line)
    line = re.sub(r"\([^)]*\)", " ", line)
    line = re.sub(r"/[^/]*/", " ", line)
    line = re.sub(r"^\s*\d+\.\s*", "", line)
    line = line.replace('"', " ").replace("„", " ").replace("“", " ")
    result = []
    for part in line.split(","):
        text = " ".join(part.split()).upper()
        if not text or any(c in text for c in ";+:") or not encodable(text):
            continue
        result.append(text)
    return result


def clean_head(head):
    text = " ".join(re.sub(r"<[^>]*>", " ", head).split()).upper()
    if not text or ";" in text or "+" in text or not encodable(text):
        return None
    return text


def add(table, key, meaning):
    meanings = table.setdefault(key, OrderedDict())
    meanings.setdefault(meaning, None)


CZECH_ORDER = "AÁBCČDĎEÉĚFGH" + "\x01" + "IÍJKLMNŇOÓPQRŘSŠTŤUÚŮVWXYÝZŽ"
PRIMARY = {}
rank = 0
for ch in "ABCČDEFGH\x01IJKLMNOPQRŘSŠTUVWXYZŽ":
    PRIMARY[ch] = rank
    rank += 1
SECONDARY_OF = {"Á": "A", "Ď": "D", "É": "E", "Ě": "E", "Í": "I", "Ň": "N", "Ó": "O",
                "Ť": "T", "Ú": "U", "Ů": "U", "Ý": "Y"}


def czech_key(text):
    units = []
    i = 0
    while i < len(text):
        if text[i:i + 2] == "CH":
            units.append("\x01")
            i += 2
            continue
        units.append(text[i])
        i += 1
    primary = tuple(PRIMARY.get(SECONDARY_OF.get(u, u), 100 + ord(SECONDARY_OF.get(u, u)))
                    for u in units)
    return (primary, text)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "data/prekladac.dat"
    english = {}
    czech = {}
    basic = set()
    # The basic words first: their meanings lead each line.
    for head, lines in entries("freedict-ces-eng"):
        cz = clean_head(head)
        if not cz:
            continue
        for line in lines:
            for en in clean_meanings(line):
                add(czech, cz, en)
                add(english, en, cz)
                basic.add((cz, en))
                basic.add((en, cz))
    for head, lines in entries("freedict-eng-ces"):
        en = clean_head(head)
        if not en:
            continue
        for line in lines:
            for cz in clean_meanings(line):
                add(english, en, cz)
                add(czech, cz, en)

    def line_of(key, meanings):
        # Basic meanings first, then single words before phrases, shorter first.
        ordered = sorted(meanings, key=lambda m: ((key, m) not in basic, len(m.split()), len(m)))
        kept = [m for m in ordered if m != key][:MAX_MEANINGS] or ordered[:1]
        return key + ";" + "+".join(kept)

    english_lines = [line_of(k, english[k]) for k in sorted(english, key=lambda t: t.encode("cp1250"))]
    czech_lines = [line_of(k, czech[k]) for k in sorted(czech, key=czech_key)]
    attribution = ("Zdroj: FreeDict English-Czech 0.1.3 a Czech-English 0.2.3, "
                   "GNU GPL 2 nebo novější, upraveno pro Vokab")
    lines = english_lines + [attribution, SEPARATOR] + czech_lines
    data = "".join(l + "\r\n" for l in lines).encode("cp1250")
    with open(out, "wb") as f:
        f.write(data)
    print(f"{out}: {len(english_lines)} English lines, {len(czech_lines)} Czech lines, "
          f"{len(data)} bytes")


if __name__ == "__main__":
    main()
