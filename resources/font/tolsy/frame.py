"""Metrics of the font and of the feature control frame pieces.

A frame is a row of glyphs that each carry the top and bottom rules across their whole advance,
so consecutive pieces meet edge to edge; the box glyphs add the vertical bars.
"""
from .geometry import PEN, rect, shift, tidy, union

UNITS_PER_EM = 1000
ASCENT = 830  # the frame's top edge; with DESCENT the em is exactly one frame high
DESCENT = 170
CAP_HEIGHT = 660
X_HEIGHT = 487

FRAME_BOTTOM = -DESCENT
FRAME_TOP = ASCENT
RULE = PEN  # thickness of the top and bottom rules and of the bars
SIDE_BEARING = 60  # space left and right of a glyph's ink, framed or not

BOX_PADDING = 96  # space between a bar and the compartment's content
LEFT_BOX_ADVANCE = RULE + BOX_PADDING
MIDDLE_BOX_ADVANCE = BOX_PADDING + RULE + BOX_PADDING
RIGHT_BOX_ADVANCE = BOX_PADDING + RULE
FRAME_SPACE_ADVANCE = 330


def rules(advance):
    return union(rect(0, FRAME_BOTTOM, advance, FRAME_BOTTOM + RULE),
                 rect(0, FRAME_TOP - RULE, advance, FRAME_TOP))


def bar(x):
    return rect(x, FRAME_BOTTOM, x + RULE, FRAME_TOP)


def left_box():
    return union(rules(LEFT_BOX_ADVANCE), bar(0)), LEFT_BOX_ADVANCE


def middle_box():
    return union(rules(MIDDLE_BOX_ADVANCE), bar(BOX_PADDING)), MIDDLE_BOX_ADVANCE


def right_box():
    return union(rules(RIGHT_BOX_ADVANCE), bar(BOX_PADDING)), RIGHT_BOX_ADVANCE


def set_in_line(ink):
    """Unframed glyph: the ink moved to the left side bearing; returns (shape, advance)."""
    if ink.is_empty:
        return ink, FRAME_SPACE_ADVANCE
    x0, _, x1, _ = ink.bounds
    return shift(tidy(ink), SIDE_BEARING - x0, 0), (x1 - x0) + 2 * SIDE_BEARING


def set_in_frame(ink):
    """Framed glyph: the ink set as in a line, with both rules across the rounded advance."""
    shape, advance = set_in_line(ink)
    advance = int(round(advance))
    return union(shape, rules(advance)), advance


def frame_space():
    return rules(FRAME_SPACE_ADVANCE), FRAME_SPACE_ADVANCE
