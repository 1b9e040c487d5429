#!/usr/bin/python3
"""Checks that the words a window must show were read from its screenshot.

    readwords.py OCR_TEXT_FILE[,OCR_TEXT_FILE...] WORD...

A WORD is matched against the words the OCR read (split at blanks, without the
punctuation around them), ignoring letter case. A word of six or more letters may differ
from the one read in one letter (the usual OCR noise: "ů" for "ú", a lost háček); a
shorter word, and any word with a digit, must be read exactly, so "28.12.2026" does not
match "28.12.20..." or ".12.2026". A WORD with blanks ("Z CZ do CIZ") is looked for in
the text read with its blanks left out, since the OCR often drops the blanks of short
words; one letter may differ when it has six or more. WORD*N asks for it at least N
times. A word cut off by its control ("Zkouš...", "prozkou...") is not read whole and
fails. !WORD asks that the word is not read at all. Several readings of one window (turned,
read as scattered text, its title bar alone) count as one: a word counts as often as the
reading that found it most often found it. Prints each word that was not found (or was
found where it must not be) and ends with 1 when there is one."""
import sys
import unicodedata

STRIP = "\"'`,;|()[]{}<>«»“”„‘’_—–"


def fold(text):
    return unicodedata.normalize("NFC", text).casefold()


def words_of(text):
    words = []
    for raw in text.split():
        # A colon at the end belongs to the label, not to the word.
        word = raw.strip(STRIP).rstrip(":")
        if word:
            words.append(fold(word))
    return words


def distance(a, b):
    previous = list(range(len(b) + 1))
    for i, ca in enumerate(a, 1):
        current = [i]
        for j, cb in enumerate(b, 1):
            current.append(min(previous[j] + 1, current[j - 1] + 1, previous[j - 1] + (ca != cb)))
        previous = current
    return previous[-1]


def tolerance(expected):
    return 0 if any(c.isdigit() for c in expected) or len(expected) < 6 else 1


def word_count(expected, read):
    allowed = tolerance(expected)
    return sum(1 for r in read
               if r == expected or (allowed and abs(len(r) - len(expected)) <= allowed
                                    and distance(expected, r) <= allowed))


def phrase_count(expected, text):
    phrase = "".join(expected.split())
    allowed = tolerance(phrase)
    count = 0
    start = 0
    while start + len(phrase) - allowed <= len(text):
        hit = next((n for n in sorted({len(phrase), len(phrase) - allowed, len(phrase) + allowed})
                    if start + n <= len(text)
                    and distance(phrase, text[start:start + n]) <= allowed), None)
        if hit is None:
            start += 1
        else:
            count += 1
            start += hit
    return count


def main():
    readings = []
    for name in sys.argv[1].split(","):
        with open(name, encoding="utf-8", errors="replace") as f:
            text = f.read()
        readings.append((words_of(text), fold("".join(text.split()))))
    wrong = []
    for wanted in sys.argv[2:]:
        absent = wanted.startswith("!")
        wanted = wanted[1:] if absent else wanted
        word, times = (wanted.rsplit("*", 1) + ["1"])[:2] if "*" in wanted else (wanted, "1")
        word = fold(word)
        found = max(phrase_count(word, joined) if " " in word else word_count(word, read)
                    for read, joined in readings)
        if absent and found:
            wrong.append(f"{word} (must not be shown)")
        elif not absent and found < int(times):
            wrong.append(f"{word} ({found} of {times})" if int(times) > 1 else word)
    for word in wrong:
        print(word)
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
