#!/usr/bin/env python3
"""Writes the demo dictionary data/Slovniky/zvirata.slv (animals), Windows-1250 with
CR LF: "czech;english;[pronunciation];NENÍ", the pronunciation typed with the keys of
the phonetic font (0=θ 1=ɪ 2=ʊ 3=ʒ 4=æ 5=ʃ 6=ð 7=ʌ 8=ŋ 9=ɒ !=ɔ @=ə)."""
import os

os.chdir(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

ANIMALS = [
    ("kočka", "cat", "k4t"), ("pes+čokl", "dog", "d9g"), ("kůň", "horse", "h!:s"),
    ("kráva", "cow", "ka2"), ("prase", "pig", "p1g"), ("ovce", "sheep", "5i:p"),
    ("koza", "goat", "g@2t"), ("slepice", "hen", "hen"), ("kachna", "duck", "d7k"),
    ("husa", "goose", "gu:s"), ("myš", "mouse", "ma2s"), ("krysa", "rat", "r4t"),
    ("králík", "rabbit", "r4b1t"), ("medvěd", "bear", "be@"), ("vlk", "wolf", "w2lf"),
    ("liška", "fox", "f9ks"), ("jelen", "deer", "d1@"), ("zajíc", "hare", "he@"),
    ("veverka", "squirrel", "skw1r@l"), ("žába", "frog", "fr9g"), ("had", "snake", "sne1k"),
    ("ryba", "fish", "f15"), ("pták", "bird", "b@:d"), ("motýl", "butterfly", "b7t@fla1"),
    ("opice", "monkey", "m78ki"), ("slon", "elephant", "el1f@nt"), ("lev", "lion", "la1@n"),
    ("tygr", "tiger", "ta1g@"), ("velryba", "whale", "we1l"), ("želva", "tortoise+turtle", "t!:t@s"),
]

with open("data/Slovniky/zvirata.slv", "wb") as out:
    out.write("".join(f"{cz};{en};[{pron}];NENÍ\r\n" for cz, en, pron in ANIMALS).encode("cp1250"))
print(f"data/Slovniky/zvirata.slv: {len(ANIMALS)} expressions")
