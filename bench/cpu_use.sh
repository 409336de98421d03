#!/usr/bin/env bash
# CPU use of the real game in a virtual X window: cores used (user + system time
# per second of wall time, every thread counted) on the title menu and during a
# played day, with the frame count per second beside it.
# usage: bash bench/cpu_use.sh BUILD_FOLDER [SECONDS] [GAME_PROGRAM]
set -euo pipefail
build="$(cd "$1" && pwd)"
seconds="${2:-10}"
game="${3:-$build/quorvel}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
ln -s "$build/Images" Images
export HOME="$work"

cat > measure.sh <<'MEASURE'
set -eu
game="$1"; seconds="$2"
"$game" >/dev/null 2>&1 &
pid=$!
window="$(xdotool search --sync --name Quorvel | head -1)"
xdotool windowfocus --sync "$window" || true
hold() { xdotool keydown "$1"; sleep 0.2; xdotool keyup "$1"; sleep 0.2; }
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
measure() {
  local before after
  before="$(ticks)"
  sleep "$seconds"
  after="$(ticks)"
  awk -v t="$((after - before))" -v hz="$(getconf CLK_TCK)" -v s="$seconds" -v what="$1" \
    'BEGIN { printf "%-12s %.3f cores\n", what, t / hz / s }'
}
sleep 4  # the title menu's intro
measure "title menu"
xdotool keydown space; sleep 2; xdotool keyup space; sleep 1
hold n; hold Return; sleep 2
measure "played day"
kill "$pid"
MEASURE
echo "$game, ${seconds} s each, $(nproc) cores"
xvfb-run -a -s "-screen 0 1024x768x24" bash measure.sh "$game" "$seconds"
