"""Makes a stand-in for the Tolsy font from any TrueType font by renaming its family.

Used by the test harness only when the real Tolsy font has not been built: the program's font
check looks for the face name, so a renamed font lets the window come up.
"""
import sys

from fontTools.ttLib import TTFont


def rename(source: str, target: str, family: str = "Tolsy") -> None:
    font = TTFont(source)
    names = font["name"]
    for record in list(names.names):
        if record.nameID in (1, 4, 16, 21):
            names.setName(family, record.nameID, record.platformID, record.platEncID, record.langID)
        elif record.nameID == 6:
            names.setName(family, 6, record.platformID, record.platEncID, record.langID)
        elif record.nameID in (2, 17):
            names.setName("Regular", record.nameID, record.platformID, record.platEncID, record.langID)
    font.save(target)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: make_standin_font.py SOURCE.ttf TARGET.ttf")
    rename(sys.argv[1], sys.argv[2])
