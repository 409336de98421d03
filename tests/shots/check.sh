#!/usr/bin/env bash
# Draws every screen with OpenGL (Mesa's software renderer, offscreen) and
# compares a checksum of each picture with the recorded list: the front-end and
# Load Game golden scripts with a shot wherever they print their draws, and the
# last frame of every benchmark case. With --update, records the list anew.
# Usage: check.sh BUILD_DIR [--update]
set -euo pipefail
build="$(cd "$1" && pwd)"
data="$(cd "$(dirname "${BASH_SOURCE[0]}")/../data" && pwd)"
list="$data/shots/screens.sha256"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export SDL_VIDEODRIVER=offscreen LC_ALL=C

# The Load Game script plays the game the three-days script saves; the days
# themselves are drawn by the benchmarks' cases rather than frame by frame.
mkdir -p "$work/front" "$work/played" "$work/shots"
for folder in front played; do ln -sfn "$build/Images" "$work/$folder/Images"; done
(cd "$work/played" && "$build/quorvel-replay" --no-gl "$data/golden/days.txt" >/dev/null)
# The Load Game script's day is drawn only where it is shot; the front-end script
# also shoots the closing screen of a game that ends itself, so all of it is drawn.
for run in "front front" "load played --draw-shots-only"; do
  read -r name folder option <<<"$run"
  awk -v shots="$work/shots/$name" '/^draws/ { printf "shot %s-%03d.png\n", shots, ++n; next }
    /^dump/ { next } { print }' "$data/golden/$name.txt" >"$work/$name-shots.txt"
  (cd "$work/$folder" && "$build/quorvel-replay" $option "$work/$name-shots.txt" >/dev/null)
done
# The benchmarks close the window, which unloads the graphics driver before a
# sanitizer build looks for leaks: the driver's own leaks could not be told apart.
(cd "$work/front" && export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" &&
  "$build/quorvel-bench" --shots "$work/shots" 30 >/dev/null &&
  "$build/quorvel-bench-between-days-frames" --shots "$work/shots" 30 >/dev/null)

(cd "$work/shots" && sha256sum -- *) >"$work/screens.sha256"
if [ "${2:-}" = "--update" ]; then
  mkdir -p "$(dirname "$list")"
  cp "$work/screens.sha256" "$list"
  echo "recorded $(wc -l <"$list") screens"
elif ! diff "$list" "$work/screens.sha256" >"$work/diff"; then
  echo "screens drawn differently from the recording (< recorded, > drawn now):" >&2
  cat "$work/diff" >&2
  exit 1
else
  echo "$(wc -l <"$list") screens: same pixels"
fi
