"""The Tolsy code page: what every 8-bit code draws, whether it is a frame piece, and which
Unicode characters reach it.

`meaning` is the program's own name for a code (the palette tool-tip texts, quoted exactly);
`shape` says what the glyph shows, which for codes without a meaning is the font's own choice.
"""
from dataclasses import dataclass, field
from typing import Callable, Optional, Tuple

from fontTools.agl import UV2AGL

from . import symbols as s
from .lettering import STROKES, char_shape

LINE, FRAMED, PIECE = "line", "framed", "piece"


@dataclass(frozen=True)
class Glyph:
    name: str
    kind: str  # LINE: ordinary glyph; FRAMED: carries the frame rules; PIECE: a box glyph
    draw: Callable
    shape: str
    code: Optional[int] = None  # the 8-bit code, None for glyphs reached only through Unicode
    meaning: Optional[str] = None
    unicodes: Tuple[int, ...] = field(default_factory=tuple)


def cp1252_char(code):
    """The Windows-1252 character of a code; its five unassigned codes map to U+0080 to U+009F
    as Windows itself converts them."""
    try:
        return bytes([code]).decode("cp1252")
    except UnicodeDecodeError:
        return chr(code)


def _g(code, name, kind, draw, shape, meaning=None, unicodes=()):
    return Glyph(name, kind, draw, shape, code, meaning, tuple(unicodes))


def _letter(ch):
    return lambda: char_shape(ch)


def _text(text):
    return lambda: s.letters(text)


def _unit(text):
    return lambda: s.unit(text)


# Geometric characteristics: (code, name, meaning, drawing, standard Unicode character).
CHARACTERISTICS = [
    (0xFB, "position", "Position", s.position, 0x2316),
    (0xFC, "profileline", "Profile-Line", s.profile_of_line, None),
    (0xE1, "parallelism", "Parallelism", s.parallelism, 0x2225),
    (0xE2, "concentricity", "Concentricity", s.concentricity, 0x25CE),
    (0xE3, "perpendicularity", "Purpendicularity", s.perpendicularity, 0x27C2),
    (0xE4, "flatness", "Flatness", s.flatness, 0x23E5),
    (0xE5, "cylindricity", "Cylindricity", s.cylindricity, 0x232D),
    (0xE6, "profilesurface", "Profile-Surface", s.profile_of_surface, 0x2313),
    (0xE7, "circularrunout", "Circular Runout", s.circular_runout, 0x2197),
    (0xE8, "totalrunout", "Total Runout", s.total_runout, 0x2330),
    (0xB2, "angularity", "Angularity", s.angularity, 0x2220),
    (0xB3, "straightness", "Straightness", s.straightness, 0x23E4),
    (0xFF, "symmetry", "Symmetry", s.symmetry, 0x232F),
    (0xBA, "roundness", "Roundness", s.roundness, 0x25CB),
]

# Modifiers used in frames: (code, letter, meaning, Unicode circled letter).
MODIFIERS = [
    (0xDD, "L", "Least Material Condition", 0x24C1),
    (0xDE, "M", "Maximum Material Condition", 0x24C2),
    (0xDF, "S", "Regardless of Feature Size", 0x24C8),
    (0x85, "T", "Tangent Plane", 0x24C9),
    (0x9F, "F", "Free State", 0x24BB),
    (0x9E, "P", "Projected Tolerance Zone", 0x24C5),
]


def _frame_and_numbers():
    out = [
        _g(0xEB, "frame.left", PIECE, None, "left end of a frame", "Left Box"),
        _g(0xEC, "frame.middle", PIECE, None, "divider between compartments", "Middle Box"),
        _g(0xED, "frame.right", PIECE, None, "right end of a frame", "Right Box"),
        _g(0xA0, "frame.space", PIECE, None, "blank space inside a frame"),
        _g(0xE0, "diameter.frame", FRAMED, s.diameter, "diameter sign, framed", "Diameter"),
        _g(0xA1, "diameter", LINE, s.diameter, "diameter sign", "Diameter", [0x2300]),
        _g(0xF8, "comma.frame", FRAMED, s.decimal_comma, "decimal comma, framed"),
        _g(0xF9, "period.frame", FRAMED, s.decimal_point, "decimal point, framed", "Decimal Point"),
        _g(0xFA, "minus.frame", FRAMED, s.minus, "minus sign, framed", "Minus"),
        _g(0xB1, "plusminus", LINE, s.plus_minus, "plus-minus sign", "Plus Minus"),
        _g(0xB0, "degree", LINE, s.degrees, "degree sign", "Degrees"),
        _g(0x95, "degree.frame", FRAMED, s.degrees, "degree sign, framed", "Degrees"),
    ]
    for digit in range(10):
        out.append(_g(0xEE + digit, "digit%d.frame" % digit, FRAMED, _letter(str(digit)),
                      "digit %d, framed" % digit))
    return out


def _characteristics_and_modifiers():
    out = []
    for code, name, meaning, draw, uni in CHARACTERISTICS:
        out.append(_g(code, name + ".frame", FRAMED, draw, meaning.lower() + " symbol, framed",
                      meaning))
        if code == 0xFC:
            continue  # its unframed form is the Symbols2 "Profile of Line" glyph
        out.append(Glyph(name, LINE, draw, meaning.lower() + " symbol", unicodes=(uni,)))
    for code, letter, meaning, uni in MODIFIERS:
        draw = (lambda t: lambda: s.circled(t))(letter)
        out.append(_g(code, "circled%s.frame" % letter, FRAMED, draw,
                      "%s in a circle, framed" % letter, meaning))
        out.append(Glyph("circled" + letter, LINE, draw, "%s in a circle" % letter,
                         unicodes=(uni,)))
    for i in range(26):
        letter = chr(ord("A") + i)
        out.append(_g(0xC0 + i, "datum%s.frame" % letter, FRAMED, _letter(letter),
                      "datum letter %s, framed" % letter))
    return out


def _framed_extras():
    """Codes of the Symbols page without a meaning: further frame entries of the standards."""
    return [
        _g(0xE9, "slash.frame", FRAMED, s.slash, "slash of a unit-basis tolerance, framed"),
        _g(0xEA, "circledU.frame", FRAMED, lambda: s.circled("U"),
           "unequally disposed profile (U in a circle), framed"),
        Glyph("circledU", LINE, lambda: s.circled("U"), "U in a circle", unicodes=(0x24CA,)),
        _g(0xB9, "translation.frame", FRAMED, s.translation, "translation modifier, framed"),
        _g(0xB6, "statistical.frame", FRAMED, s.statistical, "statistical tolerance, framed"),
        _g(0x96, "dynamicprofile.frame", FRAMED, s.dynamic_profile, "dynamic profile, framed"),
        _g(0xDC, "combinedzone.frame", FRAMED, _text("CZ"), "combined zone CZ, framed"),
    ]


def _drafting_symbols():
    """The Symbols2 page and the codes no palette carries: ordinary (unframed) symbols."""
    return [
        _g(0x82, "microinch", LINE, _unit("µin"), "micro inches: µin", "Micro Inches"),
        _g(0x86, "micromillimetre", LINE, _unit("µmm"), "micro millimetres: µmm",
           "Micro Millimeters"),
        _g(0x87, "countersink", LINE, s.countersink, "countersink", "Countersink", [0x2335]),
        _g(0x83, "counterbore", LINE, s.counterbore, "counterbore", "Counter Bore", [0x2334]),
        _g(0x88, "stockremoval", LINE, s.stock_removal,
           "machining allowance: removal symbol with allowance line", "Stock Removal"),
        _g(0x89, "allaround", LINE, s.all_around, "circle at a leader's bend", "All Around"),
        _g(0x8A, "profileline", LINE, s.profile_of_line, "profile of a line symbol",
           "Profile of Line", [0x2312]),
        _g(0x8B, "conicaltaper", LINE, s.conical_taper, "conical taper", "Conical Taper",
           [0x2332]),
        _g(0x8C, "datumtarget", LINE, s.datum_target, "datum target (divided circle)",
           "Datum Target"),
        _g(0x91, "dimensionorigin", LINE, s.dimension_origin, "dimension origin",
           "Dimension Origin", [0x2331]),
        _g(0x92, "slope", LINE, s.slope, "slope", "Slope", [0x2333]),
        _g(0x93, "symmetrical", LINE, s.symmetrical_marks,
           "symmetrical part: centre line with paired end marks", "Symetrical"),
        _g(0x94, "square", LINE, s.square, "square", "Square", [0x25A1]),
        _g(0x84, "statistical", LINE, s.statistical, "statistical tolerance ST",
           "Statistical Tolerance"),
        _g(0xA2, "centreline", LINE, s.centre_line, "centre line (C and L)", "Centerline",
           [0x2104]),
        _g(0xFD, "marking", LINE, s.marking_flag, "marking flag", "Marking"),
        _g(0xBF, "removalrequired", LINE, s.texture_removal, "surface texture, removal required",
           "Material Removal"),
        _g(0xAC, "removalprohibited", LINE, s.texture_no_removal,
           "surface texture, removal prohibited", "As Produced"),
        # Symbols2 codes without a meaning.
        _g(0xFE, "texture", LINE, s.texture_basic, "basic surface texture symbol"),
        _g(0xA4, "texture.extended", LINE, s.texture_with_extension,
           "surface texture with requirement line"),
        _g(0xDB, "lay.parallel", LINE, lambda: s.texture_lay("="), "lay parallel (=)"),
        _g(0xDA, "lay.perpendicular", LINE, lambda: s.texture_lay("T"), "lay perpendicular"),
        _g(0xB4, "lay.crossed", LINE, lambda: s.texture_lay("X"), "lay crossed (X)"),
        _g(0xBB, "lay.multidirectional", LINE, lambda: s.texture_lay("M"),
           "lay multidirectional (M)"),
        _g(0xAB, "lay.circular", LINE, lambda: s.texture_lay("C"), "lay circular (C)"),
        _g(0xA8, "depth", LINE, s.depth, "depth", unicodes=[0x21A7]),
        _g(0xB8, "between", LINE, s.between, "between (double arrow)"),
        _g(0x9C, "spherediameter", LINE, s.sphere_diameter, "spherical diameter SØ"),
        _g(0xAE, "circledE", LINE, lambda: s.circled("E"), "envelope requirement (E in a circle)",
           unicodes=[0x24BA]),
        _g(0x98, "sphereradius", LINE, _text("SR"), "spherical radius SR"),
        _g(0x9A, "controlledradius", LINE, _text("CR"), "controlled radius CR"),
        _g(0xAF, "arclength", LINE, s.arc_length, "arc length"),
        # Codes that no palette carries.
        _g(0x80, "datumfeature", LINE, s.datum_feature, "datum feature symbol"),
        _g(0x81, "targetpoint", LINE, s.datum_target_point, "datum target point"),
        _g(0x8D, "targetarea", LINE, s.datum_target_area, "datum target area"),
        _g(0x8E, "allover", LINE, s.all_over, "all over"),
        _g(0x8F, "spotface", LINE, s.spotface, "spotface"),
        _g(0x90, "circledI", LINE, lambda: s.circled("I"), "independency (I in a circle)",
           unicodes=[0x24BE]),
        _g(0x97, "continuousfeature", LINE, _text("CF"), "continuous feature CF"),
        _g(0x99, "places", LINE, s.places, "times sign of a number of places"),
        _g(0x9B, "thirdangle", LINE, lambda: s.projection_symbol(False), "third angle projection"),
        _g(0x9D, "firstangle", LINE, lambda: s.projection_symbol(True), "first angle projection"),
        _g(0xA3, "lay.radial", LINE, lambda: s.texture_lay("R"), "lay radial (R)"),
        _g(0xA5, "lay.particulate", LINE, lambda: s.texture_lay("P"), "lay particulate (P)"),
        _g(0xA6, "filletweld", LINE, s.fillet_weld, "fillet weld"),
        _g(0xA7, "vgrooveweld", LINE, s.v_groove_weld, "V groove weld"),
        _g(0xA9, "seamweld", LINE, s.seam_weld, "seam weld"),
        _g(0xAA, "squaregrooveweld", LINE, s.square_groove_weld, "square groove weld"),
        _g(0xAD, "centremark", LINE, s.centre_mark, "centre mark"),
        _g(0xB5, "micrometre", LINE, _unit("µm"), "micrometres: µm"),
        _g(0xB7, "leaderdot", LINE, s.leader_dot, "leader ending in a dot"),
        _g(0xBC, "onequarter", LINE, lambda: s.fraction("1", "4"), "fraction 1/4"),
        _g(0xBD, "onehalf", LINE, lambda: s.fraction("1", "2"), "fraction 1/2"),
        _g(0xBE, "threequarters", LINE, lambda: s.fraction("3", "4"), "fraction 3/4"),
    ]


def _ascii():
    out = [_g(0x20, "space", LINE, None, "space")]
    for code in range(0x21, 0x7F):
        ch = chr(code)
        assert ch in STROKES, ch
        out.append(_g(code, UV2AGL.get(code, "uni%04X" % code), LINE, _letter(ch), "character " + ch))
    return out


def all_glyphs():
    glyphs = (_ascii() + _frame_and_numbers() + _characteristics_and_modifiers()
              + _framed_extras() + _drafting_symbols())
    names = [g.name for g in glyphs]
    duplicates = {n for n in names if names.count(n) > 1}
    if duplicates:
        raise ValueError("glyph names used twice: %s" % sorted(duplicates))
    codes = [g.code for g in glyphs if g.code is not None]
    if len(codes) != len(set(codes)):
        raise ValueError("a code is drawn twice")
    return glyphs


def character_map(glyphs):
    """Unicode character -> glyph name: each code at its Windows-1252 character, plus the
    standard characters of the drafting symbols."""
    cmap = {}
    for g in glyphs:
        chars = ([ord(cp1252_char(g.code))] if g.code is not None else []) + list(g.unicodes)
        for c in chars:
            if c in cmap:
                raise ValueError("U+%04X mapped twice (%s, %s)" % (c, cmap[c], g.name))
            cmap[c] = g.name
    return cmap
