#!/usr/bin/env bash
# Long random-key storms through the replay tool, in the sanitizer build: FRAMES
# frames (default 1,000,000) on each of three seeds, every dump checked against
# the rules of receipts, slots and customers. Not part of CI: it runs for long.
# Usage: bash scripts/storms.sh [FRAMES] [SEEDS...]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
frames="${1:-1000000}"
shift || true
seeds="${*:-11 12 13}"
build="${QUORVEL_SANITIZE_BUILD:-$here/build-sanitize}"

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$build" -DQUORVEL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
fi
cmake --build "$build" --target quorvel-tests -j"$(nproc)" >/dev/null
cd "$build"
export LSAN_OPTIONS="suppressions=$here/tests/lsan.supp"
export QUORVEL_STORM_FRAMES="$frames" QUORVEL_STORM_SEEDS="$seeds"
time ./tests/quorvel-tests --gtest_filter=PlayedDays.ARandomizedPlayerPlaysWholeDaysWithinTheRules
