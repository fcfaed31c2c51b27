"""The proof sheets are rendered at build time and show what they should."""
import os
import unittest

import fontcheck as fc

SHEETS = ["frames", "frame-example", "palette-symbols", "palette-symbols2", "code-chart"]


def sheet(name):
    if not fc.PROOF_DIR:
        raise unittest.SkipTest("TOLSY_FONT_PROOF_DIR not set")
    from PIL import Image
    return Image.open(os.path.join(fc.PROOF_DIR, name + ".png")).convert("L")


class ProofSheets(unittest.TestCase):
    def test_every_sheet_is_a_picture_with_ink(self):
        for name in SHEETS:
            with self.subTest(sheet=name):
                image = sheet(name)
                darkest, lightest = image.getextrema()
                self.assertLess(darkest, 64)
                self.assertEqual(lightest, 255)

    def test_the_readme_frame_is_closed_at_top_and_bottom(self):
        image = sheet("frame-example")
        width, height = image.size
        pixels = image.load()
        dark = [[pixels[x, y] < 128 for x in range(width)] for y in range(height)]
        columns = [x for x in range(width) if any(row[x] for row in dark)]
        left, right = min(columns), max(columns)
        full_rows = [y for y in range(height) if all(dark[y][left:right + 1])]
        self.assertTrue(full_rows, "no unbroken rule across the frame")
        # One rule at the top and one at the bottom, far apart.
        self.assertLess(min(full_rows), height / 3)
        self.assertGreater(max(full_rows), height * 2 / 3)


if __name__ == "__main__":
    unittest.main()
