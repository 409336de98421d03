#!/usr/bin/env bash
# Instructions per frame for each case of a frame benchmark, counted by
# callgrind over every thread (the software renderer's included): unlike
# timings, other load on the machine does not change them.
# Usage: bench/instructions.sh BENCH_PROGRAM [frames per case]   (run from a folder holding Images/)
set -euo pipefail
program="$(realpath "$1")"
frames="${2:-10}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
SDL_VIDEODRIVER="${SDL_VIDEODRIVER:-offscreen}" valgrind --tool=callgrind --collect-atstart=yes \
  --callgrind-out-file="$work/out" "$program" "$frames" >"$work/bench.txt" 2>"$work/valgrind.txt" ||
  { cat "$work/valgrind.txt" >&2; exit 1; }
# Each dump after the first zeroing holds one case; its trigger names the case.
for dump in "$work"/out.*; do
  name="$(sed -n 's/^desc: Trigger: Client Request: //p' "$dump")"
  total="$(sed -n 's/^totals: //p;s/^summary: //p' "$dump" | head -1)"
  printf '%-28s %12.0f instructions/frame\n' "$name" "$((total / frames))"
done
