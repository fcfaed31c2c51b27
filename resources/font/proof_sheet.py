#!/usr/bin/python3
"""Renders the proof sheets of a built Tolsy.ttf. Usage: proof_sheet.py FONT.ttf OUTPUT_FOLDER"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

try:
    from tolsy.proof import render_all
except ImportError as missing:
    sys.exit("proof_sheet.py: %s; Debian's python3-pil and python3-shapely are needed "
             "(scripts/install-deps.sh installs them)" % missing)


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: proof_sheet.py FONT.ttf OUTPUT_FOLDER\n")
        return 2
    render_all(argv[1], argv[2])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
