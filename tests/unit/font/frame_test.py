"""Frame glyphs are compartment pieces: the same top and bottom rules across their whole advance,
so that consecutive glyphs meet without gaps or overlaps; checked on the outlines."""
import unittest

import fontcheck as fc


def rule_bands():
    """The bottom and top rules as (y0, y1) pairs, read down the middle of the left box."""
    name = fc.glyph_name(0xEB)
    bands = fc.filled_intervals(fc.transpose(fc.polygons(name)), fc.advance(name) / 2.0)
    return bands[0], bands[-1]


def set_text(codes):
    """Outlines of a run of codes placed side by side by their advances; total advance."""
    placed, x = [], 0
    for code in codes:
        name = fc.glyph_name(code)
        placed += [[(px + x, py) for px, py in poly] for poly in fc.polygons(name)]
        x += fc.advance(name)
    return placed, x


class RuleBands(unittest.TestCase):
    def test_the_left_box_has_two_rules_of_one_thickness_spanning_the_em(self):
        (b0, b1), (t0, t1) = rule_bands()
        self.assertAlmostEqual(b1 - b0, t1 - t0)
        self.assertLess(b1, t0)
        head = fc.font()["hhea"]
        self.assertEqual((b0, t1), (head.descent, head.ascent))

    def test_every_frame_glyph_has_exactly_these_rules_across_its_advance(self):
        bottom, top = rule_bands()
        for code in fc.FRAME_CODES:
            name = fc.glyph_name(code)
            adv = fc.advance(name)
            columns = [0.5, adv * 0.25, adv * 0.5, adv * 0.75, adv - 0.5]
            for x in columns:
                with self.subTest(code=hex(code), x=x):
                    bands = fc.filled_intervals(fc.transpose(fc.polygons(name)), x)
                    self.assertTrue(bands, "no ink at x=%s" % x)
                    self.assertAlmostEqual(bands[0][0], bottom[0])
                    self.assertAlmostEqual(bands[-1][1], top[1])
                    # A bar may join the rules into one run; otherwise the rules stand alone.
                    if len(bands) > 1:
                        self.assertAlmostEqual(bands[0][1], bottom[1])
                        self.assertAlmostEqual(bands[-1][0], top[0])

    def test_frame_glyphs_meet_their_neighbours_exactly(self):
        bottom, top = rule_bands()
        for code in fc.FRAME_CODES:
            name = fc.glyph_name(code)
            adv = fc.advance(name)
            polys = fc.polygons(name)
            with self.subTest(code=hex(code)):
                x0, y0, x1, y1 = fc.ink_bounds(polys)
                self.assertGreaterEqual(x0, 0)
                self.assertLessEqual(x1, adv)
                self.assertEqual((y0, y1), (bottom[0], top[1]))
                for band in (bottom, top):
                    y = (band[0] + band[1]) / 2.0
                    self.assertEqual(fc.filled_intervals(polys, y), [(0, adv)])


class BoxGlyphs(unittest.TestCase):
    def _bars(self, code):
        bottom, top = rule_bands()
        name = fc.glyph_name(code)
        return fc.filled_intervals(fc.polygons(name), (bottom[1] + top[0]) / 2.0), fc.advance(name)

    def test_left_box_bar_starts_the_glyph(self):
        bars, _ = self._bars(0xEB)
        self.assertEqual(len(bars), 1)
        self.assertEqual(bars[0][0], 0)

    def test_right_box_bar_ends_the_glyph(self):
        bars, adv = self._bars(0xED)
        self.assertEqual(len(bars), 1)
        self.assertEqual(bars[0][1], adv)

    def test_middle_box_bar_stands_clear_of_both_neighbours(self):
        bars, adv = self._bars(0xEC)
        self.assertEqual(len(bars), 1)
        self.assertGreater(bars[0][0], 0)
        self.assertLess(bars[0][1], adv)

    def test_bars_have_the_thickness_of_the_rules(self):
        bottom, _ = rule_bands()
        for code in (0xEB, 0xEC, 0xED):
            bars, _ = self._bars(code)
            with self.subTest(code=hex(code)):
                self.assertAlmostEqual(bars[0][1] - bars[0][0], bottom[1] - bottom[0])


class WorkedFrame(unittest.TestCase):
    def test_the_position_frame_is_one_closed_box(self):
        placed, width = set_text(fc.WORKED_FRAME)
        for band in rule_bands():
            y = (band[0] + band[1]) / 2.0
            self.assertEqual(fc.filled_intervals(placed, y), [(0, width)])

    def test_the_position_frame_has_five_compartments(self):
        placed, width = set_text(fc.WORKED_FRAME)
        bottom, top = rule_bands()
        # Just under the top rule only the bars reach: the two ends and four dividers.
        y = top[0] - 8
        bars = fc.filled_intervals(placed, y)
        self.assertEqual(len(bars), 6)
        self.assertEqual(bars[0][0], 0)
        self.assertEqual(bars[-1][1], width)
        for x0, x1 in bars:
            self.assertAlmostEqual(x1 - x0, bottom[1] - bottom[0])


class OrdinaryCharacters(unittest.TestCase):
    def test_ascii_characters_are_not_framed(self):
        for code in range(0x21, 0x7F):
            name = fc.glyph_name(code)
            polys = fc.polygons(name)
            for band in rule_bands():
                y = (band[0] + band[1]) / 2.0
                with self.subTest(code=hex(code), y=y):
                    self.assertNotEqual(fc.filled_intervals(polys, y), [(0, fc.advance(name))])

    def test_ascii_digits_and_frame_digits_show_the_same_figure(self):
        bottom, top = rule_bands()
        for digit in range(10):
            plain = fc.polygons(fc.glyph_name(0x30 + digit))
            framed = fc.polygons(fc.glyph_name(0xEE + digit))
            with self.subTest(digit=digit):
                for y in range(int(bottom[1]) + 5, int(top[0]) - 5, 31):
                    self.assertEqual(fc.filled_intervals(plain, y + 0.5),
                                     fc.filled_intervals(framed, y + 0.5))


if __name__ == "__main__":
    unittest.main()
