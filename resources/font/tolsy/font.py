"""Assembles the Tolsy TrueType font from the glyph table."""
from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import newTable
from fontTools.ttLib.tables import ttProgram

from . import frame
from .geometry import contours, outline
from .glyphs import FRAMED, LINE, PIECE, all_glyphs, character_map

FAMILY = "Tolsy"
STYLE = "Regular"
VERSION = "1.000"
COPYRIGHT = "Copyright (c) 2026, The Framewright authors."
LICENSE = ("This Font Software is licensed under the SIL Open Font License, Version 1.1. "
           "This license is available with a FAQ at: https://openfontlicense.org")
# 2026-01-01 in seconds since 1904-01-01: fixed so that the same source gives the same file.
TIMESTAMP = 3849984000

PIECES = {
    "frame.left": frame.left_box,
    "frame.middle": frame.middle_box,
    "frame.right": frame.right_box,
    "frame.space": frame.frame_space,
}


class FontBuildError(Exception):
    pass


def glyph_ink(glyph):
    """(shape, advance) of a table entry, placed as the font holds it."""
    if glyph.kind == PIECE:
        shape, advance = PIECES[glyph.name]()
    elif glyph.draw is None:
        return None, frame.FRAME_SPACE_ADVANCE
    elif glyph.kind == FRAMED:
        shape, advance = frame.set_in_frame(glyph.draw())
    elif glyph.kind == LINE:
        shape, advance = frame.set_in_line(glyph.draw())
    else:
        raise FontBuildError("glyph %s: unknown kind %r" % (glyph.name, glyph.kind))
    return shape, int(round(advance))


def _tt_glyph(shape):
    pen = TTGlyphPen(None)
    if shape is not None:
        for points in contours(shape):
            pen.moveTo(points[0])
            for p in points[1:]:
                pen.lineTo(p)
            pen.closePath()
    return pen.glyph()


def _notdef():
    box = outline([(80, 0), (420, 0), (420, 660), (80, 660)], 50)
    return box, 500


def check_extents(name, shape, advance):
    if shape is None or shape.is_empty:
        return
    x0, y0, x1, y1 = shape.bounds
    if y0 < -frame.DESCENT - 0.5 or y1 > frame.ASCENT + 0.5:
        raise FontBuildError("glyph %s reaches %.0f..%.0f, outside the em %d..%d"
                             % (name, y0, y1, -frame.DESCENT, frame.ASCENT))
    if x0 < -0.5 or x1 > advance + 0.5:
        raise FontBuildError("glyph %s reaches %.0f..%.0f, outside its advance %d"
                             % (name, x0, x1, advance))


def _hinting_tables(font):
    # No glyph instructions; the pre-program only turns on dropout control so that the one
    # pixel rules of a frame never vanish at small sizes.
    prep = newTable("prep")
    prep.program = ttProgram.Program()
    prep.program.fromAssembly(["PUSHW[ ]", "511", "SCANCTRL[ ]", "PUSHB[ ]", "4", "SCANTYPE[ ]"])
    font["prep"] = prep
    gasp = newTable("gasp")
    gasp.version = 1
    gasp.gaspRange = {0xFFFF: 0x000F}
    font["gasp"] = gasp
    maxp = font["maxp"]
    maxp.maxZones, maxp.maxStackElements = 2, 8


def build(path):
    glyphs = all_glyphs()
    order = [".notdef"] + [g.name for g in glyphs]
    inks = {".notdef": _notdef()}
    for g in glyphs:
        inks[g.name] = glyph_ink(g)
        check_extents(g.name, *inks[g.name])

    fb = FontBuilder(frame.UNITS_PER_EM, isTTF=True)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(character_map(glyphs))
    fb.setupGlyf({name: _tt_glyph(shape) for name, (shape, _) in inks.items()})
    glyf = fb.font["glyf"]
    fb.setupHorizontalMetrics({name: (advance, getattr(glyf[name], "xMin", 0))
                               for name, (_, advance) in inks.items()})
    fb.setupHorizontalHeader(ascent=frame.ASCENT, descent=-frame.DESCENT, lineGap=0)
    fb.setupNameTable({
        "copyright": COPYRIGHT, "familyName": FAMILY, "styleName": STYLE,
        "uniqueFontIdentifier": "Framewright: %s %s: %s" % (FAMILY, STYLE, VERSION),
        "fullName": FAMILY, "version": "Version " + VERSION, "psName": FAMILY + "-" + STYLE,
        "manufacturer": "The Framewright authors", "designer": "The Framewright authors",
        "description": "Feature control frames and drafting symbols for Framewright, "
                       "one glyph per 8-bit code.",
        "licenseDescription": LICENSE, "licenseInfoURL": "https://openfontlicense.org",
    })
    fb.setupOS2(version=4, achVendID="FWRT", fsType=0, fsSelection=0x40 | 0x80,
                usWeightClass=400, sTypoAscender=frame.ASCENT, sTypoDescender=-frame.DESCENT,
                sTypoLineGap=0, usWinAscent=frame.ASCENT, usWinDescent=frame.DESCENT,
                sxHeight=frame.X_HEIGHT, sCapHeight=frame.CAP_HEIGHT,
                ulCodePageRange1=1 << 0,  # Latin 1 (Windows-1252): ANSI text keeps this face
                ulCodePageRange2=0, yStrikeoutSize=frame.RULE, yStrikeoutPosition=300)
    fb.setupPost(keepGlyphNames=True, underlinePosition=-120, underlineThickness=frame.RULE)
    _hinting_tables(fb.font)
    head = fb.font["head"]
    head.created = head.modified = TIMESTAMP
    head.fontRevision = float(VERSION)
    fb.font.recalcTimestamp = False
    fb.save(path)
    return fb.font
