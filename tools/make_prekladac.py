#!/usr/bin/env python3
"""Builds the translator word list data/prekladac.dat from Debian's FreeDict
English-Czech dictionary (dict-freedict-eng-ces) and, for a core of basic words, its
Czech-English one (dict-freedict-ces-eng). Both are GPL-2.0-or-later; the result is a
modified work under the same licence (see data/prekladac.dat.NOTICE).

Format of the result, Windows-1250 with CR LF: English lines "EXPRESSION;CZ1+CZ2",
one attribution line, the separator line "Začátek český výrazů", then Czech lines
"VÝRAZ;EN1+EN2". Upper case, meanings joined by "+", no ";" inside a field, each
section sorted (English by byte order, Czech by Czech order), at most 8 meanings.

Cleaning: part-of-speech tags, [domain] labels, (notes, also nested ones), /alternatives/,
"Note:" lines, quotes and "1." numbering are dropped; meanings are split at commas outside
parentheses; meanings longer than 60 characters (explanations) or holding ";", "+", ":",
brackets or a character outside Windows-1250 are dropped. The headword is taken from the
entry itself, so "a dog's age" keeps its apostrophe.

Run: /usr/bin/python3 tools/make_prekladac.py [output]"""
import gzip
import os
import re
import sys
import unicodedata

DICTD = "/usr/share/dictd/"
B64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"
MAX_MEANINGS = 8
SEPARATOR = "Začátek český výrazů"
JUNK = ";+:()[]{}<>\\*="  # separators of the file, or left-overs of notes
MAX_LENGTH = 60  # longer "meanings" are explanations, not translations
NOTE = re.compile(r"^\s*Note:")


def b64(text):
    value = 0
    for ch in text:
        value = value * 64 + B64.index(ch)
    return value


def entries(name):
    """(headword, definition lines) for every entry of a dictd dictionary. The headword
    is the entry's own first line (the index spells it without punctuation: "a dogs age"
    for "a dog's age"), without its part of speech and pronunciation."""
    data = gzip.open(DICTD + name + ".dict.dz").read()
    with open(DICTD + name + ".index", encoding="utf-8") as index:
        for line in index:
            head, offset, length = line.rstrip("\n").split("\t")
            if head.startswith("00database") or head.startswith("00-database"):
                continue
            body = data[b64(offset):b64(offset) + b64(length)].decode("utf-8")
            lines = body.split("\n")
            first = re.sub(r"\s/[^/]*/\s*$", "", lines[0])
            yield first, [l for l in lines[1:] if l.strip() and not NOTE.match(l)]


def encodable(text):
    try:
        text.encode("cp1250")
        return True
    except UnicodeEncodeError:
        return False


def strip_notes(line):
    """The line without part-of-speech tags, domain labels, (notes), /alternatives/,
    numbering and quotes."""
    line = line.replace("\\\"", '"').replace("\\'", "'").replace("’", "'").replace("´", "'").replace("`", "'")
    line = re.sub(r"<[^>]*>", " ", line)
    line = re.sub(r"\[[^\]]*\]", " ", line)
    previous = None
    while previous != line:  # notes may hold notes: remove the innermost first
        previous = line
        line = re.sub(r"\([^()]*\)", " ", line)
    line = re.sub(r"/[^/]*/", " ", line)
    line = re.sub(r"^\s*\d+\.\s*", "", line)
    for quote in '"„“”':
        line = line.replace(quote, " ")
    return line


def clean_text(text):
    """One expression or meaning upper-cased, or None if it cannot be used."""
    text = " ".join(text.split()).upper()
    # A full stop ends sentences, not words, except in abbreviations ("ATD.", "A.M.").
    if text.endswith(".") and not text.endswith("..") and len(text) > 5 and "." not in text[:-1]:
        text = text[:-1].rstrip()
    if (not text or len(text) > MAX_LENGTH or any(c in text for c in JUNK)
            or ". " in text or not encodable(text)):
        return None
    return text


def clean_meanings(line):
    """The meanings of one definition line, cleaned and upper-cased."""
    result = []
    for part in split_outside_parentheses(strip_notes(line)):
        text = clean_text(part)
        if text:
            result.append(text)
    return result


def split_outside_parentheses(text):
    parts, depth, current = [], 0, []
    for ch in text:
        depth += (ch == "(") - (ch == ")")
        if ch == "," and depth <= 0:
            parts.append("".join(current))
            current = []
        else:
            current.append(ch)
    parts.append("".join(current))
    return parts


def clean_head(head):
    return clean_text(strip_notes(head))


def add(table, key, meaning):
    table.setdefault(key, set()).add(meaning)


# Czech alphabetical order: CH is one letter after H; Č, Ř, Š, Ž follow C, R, S, Z;
# the other accents (Á, Ď, É, Ě, Í, Ň, Ó, Ť, Ú, Ů, Ý, and foreign ones such as Ä or Ö)
# only decide between words that are otherwise equal. Spaces, digits and punctuation
# come before letters, as in the byte order of the English section.
LETTERS = ["A", "B", "C", "Č", "D", "E", "F", "G", "H", "CH", "I", "J", "K", "L", "M", "N",
           "O", "P", "Q", "R", "Ř", "S", "Š", "T", "U", "V", "W", "X", "Y", "Z", "Ž"]
RANK = {letter: 1000 + i for i, letter in enumerate(LETTERS)}


def base_letter(ch):
    if ch in RANK:
        return ch
    plain = unicodedata.normalize("NFD", ch)[0]
    return plain if plain in RANK else None


def czech_key(text):
    primary, secondary = [], []
    i = 0
    while i < len(text):
        if text[i:i + 2] == "CH":
            primary.append(RANK["CH"])
            secondary.append(0)
            i += 2
            continue
        ch = text[i]
        base = base_letter(ch)
        primary.append(RANK[base] if base else ord(ch) if ord(ch) < 1000 else 2000 + ord(ch))
        secondary.append(0 if base == ch or base is None else ord(ch))
        i += 1
    return (primary, secondary, text)


def main():
    out = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else "data/prekladac.dat"
    os.chdir(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    english = {}
    czech = {}
    for head, lines in entries("freedict-eng-ces"):
        en = clean_head(head)
        if not en:
            continue
        for line in lines:
            for cz in clean_meanings(line):
                add(english, en, cz)
                if "," not in en:  # "water, riparian rights" is no translation of "voda"
                    add(czech, cz, en)
    # The core of basic words: their meanings lead each line, in the order the small
    # Czech-English dictionary gives them. Its English side glues some phrases together
    # ("inorderto", "chemist'sshop"), so only meanings the English-Czech one knows count.
    basic = {}
    for head, lines in entries("freedict-ces-eng"):
        cz = clean_head(head)
        if not cz:
            continue
        known = [en for line in lines for en in clean_meanings(line) if en in english]
        for rank, en in enumerate(known):
            add(czech, cz, en)
            add(english, en, cz)
            basic.setdefault((cz, en), rank)
            basic.setdefault((en, cz), 0)

    def line_of(key, meanings):
        # Basic meanings first, then single words before phrases, shorter first.
        ordered = sorted(meanings, key=lambda m: (basic.get((key, m), 99), len(m.split()), len(m), m))
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
