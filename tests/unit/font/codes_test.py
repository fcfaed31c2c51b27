"""Every code the program uses reaches a glyph with ink, through the character Windows-1252
gives it, and the standard drafting characters show the same symbols."""
import unittest

import fontcheck as fc

ALL_UPPER_CODES = range(0x80, 0x100)
ASCII_CODES = range(0x20, 0x7F)


class CodeTablesOfTheTests(unittest.TestCase):
    def test_the_palettes_carry_103_codes_and_the_rest_is_listed(self):
        self.assertEqual(len(fc.PALETTE_CODES), 103)
        self.assertEqual(sorted(fc.PALETTE_CODES | set(fc.NOT_ON_A_PALETTE)),
                         list(ALL_UPPER_CODES))


class CharacterMap(unittest.TestCase):
    def test_every_8_bit_code_is_mapped_at_its_windows_1252_character(self):
        cmap = fc.font().getBestCmap()
        for code in list(ASCII_CODES) + list(ALL_UPPER_CODES):
            with self.subTest(code=hex(code)):
                self.assertIn(fc.windows_1252(code), cmap)

    def test_the_characters_of_0x80_to_0x9f_are_the_windows_1252_ones(self):
        # Codes with a label in the program's tables, label character as the program stores it.
        labels = {0x82: 0x201A, 0x83: 0x0192, 0x84: 0x201E, 0x85: 0x2026, 0x86: 0x2020,
                  0x87: 0x2021, 0x88: 0x02C6, 0x89: 0x2030, 0x8A: 0x0160, 0x8B: 0x2039,
                  0x8C: 0x0152, 0x91: 0x2018, 0x92: 0x2019, 0x93: 0x201C, 0x94: 0x201D,
                  0x95: 0x2022, 0x96: 0x2013, 0x98: 0x02DC, 0x9A: 0x0161, 0x9C: 0x0153,
                  0x9E: 0x017E, 0x9F: 0x0178}
        cmap = fc.font().getBestCmap()
        for code, char in labels.items():
            with self.subTest(code=hex(code)):
                self.assertEqual(cmap.get(char), fc.glyph_name(code))

    def test_windows_unicode_subtable_and_no_symbol_subtable(self):
        subtables = {(t.platformID, t.platEncID) for t in fc.font()["cmap"].tables}
        self.assertIn((3, 1), subtables)
        self.assertNotIn((3, 0), subtables)


class Ink(unittest.TestCase):
    def test_every_code_but_the_space_has_ink(self):
        em = fc.font()["head"].unitsPerEm
        for code in list(ASCII_CODES)[1:] + list(ALL_UPPER_CODES):
            with self.subTest(code=hex(code)):
                area = fc.ink_area(fc.polygons(fc.glyph_name(code)), step=4.0)
                # More than a speck: a full stop is about 0.5% of the em square.
                self.assertGreater(area, 0.003 * em * em)

    def test_the_space_is_blank_and_has_width(self):
        name = fc.glyph_name(0x20)
        self.assertEqual(fc.polygons(name), [])
        self.assertGreater(fc.advance(name), 0)

    def test_codes_draw_distinct_glyphs(self):
        seen = {}
        for code in list(ASCII_CODES) + list(ALL_UPPER_CODES):
            name = fc.glyph_name(code)
            key = (fc.advance(name), tuple(tuple(map(tuple, p)) for p in fc.polygons(name)))
            with self.subTest(code=hex(code)):
                self.assertNotIn(key, seen, "same drawing as code %s" % hex(seen.get(key, 0)))
            seen[key] = code

    def test_no_code_draws_the_missing_glyph_box(self):
        notdef = fc.polygons(".notdef")
        for code in ALL_UPPER_CODES:
            with self.subTest(code=hex(code)):
                self.assertNotEqual(fc.glyph_name(code), ".notdef")
                self.assertNotEqual(fc.polygons(fc.glyph_name(code)), notdef)


class PaletteButtons(unittest.TestCase):
    BUTTON_WIDTH = 23  # pixels; the profile-surface button is 25
    LABEL_HEIGHT = 13  # pixels per em; the "A" button uses 15, "Micro Inches" 21

    def test_every_palette_label_fits_its_button(self):
        em = fc.font()["head"].unitsPerEm
        space = fc.advance(fc.glyph_name(0x20))
        for code in fc.PALETTE_CODES:
            width = self.BUTTON_WIDTH + (2 if code == 0xE6 else 0)
            height = {0xC0: 15, 0x82: 21}.get(code, self.LABEL_HEIGHT)
            label = fc.advance(fc.glyph_name(code)) + (2 * space if code == 0xA4 else 0)
            with self.subTest(code=hex(code)):
                self.assertLessEqual(label * height / em, width - 2)


class StandardDraftingCharacters(unittest.TestCase):
    def _content_rows(self, polys, bottom_rule_top, top_rule_bottom):
        """Scan lines through a glyph's content, between the rules of a frame."""
        ys = range(int(bottom_rule_top) + 7, int(top_rule_bottom) - 7, 23)
        return [[(round(a), round(b)) for a, b in fc.filled_intervals(polys, y + 0.5)] for y in ys]

    def test_each_standard_character_shows_the_symbol_of_its_code(self):
        left = fc.polygons(fc.glyph_name(0xEB))
        x_mid = fc.advance(fc.glyph_name(0xEB)) / 2.0
        bands = fc.filled_intervals(fc.transpose(left), x_mid)
        bottom_rule_top, top_rule_bottom = bands[0][1], bands[-1][0]
        cmap = fc.font().getBestCmap()
        for char, code in fc.GDT_UNICODE.items():
            with self.subTest(char="U+%04X" % char):
                self.assertIn(char, cmap)
                standard = fc.polygons(cmap[char])
                ours = fc.polygons(fc.glyph_name(code))
                # Framed or not, the symbol between the rules is the same drawing.
                self.assertEqual(self._content_rows(standard, bottom_rule_top, top_rule_bottom),
                                 self._content_rows(ours, bottom_rule_top, top_rule_bottom))

    def test_standard_characters_are_not_framed(self):
        cmap = fc.font().getBestCmap()
        _, bottom, _, top = fc.ink_bounds(fc.polygons(fc.glyph_name(0xEB)))
        for char in fc.GDT_UNICODE:
            with self.subTest(char="U+%04X" % char):
                polys = fc.polygons(cmap[char])
                _, y0, _, y1 = fc.ink_bounds(polys)
                self.assertFalse(y0 <= bottom + 1 and y1 >= top - 1,
                                 "reaches both frame edges like a frame piece")


if __name__ == "__main__":
    unittest.main()
