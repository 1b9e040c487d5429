#!/usr/bin/env python3
"""Makes the phonetic font VokabFont (data/VokabFont.ttf and data/VokabFont-Bold.ttf)
from Debian's DejaVu Sans (fonts-dejavu-core): the keys "0".."9", "!" and "@" draw the
English IPA symbols of the table below (the program's own table is dictionary/phonetic.cpp),
every other character draws as in DejaVu Sans, and real IPA code points keep their glyphs. The font is subset to what pronunciations
need and renamed, as the DejaVu/Bitstream Vera licence requires of a modified font;
its copyright and licence notices are kept (LICENSES/DejaVu-fonts.txt).

Run: /usr/bin/python3 tools/make_font.py   (needs python3-fonttools)"""
import os
from fontTools import subset
from fontTools.ttLib import TTFont
from fontTools.ttLib.tables._g_l_y_f import USE_MY_METRICS, Glyph, GlyphComponent

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

    # Each key draws a glyph of its own, made of its symbol's glyph: a PDF maps a glyph back
    # to the lowest character that draws it, so a glyph shared by "4" and "æ" would come
    # out of a printed pronunciation as "4"; the printout draws the symbols' own characters.
    cmap = font.getBestCmap()
    glyf = font["glyf"]
    hmtx = font["hmtx"]
    for key, symbol in KEYS.items():
        symbol_glyph = cmap[ord(symbol)]
        key_glyph = symbol_glyph + ".key"
        component = GlyphComponent()
        component.glyphName = symbol_glyph
        component.x, component.y = 0, 0
        component.flags = USE_MY_METRICS
        glyph = Glyph()
        glyph.numberOfContours = -1
        glyph.components = [component]
        glyf[key_glyph] = glyph
        glyph.recalcBounds(glyf)
        hmtx[key_glyph] = hmtx[symbol_glyph]
        for table in font["cmap"].tables:
            if table.isUnicode():
                table.cmap[ord(key)] = key_glyph
    font.setGlyphOrder(glyf.glyphOrder)

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
