"""The font presents itself as "Tolsy" Regular, for the Latin 1 code page, under an open licence,
with vertical metrics that clip no glyph."""
import os
import unittest

import fontcheck as fc

WINDOWS_ENGLISH = (3, 1, 0x409)


def name(name_id, platform=WINDOWS_ENGLISH):
    record = fc.font()["name"].getName(name_id, *platform)
    return None if record is None else record.toUnicode()


class Names(unittest.TestCase):
    def test_family_and_style(self):
        self.assertEqual(name(1), "Tolsy")
        self.assertEqual(name(2), "Regular")
        self.assertEqual(name(1, (1, 0, 0)), "Tolsy")

    def test_full_and_postscript_names_start_with_the_family(self):
        self.assertTrue(name(4).startswith("Tolsy"))
        self.assertEqual(name(6), "Tolsy-Regular")

    def test_licence_is_the_open_font_licence(self):
        self.assertIn("Open Font License", name(13))
        self.assertTrue(name(14))
        self.assertTrue(name(0).startswith("Copyright"))

    def test_licence_text_ships_with_the_source(self):
        if not fc.SOURCE_DIR:
            self.skipTest("TOLSY_FONT_SOURCE not set")
        with open(os.path.join(fc.SOURCE_DIR, "OFL.txt"), encoding="utf-8") as f:
            text = f.read()
        self.assertIn("SIL OPEN FONT LICENSE Version 1.1", text)
        self.assertIn("PERMISSION & CONDITIONS", text)


class Classification(unittest.TestCase):
    def test_latin_1_code_page_and_not_a_symbol_font(self):
        os2 = fc.font()["OS/2"]
        self.assertTrue(os2.ulCodePageRange1 & (1 << 0))
        self.assertFalse(os2.ulCodePageRange1 & (1 << 31))

    def test_regular_style(self):
        os2 = fc.font()["OS/2"]
        self.assertEqual(os2.usWeightClass, 400)
        self.assertTrue(os2.fsSelection & 0x40)
        self.assertFalse(os2.fsSelection & 0x21)  # neither italic nor bold
        self.assertEqual(fc.font()["head"].macStyle, 0)

    def test_embedding_is_allowed(self):
        # Documents with pasted frames embed the font; the licence allows it.
        self.assertEqual(fc.font()["OS/2"].fsType, 0)


class VerticalMetrics(unittest.TestCase):
    def test_no_glyph_reaches_outside_the_windows_ascent_and_descent(self):
        f = fc.font()
        os2 = f["OS/2"]
        for glyph_name in f.getGlyphOrder():
            polys = fc.polygons(glyph_name)
            if not polys:
                continue
            _, y0, _, y1 = fc.ink_bounds(polys)
            with self.subTest(glyph=glyph_name):
                self.assertLessEqual(y1, os2.usWinAscent)
                self.assertGreaterEqual(y0, -os2.usWinDescent)

    def test_the_three_metric_sets_agree(self):
        f = fc.font()
        os2, hhea = f["OS/2"], f["hhea"]
        self.assertEqual((hhea.ascent, hhea.descent),
                         (os2.sTypoAscender, os2.sTypoDescender))
        self.assertEqual((os2.usWinAscent, os2.usWinDescent), (hhea.ascent, -hhea.descent))

    def test_advances_do_not_cut_glyphs(self):
        f = fc.font()
        for glyph_name in f.getGlyphOrder():
            polys = fc.polygons(glyph_name)
            if not polys:
                continue
            x0, _, x1, _ = fc.ink_bounds(polys)
            with self.subTest(glyph=glyph_name):
                self.assertGreaterEqual(x0, 0)
                self.assertLessEqual(x1, f["hmtx"][glyph_name][0])


if __name__ == "__main__":
    unittest.main()
