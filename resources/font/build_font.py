#!/usr/bin/python3
"""Builds Tolsy.ttf from the glyph source in tolsy/. Usage: build_font.py OUTPUT.ttf"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

try:
    from tolsy.font import FontBuildError, build
except ImportError as missing:
    sys.exit("build_font.py: %s; Debian's python3-fonttools and python3-shapely are needed "
             "(scripts/install-deps.sh installs them)" % missing)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: build_font.py OUTPUT.ttf\n")
        return 2
    target = argv[1]
    os.makedirs(os.path.dirname(os.path.abspath(target)), exist_ok=True)
    partial = target + ".part"
    try:
        build(partial)
    except FontBuildError as error:
        sys.stderr.write("build_font.py: %s\n" % error)
        return 1
    os.replace(partial, target)  # never leave a half-written font where the build looks
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
