#!/usr/bin/env bash
# Sets everything up and runs the whole test suite twice: a normal build and an
# AddressSanitizer + UndefinedBehaviorSanitizer build.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"

"$here/scripts/setup.sh" "$here/build"
(cd "$here/build" && ctest --output-on-failure -j"$jobs")

"$here/scripts/setup.sh" "$here/build-sanitize" -DQUORVEL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
(cd "$here/build-sanitize" && ctest --output-on-failure -j"$jobs")
echo "All tests passed in both builds."
