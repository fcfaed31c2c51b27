#!/usr/bin/python3
"""Renders the proof sheets of a built Tolsy.ttf. Usage: proof_sheet.py FONT.ttf OUTPUT_FOLDER"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from tolsy.proof import render_all  # noqa: E402


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: proof_sheet.py FONT.ttf OUTPUT_FOLDER\n")
        return 2
    render_all(argv[1], argv[2])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
