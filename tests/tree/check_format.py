"""Fails when a C++ file of the tree is not formatted as .clang-format says.

Usage: check_format.py CLANG_FORMAT SOURCE_DIR
Checks every .h and .cpp under the product, test, tool, benchmark and fuzz folders, and names
each file that clang-format would change. To fix: clang-format -i FILE...
"""
import pathlib
import subprocess
import sys

FOLDERS = ["base", "picture", "toolkit", "skin", "composer", "about", "app", "cli",
           "tests", "tools", "bench", "fuzz"]
SKIP = {"build"}


def sources(root):
    for folder in FOLDERS:
        for file in sorted((root / folder).rglob("*")):
            if file.suffix in (".h", ".cpp") and not SKIP & set(file.relative_to(root).parts):
                yield file


def main(argv):
    if len(argv) != 3:
        print(__doc__)
        return 2
    clang_format, root = argv[1], pathlib.Path(argv[2])
    files = list(sources(root))
    unformatted = []
    for start in range(0, len(files), 50):
        batch = files[start:start + 50]
        for file in batch:
            result = subprocess.run([clang_format, "--dry-run", "--Werror", str(file)],
                                    cwd=root, capture_output=True, text=True)
            if result.returncode != 0:
                unformatted.append(file.relative_to(root).as_posix())
    for name in unformatted:
        print(f"{name}: not formatted (clang-format -i {name})")
    print(f"{len(files)} files checked: {len(unformatted)} not formatted")
    return 1 if unformatted else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
