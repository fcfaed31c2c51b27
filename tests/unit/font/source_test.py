"""The glyph source: its code table agrees with the program's texts, the build refuses faulty
glyphs instead of writing a font that clips or draws them twice, and it is reproducible."""
import filecmp
import os
import sys
import tempfile
import unittest

import fontcheck as fc

if fc.SOURCE_DIR:
    sys.path.insert(0, fc.SOURCE_DIR)


def source():
    if not fc.SOURCE_DIR:
        raise unittest.SkipTest("TOLSY_FONT_SOURCE not set")
    from tolsy import font, geometry, glyphs
    return font, geometry, glyphs


class CodeTable(unittest.TestCase):
    def test_meanings_are_the_programs_texts(self):
        _, _, glyphs = source()
        table = {g.code: g for g in glyphs.all_glyphs() if g.code is not None}
        for code in range(0x80, 0x100):
            with self.subTest(code=hex(code)):
                self.assertIn(code, table)
                self.assertEqual(table[code].meaning, fc.MEANINGS.get(code))

    def test_every_glyph_says_what_it_shows(self):
        _, _, glyphs = source()
        for g in glyphs.all_glyphs():
            with self.subTest(glyph=g.name):
                self.assertTrue(g.shape.strip())

    def test_a_character_claimed_twice_is_refused(self):
        _, _, glyphs = source()
        table = glyphs.all_glyphs()
        clash = glyphs.Glyph("clash", glyphs.LINE, None, "clash", unicodes=(0x2316,))
        with self.assertRaisesRegex(ValueError, "U\\+2316"):
            glyphs.character_map(table + [clash])

    def test_undefined_windows_1252_codes_keep_their_value(self):
        _, _, glyphs = source()
        for code in (0x81, 0x8D, 0x8F, 0x90, 0x9D):
            self.assertEqual(glyphs.cp1252_char(code), chr(code))
        self.assertEqual(glyphs.cp1252_char(0x80), "\u20ac")


class BuildChecks(unittest.TestCase):
    def test_glyph_above_the_ascent_is_refused(self):
        font, geometry, _ = source()
        tall = geometry.rect(0, 0, 100, 900)
        with self.assertRaisesRegex(font.FontBuildError, "glyph tall reaches"):
            font.check_extents("tall", tall, 200)

    def test_glyph_wider_than_its_advance_is_refused(self):
        font, geometry, _ = source()
        wide = geometry.rect(0, 0, 300, 100)
        with self.assertRaisesRegex(font.FontBuildError, "outside its advance 250"):
            font.check_extents("wide", wide, 250)

    def test_rings_become_clockwise_outlines_with_counter_clockwise_holes(self):
        _, geometry, _ = source()
        contours = geometry.contours(geometry.ring(300, 300, 200))
        self.assertEqual(len(contours), 2)

        def signed_area(points):
            return sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1)
                       in zip(points, points[1:] + points[:1])) / 2.0

        outer, hole = sorted(contours, key=lambda c: -abs(signed_area(c)))
        self.assertLess(signed_area(outer), 0)
        self.assertGreater(signed_area(hole), 0)

    def test_the_same_source_builds_the_same_file(self):
        font, _, _ = source()
        work = os.path.dirname(fc.FONT_PATH) if fc.FONT_PATH else None
        with tempfile.TemporaryDirectory(dir=work) as folder:
            first, second = os.path.join(folder, "a.ttf"), os.path.join(folder, "b.ttf")
            font.build(first)
            font.build(second)
            self.assertTrue(filecmp.cmp(first, second, shallow=False))
            if fc.FONT_PATH and os.path.exists(fc.FONT_PATH):
                self.assertTrue(filecmp.cmp(first, fc.FONT_PATH, shallow=False))


if __name__ == "__main__":
    unittest.main()
