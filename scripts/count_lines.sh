#!/usr/bin/env bash
# Prints the test code's lines against the game code's lines and their ratio.
# Counted: every non-blank line of C++ (.cpp, .h) and shell (.sh) files, plus
# the scenario files (tests/data/scenarios/*.replay). Test code is everything
# so counted under tests/; game code is everything so counted under src/,
# tools/ and bench/. Recorded outputs, pictures and fuzz corpora are data and
# are not counted. Exits 1 when the ratio leaves the project's 25-33 % band.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

count() {
  find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.replay' \) -print0 |
    xargs -0 -r cat | grep -cv '^[[:space:]]*$' || true
}
tests="$(count tests)"
code="$(count src tools bench)"
percent=$(( (tests * 1000 / code + 5) / 10 ))
echo "test lines: $tests, code lines: $code, tests/code: $percent %"
[ "$percent" -ge 25 ] && [ "$percent" -le 33 ]
