#!/usr/bin/python3
# Writes deep-underline.ttf: a font whose underline lies below its descent, as some
# stand-in fonts' do, so a test can see that fitting a caption keeps the underline in its
# box. Every letter is one square. Run by hand (python3-fonttools); the font is committed.
from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen


def square(size):
    pen = TTGlyphPen(None)
    pen.moveTo((50, 0))
    pen.lineTo((50, size))
    pen.lineTo((50 + size, size))
    pen.lineTo((50 + size, 0))
    pen.closePath()
    return pen.glyph()


letters = [chr(c) for c in range(ord("A"), ord("Z") + 1)] + [
    chr(c) for c in range(ord("a"), ord("z") + 1)]
names = [".notdef", "space", "square"]
builder = FontBuilder(1000, isTTF=True)
builder.setupGlyphOrder(names)
cmap = {ord(" "): "space"}
cmap.update({ord(letter): "square" for letter in letters})
builder.setupCharacterMap(cmap)
builder.setupGlyf({".notdef": square(600), "space": TTGlyphPen(None).glyph(),
                   "square": square(600)})
builder.setupHorizontalMetrics({".notdef": (700, 50), "space": (300, 0), "square": (700, 50)})
builder.setupHorizontalHeader(ascent=800, descent=-150)
builder.setupNameTable({"familyName": "Deep Underline", "styleName": "Regular"})
builder.setupOS2(sTypoAscender=800, sTypoDescender=-150, usWinAscent=800, usWinDescent=150,
                 sTypoLineGap=0)
builder.setupPost(underlinePosition=-400, underlineThickness=60)
builder.save(__file__.replace("make-deep-underline-font.py", "deep-underline.ttf"))
