#!/usr/bin/env bash
# Plants N deterministic single-point faults (default 80, chosen by SEED) in the
# rule code (src/model, src/rules), one at a time: for each it rebuilds the test
# binary and the replay tool incrementally, runs the fast suite (unit tests and
# data scenarios, not the golden, pixel or sanitizer checks) up to its first
# failure and prints killed or survived, with every survivor's file:line and
# change. It edits the sources in place: run it in a worktree of its own.
# Not part of CI: it runs for long.
# Usage: bash scripts/mutants.sh [N] [SEED]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
n="${1:-80}" seed="${2:-1}"
build="${QUORVEL_MUTANT_BUILD:-$here/build-mutants}"
[ -f "$build/CMakeCache.txt" ] || cmake -S "$here" -B "$build" >/dev/null
cmake --build "$build" --target quorvel-tests -j"$(nproc)" >/dev/null
# Candidate points, one per line: FILE<TAB>LINE<TAB>COLUMN<TAB>FROM<TAB>TO.
candidates="$(cd "$here" && python3 - "$seed" "$n" <<'PY'
import random, re, sys, glob
seed, n = int(sys.argv[1]), int(sys.argv[2])
swaps = [(" <= ", " < "), (" >= ", " > "), (" < ", " <= "), (" > ", " >= "), (" == ", " != "),
         (" != ", " == "), (" + ", " - "), (" - ", " + "), ("if (", "if (!"), ("return true", "return false")]
points = []
for path in sorted(glob.glob("src/model/*.cpp") + glob.glob("src/rules/*.cpp")):
    for number, line in enumerate(open(path), 1):
        code = line.split("//")[0]
        if code.lstrip().startswith(("#", "*")) or '"' in code:
            continue
        for a, b in swaps:
            if a in code:
                points.append((path, number, code.index(a), a, b))
        for m in re.finditer(r"(?<![\w.])(\d+)(?![\w.])", code):
            points.append((path, number, m.start(), m.group(1), str(int(m.group(1)) + 1)))
        # An assignment to a plain variable or member (not a declaration) dropped.
        if re.fullmatch(r"\s*[\w.\[\]>-]+\s*[-+*/|&]?=[^=].*;\s*", code):
            points.append((path, number, code.index(code.strip()), code.strip(), ";"))
random.Random(seed).shuffle(points)
for p in points[:n]:
    print("\t".join(map(str, p)))
PY
)"
killed=0 survived=0 stillborn=0
restore() { [ -f "$build/mutant.orig" ] && cp "$build/mutant.orig" "$here/$file" && touch "$here/$file"; rm -f "$build/mutant.orig"; }
trap restore EXIT
while IFS=$'\t' read -r file line column from to; do
  cp "$here/$file" "$build/mutant.orig"
  python3 - "$here/$file" "$line" "$column" "$from" "$to" <<'PY'
import sys
path, number, column, a, b = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4], sys.argv[5]
lines = open(path).read().split("\n")
text = lines[number - 1]
assert text[column:column + len(a)] == a, (path, number, a)
lines[number - 1] = text[:column] + b + text[column + len(a):]
open(path, "w").write("\n".join(lines))
PY
  # A mutant that does not compile is no test of the suite: counted apart.
  if ! cmake --build "$build" --target quorvel-tests -j"$(nproc)" >/dev/null 2>&1; then
    stillborn=$((stillborn + 1)); echo "no build $file:$line  '$from' -> '$to'"
  elif ! (cd "$build" && SDL_VIDEODRIVER=offscreen timeout 120 ./tests/quorvel-tests --gtest_brief=1 --gtest_fail_fast >/dev/null 2>&1); then
    killed=$((killed + 1)); echo "killed   $file:$line  '$from' -> '$to'"
  else
    survived=$((survived + 1)); echo "SURVIVED $file:$line  '$from' -> '$to'"
  fi
  restore
done <<<"$candidates"
echo "mutants: $((killed + survived + stillborn)), not built: $stillborn, killed: $killed, survived: $survived"
