#!/usr/bin/env python3
# Fails when a file under src/, tools/ or bench/ includes a header of an area it may not use.
"""Usage: check.py [ROOT], ROOT the folder that holds src/, tools/ and bench/."""
import os
import re
import sys

SRC = {"src/model", "src/render", "src/rules", "src/screens", "src/shell"}
# The areas each area's files may include; system and library headers are not in any area.
ALLOWED = {
    "src/model": {"src/model"},
    "src/render": {"src/render"},
    "src/rules": {"src/rules", "src/model"},
    "src/screens": {"src/screens", "src/model", "src/render"},
    "src/shell": SRC,
    "tools/replay": SRC | {"tools/replay"},
    "bench": SRC | {"bench"},
    "tools/pictures": {"tools/pictures", "src/model"},
    "tools/sounds": {"tools/sounds", "src/model"},
}
# Where a header name is looked for when the including file's folder lacks it: src/ and
# the tools' folders (the build's include directories), every other area's folder (a
# target may add one) and the root. Every file found so counts, not only the first.
SEARCHED = ["src", "."] + sorted(ALLOWED)
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
SOURCES = (".h", ".hpp", ".cpp", ".cc", ".c", ".inl")


def area_of(path):
    return next((a for a in ALLOWED if path.startswith(a + "/")), None)


def targets(root, folder, quote, name):
    """The files, relative to root, that the include may name."""
    if quote == '"' and os.path.isfile(os.path.join(root, folder, name)):
        return [os.path.normpath(os.path.join(folder, name))]
    found = (os.path.normpath(os.path.join(d, name)) for d in SEARCHED)
    return sorted({f for f in found if os.path.isfile(os.path.join(root, f))})


def problems(root, path):
    own = area_of(path)
    if own is None:
        yield f"{path}: in no area (known: {' '.join(sorted(ALLOWED))})"
        return
    with open(os.path.join(root, path), encoding="utf-8", errors="replace") as f:
        for number, line in enumerate(f, 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            for target in targets(root, os.path.dirname(path), *match.groups()):
                area = area_of(target)
                if area is not None and area not in ALLOWED[own]:
                    yield f"{path}:{number}: {own} includes {target} ({area})"


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "../.."))
    found = []
    for top in ("src", "tools", "bench"):
        for folder, dirs, files in os.walk(os.path.join(root, top)):
            dirs.sort()
            for name in sorted(files):
                if name.endswith(SOURCES):
                    found += problems(root, os.path.relpath(os.path.join(folder, name), root))
    for problem in found:
        print(problem, file=sys.stderr)
    if found:
        return 1
    print("layers: every include is of an area its file may use")
    return 0


if __name__ == "__main__":
    sys.exit(main())
