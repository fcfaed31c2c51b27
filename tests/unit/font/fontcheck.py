"""Reading the built Tolsy font for the tests: the code tables the program relies on, and
outline geometry (flattened contours, scan lines under the non-zero winding rule)."""
import os
import unittest

from fontTools.pens.basePen import BasePen
from fontTools.ttLib import TTFont

FONT_PATH = os.environ.get("TOLSY_FONT", "")
PROOF_DIR = os.environ.get("TOLSY_FONT_PROOF_DIR", "")
SOURCE_DIR = os.environ.get("TOLSY_FONT_SOURCE", "")

# Codes and the program's texts for them (the palette tool-tips, quoted as the program has them).
FRAME_AND_NUMBERS = {0xEB: "Left Box", 0xEC: "Middle Box", 0xED: "Right Box", 0xE0: "Diameter",
                     0xA1: "Diameter", 0xF9: "Decimal Point", 0xFA: "Minus", 0xB1: "Plus Minus",
                     0xB0: "Degrees", 0x95: "Degrees"}
DIGITS = list(range(0xEE, 0xF8))
CHARACTERISTICS = {0xFB: "Position", 0xFC: "Profile-Line", 0xE1: "Parallelism",
                   0xE2: "Concentricity", 0xE3: "Purpendicularity", 0xE4: "Flatness",
                   0xE5: "Cylindricity", 0xE6: "Profile-Surface", 0xE7: "Circular Runout",
                   0xE8: "Total Runout", 0xB2: "Angularity", 0xB3: "Straightness",
                   0xFF: "Symmetry", 0xBA: "Roundness"}
MODIFIERS = {0xDD: "Least Material Condition", 0xDE: "Maximum Material Condition",
             0xDF: "Regardless of Feature Size", 0x85: "Tangent Plane", 0x9F: "Free State",
             0x9E: "Projected Tolerance Zone"}
DATUM_LETTERS = list(range(0xC0, 0xDA))
SYMBOLS2 = {0x82: "Micro Inches", 0x86: "Micro Millimeters", 0x87: "Countersink",
            0x83: "Counter Bore", 0x88: "Stock Removal", 0x89: "All Around",
            0x8A: "Profile of Line", 0x8B: "Conical Taper", 0x8C: "Datum Target",
            0x91: "Dimension Origin", 0x92: "Slope", 0x93: "Symetrical", 0x94: "Square",
            0x84: "Statistical Tolerance", 0xA2: "Centerline", 0xFD: "Marking",
            0xBF: "Material Removal", 0xAC: "As Produced"}
SYMBOLS_WITHOUT_MEANING = [0xE9, 0xEA, 0xB9, 0xB6, 0x96]
SYMBOLS2_WITHOUT_MEANING = [0xFE, 0xA4, 0xDB, 0xDA, 0xB4, 0xBB, 0xAB, 0xA8, 0xB8, 0x9C, 0xAE,
                            0x98, 0x9A, 0xAF]
NOT_ON_A_PALETTE = [0x80, 0x81, 0x8D, 0x8E, 0x8F, 0x90, 0x97, 0x99, 0x9B, 0x9D, 0xA0, 0xA3,
                    0xA5, 0xA6, 0xA7, 0xA9, 0xAA, 0xAD, 0xB5, 0xB7, 0xBC, 0xBD, 0xBE, 0xDC, 0xF8]
MEANINGS = {**FRAME_AND_NUMBERS, **CHARACTERISTICS, **MODIFIERS, **SYMBOLS2}
PALETTE_CODES = (set(FRAME_AND_NUMBERS) | set(DIGITS) | set(CHARACTERISTICS) | set(MODIFIERS)
                 | set(DATUM_LETTERS) | set(SYMBOLS2) | set(SYMBOLS_WITHOUT_MEANING)
                 | set(SYMBOLS2_WITHOUT_MEANING))
# Glyphs that a frame is built from and that therefore must join.
FRAME_CODES = ([0xEB, 0xEC, 0xED, 0xE0, 0xF9] + DIGITS + DATUM_LETTERS + list(CHARACTERISTICS)
               + list(MODIFIERS))
WORKED_FRAME = bytes.fromhex("EB FB EC E0 F9 EE EE F3 DE EC C0 EC C1 DE EC C2 ED")

# The standard characters of the drafting symbols, by the code that draws the same symbol.
GDT_UNICODE = {0x2316: 0xFB, 0x23E5: 0xE4, 0x23E4: 0xB3, 0x2225: 0xE1, 0x27C2: 0xE3,
               0x2220: 0xB2, 0x232D: 0xE5, 0x2312: 0xFC, 0x2313: 0xE6, 0x25CE: 0xE2,
               0x232F: 0xFF, 0x25CB: 0xBA, 0x2197: 0xE7, 0x2330: 0xE8, 0x24C2: 0xDE,
               0x24C1: 0xDD, 0x24C8: 0xDF, 0x24C9: 0x85, 0x24BB: 0x9F, 0x24C5: 0x9E,
               0x2300: 0xE0, 0x2334: 0x83, 0x2335: 0x87, 0x2332: 0x8B, 0x2333: 0x92,
               0x25A1: 0x94, 0x2331: 0x91}


def windows_1252(code):
    """The character Windows converts an 8-bit code to (unassigned codes keep their value)."""
    try:
        return ord(bytes([code]).decode("cp1252"))
    except UnicodeDecodeError:
        return code


_font = None


def font():
    global _font
    if _font is None:
        if not FONT_PATH or not os.path.exists(FONT_PATH):
            raise unittest.SkipTest("TOLSY_FONT does not name a built font")
        _font = TTFont(FONT_PATH)
    return _font


def glyph_name(code):
    return font().getBestCmap().get(windows_1252(code))


def advance(name):
    return font()["hmtx"][name][0]


class _FlatPen(BasePen):
    """Collects contours as polygons, quadratic pieces split into short lines."""

    def __init__(self, glyph_set):
        super().__init__(glyph_set)
        self.polygons, self._current = [], []

    def _moveTo(self, p):
        self._current = [p]

    def _lineTo(self, p):
        self._current.append(p)

    def _qCurveToOne(self, p1, p2):
        p0 = self._current[-1]
        for i in range(1, 9):
            t = i / 8.0
            self._current.append(((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
                                  (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1]))

    def _curveToOne(self, p1, p2, p3):
        raise AssertionError("a TrueType font has no cubic curves")

    def _closePath(self):
        if len(self._current) > 2:
            self.polygons.append(self._current)
        self._current = []

    _endPath = _closePath


def polygons(name):
    glyph_set = font().getGlyphSet()
    pen = _FlatPen(glyph_set)
    glyph_set[name].draw(pen)
    return pen.polygons


def filled_intervals(polys, y):
    """Where the horizontal line at y is inside the outline (non-zero winding), as merged
    (x0, x1) intervals."""
    crossings = []
    for poly in polys:
        for (x0, y0), (x1, y1) in zip(poly, poly[1:] + poly[:1]):
            if (y0 <= y < y1) or (y1 <= y < y0):
                x = x0 + (y - y0) * (x1 - x0) / (y1 - y0)
                crossings.append((x, 1 if y1 > y0 else -1))
    crossings.sort()
    intervals, winding, start = [], 0, None
    for x, w in crossings:
        before = winding
        winding += w
        if before == 0 and winding != 0:
            start = x
        elif before != 0 and winding == 0:
            if intervals and abs(intervals[-1][1] - start) < 1e-6:
                intervals[-1] = (intervals[-1][0], x)
            else:
                intervals.append((start, x))
    return intervals


def transpose(polys):
    return [[(y, x) for x, y in poly] for poly in polys]


def ink_area(polys, step=5.0):
    """Inked area in square units, summed over scan lines `step` apart."""
    ys = [y for poly in polys for _, y in poly]
    if not ys:
        return 0.0
    total, y = 0.0, min(ys) + step / 2
    while y < max(ys):
        total += sum(x1 - x0 for x0, x1 in filled_intervals(polys, y)) * step
        y += step
    return total


def ink_bounds(polys):
    xs = [x for poly in polys for x, _ in poly]
    ys = [y for poly in polys for _, y in poly]
    return min(xs), min(ys), max(xs), max(ys)
