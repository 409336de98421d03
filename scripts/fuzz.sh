#!/usr/bin/env bash
# Runs one fuzz target for a number of seconds on its corpus: bash scripts/fuzz.sh
# TARGET SECONDS [libFuzzer options...], TARGET one of bmp, saved-game,
# replay-script. Builds the clang fuzz build in build-fuzz/ first. New inputs
# gather in build-fuzz/corpus/TARGET; a crash is written to build-fuzz/findings/.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
target="${1:?usage: fuzz.sh TARGET SECONDS [libFuzzer options...]}"
seconds="${2:?usage: fuzz.sh TARGET SECONDS [libFuzzer options...]}"
shift 2
case "$target" in
  # Every refused picture or saved-game field writes its message to standard
  # error: the target's own is closed (libFuzzer and the sanitizers keep theirs).
  bmp) max_len=65536; extra=(-close_fd_mask=2) ;;
  saved-game) max_len=4096; extra=(-close_fd_mask=2) ;;
  replay-script) max_len=4096; extra=() ;;
  *) echo "fuzz.sh: unknown target '$target' (bmp, saved-game, replay-script)" >&2; exit 2 ;;
esac
build="${QUORVEL_FUZZ_BUILD:-$here/build-fuzz}"
data="$here/tests/data/fuzz"

if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DQUORVEL_FUZZ=ON -DQUORVEL_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=Debug >/dev/null
fi
cmake --build "$build" --target "fuzz-$target" -j"$(nproc)" >/dev/null

mkdir -p "$build/corpus/$target" "$build/findings"
# The files the targets write live on a memory file system when there is one.
scratch="$(mktemp -d "$( [ -d /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")/quorvel-fuzz.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
export QUORVEL_FUZZ_FOLDER="$scratch"
dict=()
[ -f "$data/$target.dict" ] && dict=(-dict="$data/$target.dict")
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
"$build/tests/fuzz/fuzz-$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
  "${dict[@]}" "${extra[@]}" "$@" "$build/corpus/$target" "$data/$target"
