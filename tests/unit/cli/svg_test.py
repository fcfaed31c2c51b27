"""framewright's SVG: well-formed XML, one path per byte of the frame, the glyphs one after the
other at the font's own advances, and the asked height.

Run by ctest as: svg_test.py FRAMEWRIGHT (the font is the one beside the program)."""
import pathlib
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

from fontTools.ttLib import TTFont

SVG = "{http://www.w3.org/2000/svg}"
PROGRAM = None

CHOICES = [
    ["--symbol", "flatness"],
    ["--symbol", "position", "--diameter", "--tolerance", ".005", "--modifier", "mmc",
     "--datum", "A", "--datum", "B:mmc", "--datum", "C"],
    ["--tolerance", "0.1 - 2/3", "--datum", "Z:free-state"],
]


class SvgTest(unittest.TestCase):
    def test_one_path_per_glyph_at_the_fonts_advances(self):
        font = TTFont(pathlib.Path(PROGRAM).parent / "Tolsy.ttf")
        cmap, hmtx = font.getBestCmap(), font["hmtx"]
        with tempfile.TemporaryDirectory() as tmp:
            for height, choices in zip([48, 20, 300], CHOICES):
                with self.subTest(choices=choices):
                    hex_text = subprocess.run([PROGRAM, "compose", *choices], check=True,
                                              capture_output=True, text=True).stdout
                    frame = bytes.fromhex(hex_text)
                    out = pathlib.Path(tmp) / "frame.svg"
                    subprocess.run([PROGRAM, "compose", *choices, "--as", "svg", str(out),
                                    "--height", str(height)], check=True)
                    root = ET.parse(out).getroot()
                    self.assertEqual(root.tag, SVG + "svg")
                    self.assertEqual(len(root.findall(f".//{SVG}path")), len(frame))
                    advances = sum(hmtx[cmap[ord(bytes([b]).decode("cp1252"))]][0]
                                   for b in frame)
                    self.assertEqual(root.get("viewBox").split()[2], str(advances))
                    self.assertEqual(root.get("height"), str(height))


if __name__ == "__main__":
    PROGRAM = sys.argv.pop(1)
    unittest.main()
