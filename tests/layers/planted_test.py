#!/usr/bin/env python3
# The layer check, run over a copy of the tree with one include planted at a time: it names
# each wrong one (in every form of include) and lets each right one through.
"""Usage: planted_test.py [ROOT], ROOT the folder that holds src/, tools/ and bench/."""
import os
import shutil
import subprocess
import sys
import tempfile

CHECK = os.path.join(os.path.dirname(os.path.abspath(__file__)), "check.py")
# (folder planted in, include, whether the check must refuse it); {area} is a header of that area.
PLANTED = [
    ("src/rules", '#include "screens/{src/screens}"', True),
    ("src/rules", '#include "../render/{src/render}"', True),
    ("src/screens", '#include "rules/{src/rules}"', True),
    ("src/screens", "#include <rules/{src/rules}>", True),
    ("src/render", '#include "model/{src/model}"', True),
    ("src/shell", '#include "{tools/replay}"', True),  # found only through the tool's folder
    ("src/model", '#include "../../bench/{bench}"', True),
    ("src/shell", '#include "tools/pictures/{tools/pictures}"', True),
    ("tools/pictures", '#  include <render/{src/render}>', True),
    ("tools/sounds", '#include "shell/{src/shell}"', True),
    ("src/screens", "#include <render/{src/render}>", False),
    ("src/rules", '#include "../model/{src/model}"', False),
    ("tools/sounds", '#include "model/{src/model}"', False),
    ("tools/sounds", '#include "{tools/sounds}"', False),  # it has a twin in src/rules
    ("tools/replay", '#include "shell/{src/shell}"', False),
    ("bench", "#include <rules/{src/rules}>", False),
]


def first(root, folder, suffix):
    return sorted(f for f in os.listdir(os.path.join(root, folder)) if f.endswith(suffix))[0]


def run_check(root):
    run = subprocess.run([sys.executable, CHECK, root], capture_output=True, text=True)
    return run.returncode, set(run.stderr.splitlines())


def try_planted(root, headers, baseline, folder, include, wrong):
    """A message when the check takes the planted include wrongly, else None."""
    include = include.format_map(headers)
    path = os.path.join(folder, first(root, folder, ".cpp"))
    with open(os.path.join(root, path), encoding="utf-8") as f:
        text = f.read()
    line = text.count("\n") + 1
    with open(os.path.join(root, path), "w", encoding="utf-8") as f:
        f.write(text + include + "\n")
    status, reports = run_check(root)
    with open(os.path.join(root, path), "w", encoding="utf-8") as f:
        f.write(text)
    new = sorted(reports - baseline[1])
    named = len(new) == 1 and new[0].startswith(f"{path}:{line}: ")
    if wrong and (status == 0 or not named):
        return f"{path}: '{include}' was not named alone: {new}"
    if not wrong and (status != baseline[0] or new):
        return f"{path}: '{include}' was refused: {new}"
    return None


def main():
    source = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "../.."))
    with tempfile.TemporaryDirectory() as root:
        for top in ("src", "tools", "bench"):
            shutil.copytree(os.path.join(source, top), os.path.join(root, top))
        headers = {area: first(root, area, ".h") for area, _, _ in PLANTED}
        # A quoted include finds the header in its own file's folder before one elsewhere.
        open(os.path.join(root, "src/rules", headers["tools/sounds"]), "x").close()
        baseline = run_check(root)
        failures = [m for case in PLANTED if (m := try_planted(root, headers, baseline, *case))]
    for failure in failures:
        print(failure, file=sys.stderr)
    print(f"layer check: {len(PLANTED) - len(failures)} of {len(PLANTED)} planted includes taken rightly")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
