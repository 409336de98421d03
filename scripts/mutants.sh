#!/usr/bin/env bash
# Plants N single-point faults (default 60), sampled by SEED from every line of
# the rule and model code (src/model, src/rules, headers included, but not the
# picture table nor the compile-time checks), one at a time, and runs the suite
# on each in stages, cheapest first, stopping at the first failure (see stage()).
# Prints killed (with the stage and the seconds it took), survived, no build or
# same code per fault, the kill rate of the faults that build into a different
# program and every survivor's file:line and change. Faults: comparisons flipped, made strict or loosened;
# == and !=; + and -; && and ||; true and false; a condition negated; an
# assignment dropped; any integer off by one (in tables and inside string
# literals too); a string literal losing its first character.
# It works on a copy of the sources (build-mutants/tree), so the worktree stays
# free to edit. Not part of CI: it runs for long; run it under nice.
# Usage: bash scripts/mutants.sh [N] [SEED]      LIST=1 prints the sample only;
# SKIP=K leaves out its first K faults (to go on with a sample).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
n="${1:-60}" seed="${2:-1}"
root="${QUORVEL_MUTANT_BUILD:-$here/build-mutants}"
tree="$root/tree" build="$root/build"

# The sample, one fault a line: FILE<TAB>LINE<TAB>COLUMN<TAB>FROM<TAB>TO.
candidates="$(cd "$here" && python3 - "$seed" "$n" <<'PY'
import glob, os, random, re, sys
seed, n = int(sys.argv[1]), int(sys.argv[2])
swaps = [(" <= ", " < "), (" <= ", " >= "), (" >= ", " > "), (" >= ", " <= "), (" < ", " <= "),
         (" < ", " > "), (" > ", " >= "), (" > ", " < "), (" == ", " != "), (" != ", " == "),
         (" + ", " - "), (" - ", " + "), (" += ", " -= "), (" -= ", " += "), (" && ", " || "),
         (" || ", " && "), ("if (", "if (!")]
words = [("true", "false"), ("false", "true")]
strings = re.compile(r'"(?:[^"\\]|\\.)*"')
def code_of(line):
    # The line without its comment ("//" outside string literals).
    spans = [m.span() for m in strings.finditer(line)]
    for m in re.finditer("//", line):
        if not any(a <= m.start() < b for a, b in spans):
            return line[:m.start()]
    return line
points = []
files = sorted(glob.glob("src/model/*.cpp") + glob.glob("src/model/*.h") +
               glob.glob("src/rules/*.cpp") + glob.glob("src/rules/*.h"))
# The picture table is the toolkit's data: its compile-time checks (pictures.cpp)
# and the pixel checksums (tests/shots), which the fast suite leaves out, are its tests.
files.remove("src/model/pictures.h")
files.remove("src/model/pictures.cpp")
for path in files:
    checks = 0  # open brackets of a compile-time check: a fault there cannot reach the game
    for number, line in enumerate(open(path), 1):
        code = code_of(line.rstrip("\n"))
        if checks or code.lstrip().startswith("static_assert"):
            checks += code.count("(") - code.count(")")
            continue
        if code.lstrip().startswith(("#", "*", "//")) or not code.strip():
            continue
        literals = [m.span() for m in strings.finditer(code)]
        inside = lambda i: any(a <= i < b for a, b in literals)
        add = lambda col, a, b: points.append((path, number, col, a, b))
        for a, b in swaps:
            for m in re.finditer(re.escape(a), code):
                if not inside(m.start()):
                    add(m.start(), a, b)
        for a, b in words:
            for m in re.finditer(r"\b%s\b" % a, code):
                if not inside(m.start()):
                    add(m.start(), a, b)
        for m in re.finditer(r"\d+", code):
            text, at = m.group(), m.start()
            if inside(at):
                pass  # any digits in a literal: "%.1f", "$+ 25.00", "%3d"
            elif re.match(r"[\w.]", code[at - 1:at] or " ") or re.match(r"[\w.]", code[m.end():m.end() + 1] or " "):
                continue  # part of a name, a float literal or a suffixed number
            add(at, text, str(int(text) + 1))
            if int(text) > 0:
                add(at, text, str(int(text) - 1))
        for a, b in literals:
            if b - a > 2:
                add(a, code[a:b], '"' + code[a + 2:b])
        if re.fullmatch(r"\s*[\w.\[\]>-]+\s*[-+*/|&]?=[^=].*;\s*", code):
            add(code.index(code.strip()), code.strip(), ";")
random.Random(seed).shuffle(points)
if n > len(points):
    sys.exit("only %d fault points" % len(points))
for p in points[int(os.environ.get("SKIP", "0")):n]:
    print("\t".join(map(str, p)))
PY
)"
if [ -n "${LIST:-}" ]; then printf '%s\n' "$candidates"; exit 0; fi

# The copy of the sources: a file is rewritten only when its content differs, so
# the build sees exactly what changed.
mkdir -p "$tree"
sync='
import os, shutil, sys
here, tree = sys.argv[1], sys.argv[2]
wanted = {line.strip() for line in sys.stdin if line.strip()}
for path in wanted:
    src, dst = os.path.join(here, path), os.path.join(tree, path)
    if not os.path.isfile(src):
        continue
    data = open(src, "rb").read()
    if os.path.isfile(dst) and open(dst, "rb").read() == data:
        continue
    os.makedirs(os.path.dirname(dst), exist_ok=True)
    with open(dst, "wb") as f:
        f.write(data)
    shutil.copymode(src, dst)
for folder, _, names in os.walk(tree):
    for name in names:
        path = os.path.relpath(os.path.join(folder, name), tree)
        if path not in wanted:
            os.remove(os.path.join(folder, name))
'
(cd "$here" && git ls-files -co --exclude-standard) | python3 -c "$sync" "$here" "$tree"
# No debugging information, light optimisation, a fast linker and the tests in a
# few units: each fault rebuilds quickly. The compiler cache sees the paths relative to the folder, so
# another folder (QUORVEL_MUTANT_BUILD, to run seeds side by side) builds from
# it. SHOTS=1 adds the benchmarks, whose pixel checksums then judge the survivors.
bench="$([ -n "${SHOTS:-}" ] && echo ON || echo OFF)"
export CCACHE_BASEDIR="$root"
{ grep -qx "QUORVEL_BENCH:BOOL=$bench" "$build/CMakeCache.txt" &&
  grep -qx "QUORVEL_TESTS_UNITY:BOOL=ON" "$build/CMakeCache.txt"; } 2>/dev/null ||
  cmake -S "$tree" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O1 \
    -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld -DQUORVEL_BENCH="$bench" -DQUORVEL_TESTS_UNITY=ON >/dev/null
everything() { make -s -C "$build" -j2 all >/dev/null 2>&1; }

# A fault is judged by stages, cheapest first, and is killed at the first failure:
# 1. the rule-level unit tests (in process, about a second);
# 2. the scenarios through quorvel-replay; 3. the golden games' bytes;
# 4. only for what survives those: every other test that runs game code (the
#    replay tool's own, the sounds', the pictures reader's, the command lines'
#    with the saved game's complaints, and with SHOTS=1 the pixel checksums).
# Left out: the package and install tests, the settings and window tests (shell
# only), the layer checks, and the recorded game, which compares the game with
# itself: a fault plays the same in the recording and in its replay.
libs=(quorvel_model/fast quorvel_rules/fast quorvel_render/fast quorvel_screens/fast quorvel_shell/fast)
# A header can reach the tools' and the game's own objects too: they build then,
# for the same-code check; a source file reaches the libraries only.
programs() { echo quorvel-replay/fast; [[ "$1" != *.h ]] || echo quorvel/fast quorvel-sounds/fast quorvel-pictures/fast; }
# The pictures and sounds the tests read are made again only when their maker changed.
generated() {
  local t folder sum
  for t in pictures:Images sounds:Sounds; do
    folder="${t#*:}" t="quorvel-${t%:*}"
    sum="$(sha256sum <"$build/$t")"
    [ "$sum" = "$(cat "$root/$t.made" 2>/dev/null)" ] && continue
    "$build/$t" "$build/$folder" >/dev/null 2>&1 || return 1
    echo "$sum" >"$root/$t.made"
  done
}
tests="$build/tests/quorvel-tests"
restTests='ReducedFlashing*:Replay*:BmpReader*:WindowViewport*:FramePacer*:Settings*:Sound*'
gtest() {  # $1: gtest filter
  (cd "$build" && SDL_VIDEODRIVER=offscreen timeout 120 "$tests" --gtest_brief=1 --gtest_fail_fast \
     --gtest_filter="$1" >/dev/null 2>&1)
}
stage() {  # $1: 1-4; fails when the stage's tests fail
  case "$1" in
    1) gtest "-Data/*:$restTests" ;;
    2) gtest 'Data/*' ;;
    3) timeout 120 bash "$tree/tests/golden/check.sh" "$build" >/dev/null 2>&1 ;;
    4) gtest "$restTests" && make -s -C "$build" quorvel/fast >/dev/null 2>&1 &&
       { [ "$bench" = OFF ] || everything; } &&
       timeout 120 bash "$tree/tests/command_line_test.sh" "$build" "$tree" >/dev/null 2>&1 &&
       { [ "$bench" = OFF ] || timeout 600 bash "$tree/tests/shots/check.sh" "$build" >/dev/null 2>&1; } ;;
  esac
}
everything && rm -f "$root"/*.made && generated || { echo "the copy of the sources does not build" >&2; exit 1; }
for s in 1 2 3 4; do
  stage "$s" || { echo "the suite fails without any fault (stage $s): fix it first" >&2; exit 1; }
done
# The objects of the game and its tools as built from the sources: a fault whose
# build leaves every one of them unchanged is the same program (the compiler
# proved it equivalent, as for code the preprocessor leaves out), and is counted apart.
objects() { find "$build" -path "$build/tests" -prune -o -name '*.o' "$@" -print0 | xargs -0 -r sha256sum; }
objects >"$root/objects.sha256"
changedObjects() { objects -newer "$root/marker" | grep -vxFf "$root/objects.sha256"; }

killed=0 survived=0 stillborn=0 same=0 survivors="" byStage=(0 0 0 0 0) seconds=0
restore() {
  if [ -f "$root/mutant.orig" ]; then cp "$root/mutant.orig" "$tree/$file" && touch "$tree/$file"; fi
  rm -f "$root/mutant.orig"
  # A header may have changed the makers of the pictures and sounds.
  if [[ "$file" == *.h ]]; then
    make -s -C "$build" quorvel-sounds/fast quorvel-pictures/fast -j2 >/dev/null 2>&1 && generated || true
  fi
}
trap restore EXIT
while IFS=$'\t' read -r file line column from to; do
  [ -n "$file" ] || continue
  began=$SECONDS
  cp "$tree/$file" "$root/mutant.orig"
  python3 - "$tree/$file" "$line" "$column" "$from" "$to" <<'PY'
import sys
path, number, column, a, b = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4], sys.argv[5]
lines = open(path).read().split("\n")
text = lines[number - 1]
assert text[column:column + len(a)] == a, (path, number, a)
lines[number - 1] = text[:column] + b + text[column + len(a):]
open(path, "w").write("\n".join(lines))
PY
  what="$file:$line  '$from' -> '$to'"
  touch "$root/marker"
  # The libraries first: make may build goals given together at the same time.
  if ! make -s -C "$build" "${libs[@]}" -j2 >/dev/null 2>&1 ||
     ! make -s -C "$build" $(programs "$file") -j2 >/dev/null 2>&1 || ! generated; then
    stillborn=$((stillborn + 1)); echo "no build $what"
  elif ! changedObjects >/dev/null; then
    same=$((same + 1)); echo "same     $what  (no object changed)"
  elif ! make -s -C "$build" quorvel-tests/fast -j2 >/dev/null 2>&1; then
    stillborn=$((stillborn + 1)); echo "no build $what  (the tests do not build)"
  else
    by=0
    for s in 1 2 3; do
      if ! stage "$s"; then by=$s; break; fi
    done
    [ "$by" != 0 ] || stage 4 || by=4
    if [ "$by" -gt 0 ]; then
      killed=$((killed + 1)); byStage[$by]=$((byStage[by] + 1))
      echo "killed   $what  (stage $by, $((SECONDS - began)) s)"
    else
      survived=$((survived + 1)); survivors+="  $what"$'\n'; echo "SURVIVED $what  ($((SECONDS - began)) s)"
    fi
  fi
  restore
  seconds=$((seconds + SECONDS - began))
done <<<"$candidates"
# Leave the build as the sources are.
everything || true
built=$((killed + survived))
echo "seed $seed: mutants $((built + stillborn + same)), not built $stillborn, same code $same," \
     "killed $killed of $built ($(( built ? killed * 1000 / built : 0 ))‰), survived $survived;" \
     "killed by stage 1-4: ${byStage[*]:1}; $seconds s"
[ -z "$survivors" ] || printf 'survivors:\n%s' "$survivors"
