"""Holds the source tree to its layers.

Usage: check_layers.py SOURCE_DIR LAYER...   (layers from the bottom up, as cmake/Layers.cmake)

Fails, naming file and line, when
- a file in a layer folder includes a header of a layer above its own,
- portable code (a file whose name does not end in _win) includes <windows.h> or a Win32 header
  of ours (name_win.h),
- a C++ file sits in a product folder that is not a layer (a new folder must be given its place
  in the order first).
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
SOURCE_SUFFIXES = {".h", ".cpp"}


def layer_of(path, layers):
    """The layer whose folder holds path (the deepest match), or None."""
    best = None
    for layer in layers:
        if path == layer or path.startswith(layer + "/"):
            if best is None or len(layer) > len(best):
                best = layer
    return best


def check(root, layers):
    rank = {layer: i for i, layer in enumerate(layers)}
    tops = {layer.split("/")[0] for layer in layers}
    problems = []
    for top in sorted(tops):
        for file in sorted((root / top).rglob("*")):
            if file.suffix not in SOURCE_SUFFIXES:
                continue
            rel = file.relative_to(root).as_posix()
            own = layer_of(file.parent.relative_to(root).as_posix(), layers)
            if own is None or file.parent.relative_to(root).as_posix() != own:
                problems.append(f"{rel}: not in a layer folder ({', '.join(layers)})")
                continue
            portable = not file.stem.endswith("_win")
            for number, line in enumerate(file.read_text(encoding="utf-8").splitlines(), 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                kind, target = match.groups()
                where = f"{rel}:{number}"
                if portable and (target.lower() == "windows.h" or
                                 (kind == '"' and target.endswith("_win.h"))):
                    problems.append(f"{where}: portable code includes Win32 header {target}")
                if kind != '"':
                    continue
                target_layer = layer_of(pathlib.PurePosixPath(target).parent.as_posix(), layers)
                if target_layer is None:
                    continue  # a header beside the file, named without its folder
                if rank[target_layer] > rank[own]:
                    problems.append(f"{where}: layer {own} includes {target} "
                                    f"from layer {target_layer} above it")
    return problems


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    root = pathlib.Path(argv[1])
    layers = argv[2:]
    problems = check(root, layers)
    for problem in problems:
        print(problem)
    print(f"{len(layers)} layers checked: {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
