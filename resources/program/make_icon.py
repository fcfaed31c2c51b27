"""Builds the program's icon (one 32 x 32 image in 16 colours) from its text picture."""
import struct
import sys

# The 16 standard colours in the order of the classic 4-bit palette (R, G, B).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
LETTERS = {"K": 0, "N": 4, "S": 7, "G": 8, "R": 9, "B": 12, "W": 15, ".": None}
SIZE = 32


def read_picture(path):
    rows = [line.rstrip("\n") for line in open(path, encoding="ascii") if not line.startswith("#")]
    if len(rows) != SIZE or any(len(r) != SIZE for r in rows):
        raise SystemExit(f"{path}: the picture must be {SIZE} rows of {SIZE} characters")
    return [[LETTERS[c] for c in row] for row in rows]


def icon_bytes(picture):
    xor_rows, and_rows = [], []
    for row in reversed(picture):  # bitmaps are stored bottom-up
        nibbles = [0 if p is None else p for p in row]
        xor_rows.append(bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, SIZE, 2)))
        mask = 0
        for p in row:
            mask = (mask << 1) | (1 if p is None else 0)
        and_rows.append(mask.to_bytes(SIZE // 8, "big"))
    pixels = b"".join(xor_rows) + b"".join(and_rows)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, len(pixels), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    image = header + palette + pixels
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    if len(sys.argv) != 3:
        raise SystemExit("usage: make_icon.py PICTURE.txt OUT.ico")
    with open(sys.argv[2], "wb") as out:
        out.write(icon_bytes(read_picture(sys.argv[1])))
