"""Drafting symbols drawn after ASME Y14.5 / ISO 1101, ISO 1302, ISO 2553 and ISO 128 practice.

Each function returns the symbol's ink in font units, standing on the baseline and no taller
than the capital height (660), so a symbol sits inside a frame compartment like a digit.
"""
import math

from .geometry import (PEN, arc, arrow_head, disc, flat_stroke, outline, polygon, ring, scale,
                       shift, stroke, union)
from .lettering import char_shape, letters_shape

H = 660  # height of the symbol box: the capital height
MID = H / 2.0
R = PEN / 2.0  # half the pen: centre lines stay this far inside the box


# Geometric characteristics --------------------------------------------------------------------

def straightness():
    return stroke([(R, MID), (600, MID)])


def flatness():
    return outline([(R, 200), (470, 200), (628, 460), (190, 460)])


def roundness():
    return ring(MID, MID, MID - R)


def cylindricity():
    """A circle between two parallel lines at 60 degrees that just touch it."""
    radius = 150
    angle = math.radians(60)
    d = (math.cos(angle), math.sin(angle))
    n = (math.sin(angle), -math.cos(angle))
    offset = radius + PEN
    half = (H / 2 - R - offset * abs(n[1])) / d[1]
    lines = []
    for side in (1, -1):
        cx, cy = MID + side * offset * n[0], MID + side * offset * n[1]
        lines.append(stroke([(cx - d[0] * half, cy - d[1] * half), (cx + d[0] * half, cy + d[1] * half)]))
    return union(ring(MID, MID, radius), lines)


def profile_of_line():
    radius = 300
    return stroke(arc(MID, 175, radius, radius, 0, 180, 2.0))


def profile_of_surface():
    radius = 300
    return union(outline(arc(MID, 175, radius, radius, 0, 180, 2.0)))


def parallelism():
    return union(stroke([(R, R), (250, H - R)]), stroke([(250, R), (468, H - R)]))


def perpendicularity():
    return union(stroke([(R, R), (H - R, R)]), stroke([(MID, R), (MID, H - R)]))


def angularity():
    """The 30 degree angle of the standards, both legs of one length."""
    leg = 600
    a = math.radians(30)
    return stroke([(R + leg * math.cos(a), R + leg * math.sin(a)), (R, R), (R + leg, R)])


def position():
    return union(ring(MID, MID, 205), stroke([(R, MID), (H - R, MID)]),
                 stroke([(MID, R), (MID, H - R)]))


def concentricity():
    return union(ring(MID, MID, MID - R), ring(MID, MID, 150))


def symmetry():
    return union(stroke([(R, MID), (H - R, MID)]), stroke([(150, 150), (H - 150, 150)]),
                 stroke([(150, H - 150), (H - 150, H - 150)]))


def _arrow(tail, tip, head=200, half_width=70):
    d = math.hypot(tip[0] - tail[0], tip[1] - tail[1])
    ux, uy = (tip[0] - tail[0]) / d, (tip[1] - tail[1]) / d
    shaft_end = (tip[0] - ux * head * 0.8, tip[1] - uy * head * 0.8)
    return union(stroke([tail, shaft_end]), arrow_head(tip, tail, head, half_width))


def circular_runout():
    return _arrow((R + 40, R), (H - 70, H - 20))


def total_runout():
    rise = H - 20 - R
    first = _arrow((R, R), (R + rise, R + rise))
    second = shift(first, 250, 0)
    return union(first, second, stroke([(R, R), (R + 250, R)]))


# Material condition and other modifiers: a letter in a circle --------------------------------

def circled(text, letter_pen=56):
    radius = MID - R
    letters = letters_shape(text, cap_height=330 if len(text) == 1 else 250, pen=letter_pen,
                            spacing=letter_pen * 1.2)
    x0, y0, x1, y1 = letters.bounds
    letters = shift(letters, MID - (x0 + x1) / 2, MID - (y0 + y1) / 2)
    return union(ring(MID, MID, radius), letters)


# Size and dimensioning symbols ----------------------------------------------------------------

def diameter():
    radius = 215
    angle = math.radians(60)
    half = 325
    dx, dy = math.cos(angle) * half, math.sin(angle) * half
    return union(ring(MID, MID, radius), stroke([(MID - dx, MID - dy), (MID + dx, MID + dy)]))


def degrees():
    return ring(130, H - 130, 98)


def plus_minus():
    return union(stroke([(R, 420), (528, 420)]), stroke([(280, 172), (280, H - R)]),
                 stroke([(R, 40), (528, 40)]))


def minus():
    return stroke([(R, MID), (420, MID)])


def decimal_point():
    return disc(45, 45, 45)


def decimal_comma():
    return union(disc(60, 45, 45), stroke([(88, 52), (38, -120)], 56))


def slash():
    return stroke([(R, R), (330, H - R)])


def places():
    return union(stroke([(R, 90), (R + 330, 420)]), stroke([(R, 420), (R + 330, 90)]))


def countersink():
    return stroke([(R, 480), (MID, 480 - (MID - R)), (H - R, 480)])


def counterbore():
    return stroke([(R, 540), (R, 130), (H - R, 130), (H - R, 540)])


def spotface():
    return union(counterbore(), shift(_centred_text("SF", 250, 52), 0, -40))


def depth():
    return union(stroke([(150, H - R), (510, H - R)]), _arrow((MID, H - R), (MID, 20), 220, 85))


def conical_taper():
    return union(outline([(130, 150), (130, 510), (560, MID)]), flat_stroke([(0, MID), (H, MID)]))


def slope():
    return outline([(R, 460), (H - R, 160), (R, 160)])


def square():
    return outline([(90, 80), (570, 80), (570, 560), (90, 560)])


def dimension_origin():
    return union(ring(110, MID, 78), stroke([(188 + R, MID), (520, MID)]),
                 arrow_head((H - 10, MID), (0, MID), 200, 72))


def between():
    return union(stroke([(150, MID), (H + 60 - 150, MID)]), arrow_head((0, MID), (H, MID), 200, 72),
                 arrow_head((H + 60, MID), (0, MID), 200, 72))


def arc_length():
    radius = 520
    return stroke(arc(MID, -60, radius, radius, 50, 130, 2.0))


def _leader_with_circles(*radii):
    """A leader bending at (300, 360) with circles at the bend; the lines stop at the circle."""
    centre = (300, 360)
    leader = stroke([(R, R), centre, (H - R, 360)]).difference(disc(*centre, max(radii)))
    return union(leader, [ring(*centre, r) for r in radii])


def all_around():
    return _leader_with_circles(105)


def all_over():
    return _leader_with_circles(105, 195)


def datum_target():
    radius = MID - R
    return union(ring(MID, MID, radius), flat_stroke([(R + 10, MID), (H - R - 10, MID)]))


def datum_target_area():
    radius = MID - R
    inner = disc(MID, MID, radius - R)
    hatch = union([flat_stroke([(x, -20), (x + H, H + 20)], 44) for x in range(-H, H, 150)])
    return union(ring(MID, MID, radius), hatch.intersection(inner))


def datum_target_point():
    return union(stroke([(90, 90), (570, 570)]), stroke([(90, 570), (570, 90)]))


def datum_feature():
    frame = outline([(170, 380), (490, 380), (490, H - R), (170, H - R)])
    triangle = polygon([(MID, 190), (150, 0), (510, 0)])
    return union(frame, stroke([(MID, 380), (MID, 190)]), triangle)


def statistical():
    text = _centred_text("ST", 300, 58)
    return union(outline([(R, MID), (180, H - R), (660, H - R), (808, MID), (660, R), (180, R)]),
                 shift(text, (808 + R) / 2 - MID, 0))


def centre_line():
    c = stroke(arc(MID, MID, 285, MID - R, 42, 318, 3.0))
    return union(c, stroke([(MID - 20, H - R), (MID - 20, R), (H + 40, R)]))


def symmetrical_marks():
    """ISO 128: a chain centre line with two short parallel strokes across each end."""
    chain = union(stroke([(MID, R), (MID, 250)], 44), stroke([(MID, 300), (MID, 360)], 44),
                  stroke([(MID, 410), (MID, H - R)], 44))
    marks = [stroke([(190, y), (H - 190, y)]) for y in (75, 170, H - 170, H - 75)]
    return union(chain, marks)


def marking_flag():
    return union(stroke([(110, R), (110, H - R)]), outline([(110, H - R), (560, 520), (110, 380)]))


def centre_mark():
    arms = [((R, MID), (190, MID)), ((260, MID), (400, MID)), ((470, MID), (H - R, MID)),
            ((MID, R), (MID, 190)), ((MID, 260), (MID, 400)), ((MID, 470), (MID, H - R))]
    return union([stroke(list(a)) for a in arms])


def leader_dot():
    return union(disc(90, 90, 78), stroke([(90, 90), (400, 480), (H - R, 480)]))


def dynamic_profile():
    return outline([(100, 90), (560, 90), (MID, 560)])


def translation():
    return outline([(120, 90), (120, 570), (560, MID)])


def projection_symbol(first_angle):
    """The cone frustum and its end view; third angle puts the end view on the left."""
    cone = outline([(0, 230), (0, 430), (380, 520), (380, 140)])
    end_view = union(ring(0, MID, 190), ring(0, MID, 100))
    if first_angle:
        parts = [shift(cone, R, 0), shift(end_view, R + 380 + 130 + 190, 0)]
    else:
        parts = [shift(end_view, R + 190, 0), shift(cone, R + 380 + 130, 0)]
    return union(parts)


# Surface texture (ISO 1302 / ASME Y14.36) ----------------------------------------------------

def _texture_legs(scale_to=1.0):
    vertex = (200.0, R)
    short_top = (vertex[0] - (MID - R) / math.tan(math.radians(60)), MID)
    long_top = (vertex[0] + (H - 2 * R) / math.tan(math.radians(60)), H - R)
    points = [short_top, vertex, long_top]
    return [(x * scale_to, y * scale_to) for x, y in points]


def texture_basic():
    return stroke(_texture_legs())


def texture_removal():
    short_top, vertex, long_top = _texture_legs()
    bar_end = (vertex[0] + (MID - R) / math.tan(math.radians(60)), MID)
    return union(stroke([short_top, vertex, long_top]), stroke([short_top, bar_end]))


def texture_no_removal():
    vertex = _texture_legs()[1]
    return union(texture_basic(), ring(vertex[0], vertex[1] + 200, 96))


def texture_with_extension():
    short_top, vertex, long_top = _texture_legs()
    return stroke([short_top, vertex, long_top, (long_top[0] + 200, long_top[1])])


def stock_removal():
    """Material removal required, with the allowance line in front where its amount is written."""
    short_top = _texture_legs()[0]
    return union(texture_removal(), stroke([(short_top[0] - 260, short_top[1]), short_top], 44))


def texture_lay(lay):
    """A texture symbol with its lay sign beside the foot of the long leg."""
    symbol = scale(texture_basic(), 0.8)
    sign = _lay_sign(lay)
    return union(symbol, shift(sign, symbol.bounds[2] + 50, 0))


def _lay_sign(lay):
    size = 400
    if lay == "=":
        return union(stroke([(R, 110), (size - R, 110)]), stroke([(R, 300), (size - R, 300)]))
    if lay == "T":
        return union(stroke([(R, R), (size - R, R)]), stroke([(size / 2, R), (size / 2, size)]))
    return letters_shape(lay, cap_height=size)


# Welding symbols (ISO 2553 / AWS A2.4) -------------------------------------------------------

def fillet_weld():
    return union(stroke([(R, 450), (H - R, 450)]), outline([(230, 450), (230, 150), (530, 450)]))


def v_groove_weld():
    return union(stroke([(R, 150), (H - R, 150)]), stroke([(130, 470), (MID, 150), (530, 470)]))


def square_groove_weld():
    return union(stroke([(R, 150), (H - R, 150)]), stroke([(250, 150), (250, 480)]),
                 stroke([(410, 150), (410, 480)]))


def seam_weld():
    return union(ring(MID, MID, 170), stroke([(R, MID + 60), (H - R, MID + 60)]),
                 stroke([(R, MID - 60), (H - R, MID - 60)]))


# Text-like symbols -------------------------------------------------------------------------

def _centred_text(text, cap_height, pen):
    shape = letters_shape(text, cap_height=cap_height, pen=pen, spacing=pen * 1.3)
    x0, y0, x1, y1 = shape.bounds
    return shift(shape, MID - (x0 + x1) / 2, MID - (y0 + y1) / 2)


def sphere_diameter():
    s = char_shape("S")
    return union(s, shift(diameter(), s.bounds[2] + 70, 0))


def fraction(numerator, denominator):
    """A stacked inch fraction: numerator over a bar over denominator."""
    top = _centred_text(numerator, 280, 50)
    bottom = _centred_text(denominator, 280, 50)
    return union(shift(top, 0, 190), stroke([(170, MID), (H - 170, MID)], 50), shift(bottom, 0, -190))


def letters(text):
    return letters_shape(text)


def unit(text):
    """A unit such as µin: smaller and closer set than text, to fit a palette button."""
    return letters_shape(text, cap_height=540, pen=60, spacing=66)
