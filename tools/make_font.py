#!/usr/bin/env python3
"""Makes the phonetic font VokabFont (data/VokabFont.ttf and data/VokabFont-Bold.ttf)
from Debian's DejaVu Sans (fonts-dejavu-core): the keys "0".."9", "!" and "@" draw the
English IPA symbols of the table below, every other character draws as in DejaVu Sans,
and real IPA code points keep their glyphs. The font is subset to what pronunciations
need and renamed, as the DejaVu/Bitstream Vera licence requires of a modified font;
its copyright and licence notices are kept (LICENSES/DejaVu-fonts.txt).

Run: /usr/bin/python3 tools/make_font.py   (needs python3-fonttools)"""
import os
from fontTools import subset
from fontTools.ttLib import TTFont

SOURCE = "/usr/share/fonts/truetype/dejavu/"
KEYS = {"0": "θ", "1": "ɪ", "2": "ʊ", "3": "ʒ", "4": "æ", "5": "ʃ", "6": "ð", "7": "ʌ",
        "8": "ŋ", "9": "ɒ", "!": "ɔ", "@": "ə"}
IPA = "θɪʊʒæʃðʌŋɒɔəɑɜːˈˌɛɚɝʔɹɾʧʤçχɡ"
CZECH = "áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ"
FIXED_TIME = 3786825600  # 2024-01-01, so that the files do not change between runs


def build(source, target, style):
    font = TTFont(SOURCE + source, recalcTimestamp=False)
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.glyph_names = True
    options.recalc_timestamp = False
    unicodes = set(range(0x20, 0x7F)) | {ord(c) for c in IPA + CZECH} | {0xA0}
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=unicodes)
    subsetter.subset(font)

    cmap = font.getBestCmap()
    for table in font["cmap"].tables:
        if table.isUnicode():
            for key, symbol in KEYS.items():
                table.cmap[ord(key)] = cmap[ord(symbol)]

    full = "VokabFont" if style == "Book" else "VokabFont " + style
    postscript = "VokabFont" if style == "Book" else "VokabFont-" + style
    names = {1: "VokabFont", 2: style, 3: postscript + " 1.0", 4: full, 6: postscript,
             16: "VokabFont", 17: style}
    table = font["name"]
    for record in list(table.names):
        if record.nameID in names:
            table.setName(names[record.nameID], record.nameID, record.platformID,
                          record.platEncID, record.langID)
    for nameID in (16, 17):
        if not any(r.nameID == nameID for r in table.names):
            table.setName(names[nameID], nameID, 3, 1, 0x409)
    for record in table.names:
        if record.nameID in names:
            text = record.toUnicode()
            for word in ("DejaVu", "Bitstream", "Vera", "Arev"):
                assert word not in text, (record.nameID, text)
    font["head"].created = FIXED_TIME
    font["head"].modified = FIXED_TIME
    font.save(target)
    print(f"{target}: {len(font.getGlyphOrder())} glyphs")


def main():
    os.chdir(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    build("DejaVuSans.ttf", "data/VokabFont.ttf", "Book")
    build("DejaVuSans-Bold.ttf", "data/VokabFont-Bold.ttf", "Bold")


if __name__ == "__main__":
    main()
