#!/usr/bin/env python3
"""Writes the inputs of the benchmarks into a folder: dictionaries of 1,000, 10,000,
100,000 and 1,000,000 expressions, translator word lists of 200,000 and 1,000,000
entries and statistics files of 100,000 and 1,000,000 rows, all in Windows-1250 with
CR LF, as the program's own files are; and the 100,000-expression dictionary in the
formats of two peers (KVTML 2.0, the XML of KWordQuiz and Parley, and a CSV that
KWordQuiz opens) for tools/compare.sh. The content is deterministic (a fixed seed)."""
import random
import sys
from pathlib import Path
from xml.sax.saxutils import escape

CZECH = "aábcčdďeéěfghiíjklmnňoópqrřsštťuúůvwxyýzž"
LATIN = "abcdefghijklmnopqrstuvwxyz"
IPA_KEYS = "0123456789!@abdefghklmnprstuvwz:"


def word(rng, letters, low=3, high=10):
    return "".join(rng.choice(letters) for _ in range(rng.randint(low, high)))


def write(path, lines):
    data = "".join(line + "\r\n" for line in lines).encode("cp1250")
    path.write_bytes(data)


def dictionary(rng, count):
    lines = []
    for _ in range(count):
        cz = "+".join(word(rng, CZECH) for _ in range(rng.randint(1, 3)))
        foreign = "+".join(word(rng, LATIN) for _ in range(rng.randint(1, 3)))
        pron = "[" + word(rng, IPA_KEYS, 2, 8) + "]"
        lines.append(f"{cz};{foreign};{pron};NENÍ")
    return lines


def translator(rng, count):
    half = count // 2
    english = sorted({word(rng, LATIN.upper(), 2, 12) for _ in range(half * 2)})[:half]
    czech = sorted({word(rng, CZECH.upper(), 2, 12) for _ in range(half * 2)})[:half]
    lines = [e + ";" + "+".join(word(rng, CZECH.upper()) for _ in range(rng.randint(1, 4)))
             for e in english]
    lines.append("Zdroj: náhodná data pro měření")
    lines.append("Začátek český výrazů")
    lines += [c + ";" + "+".join(word(rng, LATIN.upper()) for _ in range(rng.randint(1, 4)))
              for c in czech]
    return lines


def statistics(rng, count):
    names = [word(rng, LATIN, 4, 12) + ".slv" for _ in range(50)]
    lines = []
    for i in range(count):
        right, wrong = rng.randint(0, 40), rng.randint(0, 40)
        total = right + wrong or 1
        day = 1 + i % 28
        month = 1 + (i // 28) % 12
        lines.append(";".join([
            rng.choice(names), f"{day}.{month}.2026", f"{rng.randint(0, 23)}:{rng.randint(0, 59):02d}:00",
            str(right), str(wrong), str(right * 100 // total), rng.choice(["Ano", "Ne"]),
            rng.choice(["Zkoušení I", "Zkoušení II"])]))
    return lines


def kvtml(lines, title):
    """The dictionary's lines as a KVTML 2.0 document: the foreign expression and its
    pronunciation in the first language, the Czech one in the second."""
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<!DOCTYPE kvtml PUBLIC "kvtml2.dtd" "http://edu.kde.org/kvtml/kvtml2.dtd">',
           '<kvtml version="2.0">',
           f" <information>\n  <generator>make_bench_inputs.py</generator>\n"
           f"  <title>{escape(title)}</title>\n </information>",
           " <identifiers>",
           '  <identifier id="0">\n   <name>Cizí výraz</name>\n   <locale>en</locale>\n  </identifier>',
           '  <identifier id="1">\n   <name>Český výraz</name>\n   <locale>cs</locale>\n  </identifier>',
           " </identifiers>",
           " <entries>"]
    for number, line in enumerate(lines):
        czech, foreign, pronunciation, _sound = line.split(";")
        out.append(f'  <entry id="{number}">\n'
                   f'   <translation id="0">\n    <text>{escape(foreign)}</text>\n'
                   f"    <pronunciation>{escape(pronunciation.strip('[]'))}</pronunciation>\n"
                   f"   </translation>\n"
                   f'   <translation id="1">\n    <text>{escape(czech)}</text>\n   </translation>\n'
                   f"  </entry>")
    out += [" </entries>", "</kvtml>", ""]
    return "\n".join(out).encode("utf-8")


def csv(lines):
    """The dictionary's lines as delimited text in UTF-8, foreign <tab> Czech: KWordQuiz
    reads a .csv file with the tab as its delimiter."""
    rows = ["Cizí výraz\tČeský výraz"]
    for line in lines:
        czech, foreign, _pronunciation, _sound = line.split(";")
        rows.append(f"{foreign}\t{czech}")
    return ("\n".join(rows) + "\n").encode("utf-8")


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "build-bench/inputs")
    out.mkdir(parents=True, exist_ok=True)
    rng = random.Random(20261208)
    for count in (1000, 10000, 100000):
        lines = dictionary(rng, count)
        write(out / f"slovnik-{count}.slv", lines)
        if count == 100000:
            (out / f"slovnik-{count}.kvtml").write_bytes(kvtml(lines, f"slovnik-{count}"))
            (out / f"slovnik-{count}.csv").write_bytes(csv(lines))
    write(out / "prekladac.dat", translator(rng, 200000))
    write(out / "statistiky.dat", statistics(rng, 100000))
    # Ten times the size, from a generator of its own so the smaller inputs stay as they were.
    big = random.Random(20261209)
    write(out / "slovnik-1000000.slv", dictionary(big, 1000000))
    write(out / "prekladac-1000000.dat", translator(big, 1000000))
    write(out / "statistiky-1000000.dat", statistics(big, 1000000))
    print(f"inputs written to {out}")


if __name__ == "__main__":
    main()
