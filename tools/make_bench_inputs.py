#!/usr/bin/env python3
"""Writes the inputs of the benchmarks into a folder: dictionaries of 1,000, 10,000
and 100,000 expressions, a translator word list of 200,000 entries and a statistics
file of 100,000 rows, all in Windows-1250 with CR LF, as the program's own files are.
The content is deterministic (a fixed seed)."""
import random
import sys
from pathlib import Path

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


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "build-bench/inputs")
    out.mkdir(parents=True, exist_ok=True)
    rng = random.Random(20261208)
    for count in (1000, 10000, 100000):
        write(out / f"slovnik-{count}.slv", dictionary(rng, count))
    write(out / "prekladac.dat", translator(rng, 200000))
    write(out / "statistiky.dat", statistics(rng, 100000))
    print(f"inputs written to {out}")


if __name__ == "__main__":
    main()
