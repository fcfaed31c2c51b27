"""Proof sheets of the built font, as PNG pictures for people to look at: the worked-example
frames, the two palettes as tables (code, glyph, meaning) and a chart of every code."""
import os

from PIL import Image, ImageDraw, ImageFont

from .glyphs import all_glyphs, cp1252_char

LABEL_FONTS = ["/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
               "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"]
INK, PAPER, GREY, RULE = (0, 0, 0), (255, 255, 255), (110, 110, 110), (200, 200, 200)

# The composer's worked examples: what was chosen, and the display line's bytes.
WORKED_EXAMPLES = [
    ("nothing", ""),
    ("Flatness only", "EB E4 ED"),
    ("Flatness, tolerance .002", "EB E4 EC F9 EE EE F0 ED"),
    ("Position, diameter, .005, MMC, datum A, datum B with MMC, datum C",
     "EB FB EC E0 F9 EE EE F3 DE EC C0 EC C1 DE EC C2 ED"),
    ("tolerance typed as 0.1, nothing else", "EB EE F9 EF ED"),
    ("Position with modifier LMC, no tolerance", "EB FB EC DD ED"),
    ("diameter ticked only", "EB E0 ED"),
    ("datum A only", "EB C0 ED"),
    ("Position, datum A, datum C, no datum 2", "EB FB EC C0 ED"),
    ("datum B only (no datum 1)", ""),
    ("Position, datum 1 modifier MMC, no datum letter", "EB FB ED"),
]
README_EXAMPLE = 3

# Palette buttons in reading order, row by row as the pages lay them out.
SYMBOLS_PAGE = (list(range(0xC0, 0xDA)) + [0xA1, 0xB1, 0xB0]
                + [0xFB, 0xE8, 0xE7, 0xE1, 0xE2, 0xE3, 0xE5, 0xE4, 0xE6, 0xFC, 0xB2, 0xB3, 0xFF,
                   0x96, 0xBA]
                + [0xEB, 0xEC, 0xED] + list(range(0xEE, 0xF8)) + [0xF9, 0xFA]
                + [0xE9, 0xEA, 0xB9, 0xB6, 0xE0, 0x95]
                + [0xDF, 0xDE, 0xDD, 0x85, 0x9E, 0x9F])
SYMBOLS2_PAGE = ([0xFE, 0xA4, 0xBF, 0xAC, 0xDB, 0xDA, 0xB4, 0xBB, 0xAB]
                 + [0x82, 0x86, 0x87, 0x88, 0x89, 0x8A, 0x8B, 0x8C, 0x83, 0xA2, 0xFD]
                 + [0x91, 0x92, 0x93, 0x94, 0x84, 0xA8, 0xB8, 0x9C, 0xAE, 0x98, 0x9A, 0xAF])


def text_of(hex_bytes):
    return "".join(cp1252_char(int(b, 16)) for b in hex_bytes.split())


def _label_font(size):
    for path in LABEL_FONTS:
        if os.path.exists(path):
            return ImageFont.truetype(path, size)
    return ImageFont.load_default()


class Sheet:
    def __init__(self, ttf, width, height):
        self.image = Image.new("RGB", (width, height), PAPER)
        self.draw = ImageDraw.Draw(self.image)
        self.ttf = ttf
        self._fonts = {}

    def symbol_font(self, size):
        if size not in self._fonts:
            # The basic layout draws every code's glyph; text shaping would hide some (U+00AD).
            self._fonts[size] = ImageFont.truetype(self.ttf, size,
                                                   layout_engine=ImageFont.Layout.BASIC)
        return self._fonts[size]

    def glyphs(self, xy, text, size):
        self.draw.text(xy, text, font=self.symbol_font(size), fill=INK)

    def label(self, xy, text, size=16, fill=INK):
        self.draw.text(xy, text, font=_label_font(size), fill=fill)

    def save(self, path):
        self.image.save(path, optimize=True)


def frames_sheet(ttf, path):
    row = 130
    sheet = Sheet(ttf, 1280, 70 + row * len(WORKED_EXAMPLES))
    sheet.label((24, 18), "Tolsy: the worked-example frames (display line bytes in hexadecimal), "
                "at 56 px and at the display line's 19 px", 22)
    for i, (choice, hex_bytes) in enumerate(WORKED_EXAMPLES):
        y = 64 + i * row
        sheet.draw.line([(24, y - 6), (1256, y - 6)], fill=RULE)
        sheet.label((24, y), choice, 16)
        sheet.label((24, y + 24), hex_bytes or "(empty)", 14, GREY)
        if hex_bytes:
            sheet.glyphs((24, y + 48), text_of(hex_bytes), 56)
            sheet.glyphs((900, y + 62), text_of(hex_bytes), 19)
        else:
            sheet.label((24, y + 64), "the display line stays empty", 16, GREY)
    sheet.save(path)


def readme_frame(ttf, path):
    text = text_of(WORKED_EXAMPLES[README_EXAMPLE][1])
    font = ImageFont.truetype(ttf, 64, layout_engine=ImageFont.Layout.BASIC)
    x0, y0, x1, y1 = font.getbbox(text)
    image = Image.new("RGB", (x1 - x0 + 32, y1 - y0 + 32), PAPER)
    ImageDraw.Draw(image).text((16 - x0, 16 - y0), text, font=font, fill=INK)
    image.save(path, optimize=True)


def palette_sheet(ttf, path, title, codes, by_code, columns):
    per_column = (len(codes) + columns - 1) // columns
    col_width, row = 520, 58
    sheet = Sheet(ttf, 24 + columns * col_width, 104 + per_column * row)
    sheet.label((24, 18), title, 22)
    sheet.label((24, 46), "code, glyph at 40 px and at the palette's 13 px, meaning "
                "(grey: no meaning in the program; what the font draws)", 14, GREY)
    for i, code in enumerate(codes):
        x = 24 + (i // per_column) * col_width
        y = 80 + (i % per_column) * row
        g = by_code[code]
        sheet.draw.line([(x, y - 4), (x + col_width - 24, y - 4)], fill=RULE)
        sheet.label((x, y + 12), "0x%02X" % code, 16)
        sheet.glyphs((x + 64, y), cp1252_char(code), 40)
        sheet.glyphs((x + 150, y + 14), cp1252_char(code), 13)
        if g.meaning:
            sheet.label((x + 190, y + 12), g.meaning, 16)
        else:
            sheet.label((x + 190, y + 12), g.shape, 14, GREY)
    sheet.save(path)


def code_chart(ttf, path):
    cell = 72
    sheet = Sheet(ttf, 70 + 16 * cell, 60 + 14 * cell)
    sheet.label((24, 14), "Tolsy: every code from 0x20 to 0xFF at 40 px", 22)
    for col in range(16):
        sheet.label((70 + col * cell + 26, 40), "%X" % col, 14, GREY)
    for r, high in enumerate(range(0x2, 0x10)):
        y = 60 + r * cell
        sheet.label((24, y + 26), "%X_" % high, 14, GREY)
        for col in range(16):
            x = 70 + col * cell
            sheet.draw.rectangle([x, y, x + cell, y + cell], outline=RULE)
            code = high * 16 + col
            if code != 0x7F:  # DEL is no character of the font
                sheet.glyphs((x + 10, y + 12), cp1252_char(code), 40)
    sheet.save(path)


def render_all(ttf, folder):
    os.makedirs(folder, exist_ok=True)
    by_code = {g.code: g for g in all_glyphs() if g.code is not None}
    frames_sheet(ttf, os.path.join(folder, "frames.png"))
    readme_frame(ttf, os.path.join(folder, "frame-example.png"))
    palette_sheet(ttf, os.path.join(folder, "palette-symbols.png"),
                  "Tolsy: the \"Symbols\" palette (71 buttons)", SYMBOLS_PAGE, by_code, 3)
    palette_sheet(ttf, os.path.join(folder, "palette-symbols2.png"),
                  "Tolsy: the \"Symbols2\" palette (32 buttons)", SYMBOLS2_PAGE, by_code, 2)
    code_chart(ttf, os.path.join(folder, "code-chart.png"))
