#!/usr/bin/env python3
"""Writes small seed inputs for fuzz_skin_reader and fuzz_skin_container.

usage: fuzz/skin_seeds.py build/fuzz/corpus
Seeds are built from the stored skin format's description: a standard body with a text-form
object, a maximum body with a flagged image (negative height), a binary object with a binary
child, all three tables, a bitmap-file image, and containers of kinds 0 to 3.
"""
import os
import struct
import sys
import zlib


def lstr(s):
    b = s.encode("latin-1") if isinstance(s, str) else s
    return struct.pack("<i", len(b)) + b


def sstr(s):
    b = s.encode()
    return bytes([len(b)]) + b


def header():
    return b"".join(lstr(x) for x in ["Seed", "1.0", "Me", "", ""])


def image(name, w, h, pixels):
    return lstr(name) + struct.pack("<ii", w, h) + b"".join(struct.pack("<I", p) for p in pixels)


def tables():
    t = bytes([21]) + b"".join(lstr("E") + lstr(":") + lstr("clWhite" if i % 2 else "$00E75900")
                               for i in range(22))
    t += struct.pack("<i", 26) + b"".join(lstr("clX") + lstr(":") + lstr("$00010203") for _ in range(26))
    t += bytes([65]) + b"".join(
        lstr("F") + lstr(":") + lstr("Arial,9,0,255,0,0,italic" if i % 3 else "Tahoma;8;1;8;0;0;bold")
        for i in range(66))
    return t


def tpf0(cls, name, props):
    return b"TPF0" + sstr(cls) + sstr(name) + props + b"\0\0"


def bodies():
    child = tpf0("TSeSystemButton", "CloseButton",
                 sstr("Action") + b"\x07" + sstr("sbaClose") + sstr("Bitmap.Name") + b"\x06" +
                 sstr("img") + sstr("Bitmap.Right") + b"\x02\x05")
    children = struct.pack("<I", 0x000F0001) + lstr("TSeSystemButton") + struct.pack("<i", len(child)) + child
    form = tpf0("TSeSkinObject", "Form",
                sstr("Color") + b"\x04" + struct.pack("<I", 0x00D7E9EA) + sstr("Kind") + b"\x07" +
                sstr("skForm") + sstr("Font.Style") + b"\x0b" + sstr("fsBold") + b"\0" +
                sstr("Objects") + b"\x0a" + struct.pack("<i", len(children)) + children)
    pixels = [0xFFFF00FF, 0xFF0A0B0C, 0x80102030, 0x007F007F]
    maximum = (header() + struct.pack("<I", 0x00FFF001) + image("img", 2, -2, pixels) + b"\x01\x00" +
               struct.pack("<I", 0x00FF0001) + lstr("TSeSkinObject") + struct.pack("<i", len(form)) +
               form + tables())
    text = ("object Form: TSeSkinObject\r\n  Color = clWhite\r\n  Kind = skTranparent\r\n"
            "  Font.Name = 'Arial'\r\nend\r\n")
    standard = (header() + struct.pack("<i", 1) + image("img", 2, 1, pixels[:2]) +
                struct.pack("<I", 0x00FF0001) + lstr("TteSkinObject") + lstr(text) + tables())
    derived = (header() + struct.pack("<i", 0) + struct.pack("<I", 2) + lstr("TSeSkinObject") + lstr(text) +
               lstr("TSeTextObject") + lstr("object Text: TSeTextObject\r\n  FontHot.Name = 'X'\r\nend\r\n"))
    bmp = (b"BM" + struct.pack("<IIII", 62, 0, 54, 40) + struct.pack("<iiHHIIiiII", 2, 1, 1, 24, 0, 8, 0, 0, 0, 0) +
           bytes([255, 0, 255, 127, 0, 127, 0, 0]))
    bitmap_body = header() + struct.pack("<I", 1) + lstr("pic.bmp") + struct.pack("<i", len(bmp)) + bmp + struct.pack("<I", 0)
    return standard, derived, maximum, bmp, bitmap_body


def main(out):
    standard, derived, maximum, bmp, bitmap_body = bodies()
    reader = {
        "standard-uct": bytes([1]) + standard, "derived-dct": bytes([2]) + derived,
        "standard-tct": bytes([3]) + standard, "maximum-mct": bytes([4]) + maximum,
        "bitmap-mct": bytes([4]) + bitmap_body, "bitmap-file": bytes([5]) + bmp,
        "stored-mct": bytes([0]) + b"_MCT\0NVLZ" + zlib.compress(maximum),
        "stored-nosig": bytes([0]) + b"NVLZ" + zlib.compress(standard, 1),
        "stored-uct": bytes([0]) + b"_UCT\0" + standard,
    }
    container = {
        "kind0": b"\x00",
        "kind3": b"\x03" + lstr("Tolsy metal") + lstr(b"_MCT\0NVLZ" + zlib.compress(maximum)),
        "kind2": b"\x02" + lstr("Old") + struct.pack("<q", 3) + b"abc",
        "kind1-uct": b"\x01_UCT\0" + standard,
        "kind1-nosig": b"\x01NVLZ" + zlib.compress(maximum),
    }
    for folder, seeds in (("skin_reader", reader), ("skin_container", container)):
        os.makedirs(os.path.join(out, folder), exist_ok=True)
        for name, data in seeds.items():
            with open(os.path.join(out, folder, name), "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "build/fuzz/corpus")
