#!/usr/bin/env bash
# Instructions per frame for each case of a frame benchmark, counted by
# callgrind over every thread (the software renderer's included): unlike
# timings, other load on the machine does not change them.
# Usage: bench/instructions.sh BENCH_PROGRAM [frames per case] [more options...]
#   (run from a folder holding Images/; a case whose name ends in "N frames" is divided by N)
set -euo pipefail
program="$(realpath "$1")"
frames="${2:-10}"
shift $(($# < 2 ? $# : 2))
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
SDL_VIDEODRIVER="${SDL_VIDEODRIVER:-offscreen}" valgrind --tool=callgrind --collect-atstart=yes \
  --callgrind-out-file="$work/out" "$program" "$@" "$frames" >"$work/bench.txt" 2>"$work/valgrind.txt" ||
  { cat "$work/valgrind.txt" >&2; exit 1; }
# Each dump holds one case, named by its trigger, or the warm-up before it.
for dump in "$work"/out.*; do
  name="$(sed -n 's/^desc: Trigger: Client Request: //p' "$dump")"
  [ "$name" != warm-up ] || continue
  total="$(sed -n 's/^totals: //p;s/^summary: //p' "$dump" | head -1)"
  count="$(sed -n 's/.* \([0-9][0-9]*\) frames$/\1/p' <<<"$name")"
  printf '%-28s %12.0f instructions/frame\n' "$name" "$((total / ${count:-$frames}))"
done
