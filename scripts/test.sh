#!/usr/bin/env bash
# Sets everything up and runs the whole test suite twice: a normal build and an
# AddressSanitizer + UndefinedBehaviorSanitizer build; then each fuzz target for a
# short while on its corpus; then the browser build's tests (scripts/web.sh --test).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"
bash "$here/scripts/count_lines.sh" || echo "note: the tests are outside a quarter to a third of the code"

"$here/scripts/setup.sh" "$here/build"
(cd "$here/build" && ctest --output-on-failure -j"$jobs")

"$here/scripts/setup.sh" "$here/build-sanitize" -DQUORVEL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug \
  "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1"
(cd "$here/build-sanitize" && ctest --output-on-failure -j"$jobs")
log="$(mktemp)"
for target in bmp saved-game replay-script; do
  if ! "$here/scripts/fuzz.sh" "$target" "${QUORVEL_FUZZ_SECONDS:-20}" >"$log" 2>&1; then
    cat "$log"
    exit 1
  fi
  echo "fuzz $target: $(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}') runs, no finding"
done
rm -f "$log"

# The browser build: quorvel-replay under node prints the golden bytes, and the page in
# headless Chromium plays the native game's frames (installs emscripten, nodejs, chromium).
bash "$here/scripts/web.sh" --test
echo "All tests passed in both builds and in the browser; the fuzz targets found nothing."
