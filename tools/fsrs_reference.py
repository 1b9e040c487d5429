#!/usr/bin/env python3
"""Reference numbers of the review plan's scheduler, computed apart from the program.

FSRS-4.5 as its authors publish it (open-spaced-repetition: the wiki page "The Algorithm",
section FSRS-4.5, and the model the 17 default parameters were fitted with), written
here a second time in plain Python so that the C++ scheduler (review/fsrs.cpp) is checked
against numbers it did not produce itself:

  R(t, S)  = (1 + 19/81 * t / S) ** -0.5            chance of recall t days after a review
  I(r, S)  = S / (19/81) * (r ** (1 / -0.5) - 1)    days until R falls to r (I = S at 0.9)
  S0(G)    = w[G-1]                                 first answer G (1 Znovu .. 4 Snadno)
  D0(G)    = w4 - (G - 3) * w5, within 1..10
  D'(D,G)  = w7 * D0(3) + (1 - w7) * (D - w6 * (G - 3)), within 1..10
  S'r      = S * (1 + e^w8 * (11 - D) * S^-w9 * (e^(w10 * (1 - R)) - 1) * w15[G=2] * w16[G=4])
  S'f      = min(S, w11 * D^-w12 * ((S + 1)^w13 - 1) * e^(w14 * (1 - R)))
  S within 0.01 .. 36500

Both new stabilities use the difficulty before the answer (D), the new difficulty is kept
for the next answer. Intervals are whole days: rounded (halves up), at least 1, at most
36500; "Těžké" never waits longer than "Dobře", "Dobře" and "Snadno" each at least a day
longer than the answer before them (the published scheduler's rule). Vokab plans in
days, not minutes: "Znovu" brings an expression back the next day, where Anki's
scheduler would ask it again after minutes.

Run: python3 tools/fsrs_reference.py
"""

import math

W = [0.4872, 1.4003, 3.7145, 13.8206, 5.1618, 1.2298, 0.8975, 0.031, 1.6474, 0.1367,
     1.0461, 2.1072, 0.0793, 0.3246, 1.587, 0.2272, 2.8755]
FACTOR = 19 / 81
DECAY = -0.5
AGAIN, HARD, GOOD, EASY = 1, 2, 3, 4
NAMES = {AGAIN: "Znovu", HARD: "Těžké", GOOD: "Dobře", EASY: "Snadno"}


def clamp(x, low, high):
    return max(low, min(high, x))


def days_of(s, retention):
    exact = s / FACTOR * (retention ** (1 / DECAY) - 1)
    return int(clamp(math.floor(exact + 0.5), 1, 36500))


def d0(g):
    return clamp(W[4] - (g - 3) * W[5], 1, 10)


def after(card, t, g):
    """(stability, difficulty) after answer g given t days after the last review."""
    if card is None:
        return max(W[g - 1], 0.1), d0(g)
    s, d = card
    r = (1 + FACTOR * t / s) ** DECAY
    if g == AGAIN:
        s2 = min(s, W[11] * d ** -W[12] * ((s + 1) ** W[13] - 1) * math.exp(W[14] * (1 - r)))
    else:
        factor = W[15] if g == HARD else W[16] if g == EASY else 1
        s2 = s * (1 + math.exp(W[8]) * (11 - d) * s ** -W[9]
                  * (math.exp(W[10] * (1 - r)) - 1) * factor)
    d2 = clamp(W[7] * d0(GOOD) + (1 - W[7]) * (d - W[6] * (g - 3)), 1, 10)
    return clamp(s2, 0.01, 36500), d2


def interval(card, t, g, retention):
    days = {x: days_of(after(card, t, x)[0], retention) for x in (HARD, GOOD, EASY)}
    days[HARD] = min(days[HARD], days[GOOD])
    days[GOOD] = max(days[GOOD], days[HARD] + 1)
    days[EASY] = max(days[EASY], days[GOOD] + 1)
    return 1 if g == AGAIN else days[g]


def run(history, retention=0.9):
    """history: (day, rating) pairs; prints one row per answer."""
    card, last = None, None
    for day, g in history:
        t = 0 if last is None else day - last
        days = interval(card, t, g, retention)
        card, last = after(card, t, g), day
        print(f"    day {day:4d} {NAMES[g]:7s} -> interval {days:5d}"
              f"  S {card[0]:.6f}  D {card[1]:.6f}")


HISTORIES = {
    "always Dobře, on time": [(0, GOOD), (4, GOOD), (19, GOOD), (84, GOOD)],
    "Znovu first, then Dobře": [(0, AGAIN), (1, GOOD), (4, GOOD)],
    "a lapse after two successes": [(0, GOOD), (4, GOOD), (19, AGAIN), (20, GOOD)],
    "Snadno, then Těžké": [(0, EASY), (14, HARD), (30, EASY)],
    "Dobře, answered late": [(0, GOOD), (30, GOOD)],
    "Dobře, answered early": [(0, GOOD), (1, GOOD)],
}

if __name__ == "__main__":
    for name, history in HISTORIES.items():
        print(f"{name}:")
        run(history)
    print("retention 0.8:")
    run([(0, GOOD), (8, GOOD)], retention=0.8)
