#!/usr/bin/env bash
# Draws every screen with OpenGL (Mesa's software renderer, offscreen) and
# compares a checksum of each picture with the recorded list: the front-end and
# Load Game golden scripts with a shot wherever they print their draws, and the
# last frame of every benchmark case. With --update, records the list anew.
# Then compares drawing only what changed with drawing whole, shot for shot, over
# the same two scripts and changes.txt (slides, a resize, a restore, the pause).
# Usage: check.sh BUILD_DIR [--update]
set -euo pipefail
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
data="$(cd "$here/../data" && pwd)"
list="$data/shots/screens.sha256"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export SDL_VIDEODRIVER=offscreen LC_ALL=C

# Plays SCRIPT in a fresh folder holding Images/ (and SAVED as its saved game, if
# given) with a shot wherever it prints its draws, named PREFIX-NNN.png.
# Drawn every frame, each frame is drawn only where it changed; with
# --whole-frames, whole; with --draw-shots-only, only the frames the shots show
# are drawn, so each of them whole.
shoot() {
  local script="$1" prefix="$2" saved="$3" option="${4:-}" folder
  folder="$(mktemp -d -p "$work")"
  ln -s "$build/Images" "$folder/Images"
  [ -z "$saved" ] || cp "$saved" "$folder/SavedGame.txt"
  awk -v shots="$prefix" '/^draws/ { printf "shot %s-%03d.png\n", shots, ++n; next }
    /^dump/ { next } { print }' "$script" >"$folder/script.txt"
  (cd "$folder" && "$build/quorvel-replay" $option script.txt >/dev/null)
}

# The Load Game script plays the game the three-days script saves; the days
# themselves are drawn by the benchmarks' cases rather than frame by frame.
mkdir -p "$work/played" "$work/shots" "$work/whole" "$work/limited"
ln -s "$build/Images" "$work/played/Images"
(cd "$work/played" && "$build/quorvel-replay" --no-gl "$data/golden/days.txt" >/dev/null)
saved="$work/played/SavedGame.txt"
# The front-end script shoots the closing screen of a game that ends itself, so
# all of it is drawn; the Load Game script's day is drawn only where it is shot.
shoot "$data/golden/front.txt" "$work/shots/front" ""
shoot "$data/golden/load.txt" "$work/shots/load" "$saved" --draw-shots-only
# The benchmarks close the window, which unloads the graphics driver before a
# sanitizer build looks for leaks: the driver's own leaks could not be told apart.
bench="$(mktemp -d -p "$work")"
ln -s "$build/Images" "$bench/Images"
(cd "$bench" && export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" &&
  "$build/quorvel-bench" --shots "$work/shots" 30 >/dev/null &&
  "$build/quorvel-bench-between-days-frames" --shots "$work/shots" 30 >/dev/null)

(cd "$work/shots" && sha256sum -- *) >"$work/screens.sha256"
if [ "${2:-}" = "--update" ]; then
  mkdir -p "$(dirname "$list")"
  cp "$work/screens.sha256" "$list"
  echo "recorded $(wc -l <"$list") screens"
  exit 0
elif ! diff "$list" "$work/screens.sha256" >"$work/diff"; then
  echo "screens drawn differently from the recording (< recorded, > drawn now):" >&2
  cat "$work/diff" >&2
  exit 1
fi
echo "$(wc -l <"$list") screens: same pixels"

cp "$work"/shots/front-* "$work/limited/"
cp "$work"/shots/load-* "$work/whole/"
shoot "$data/golden/front.txt" "$work/whole/front" "" --whole-frames
shoot "$data/golden/load.txt" "$work/limited/load" "$saved"
shoot "$here/changes.txt" "$work/whole/changes" "" --whole-frames
shoot "$here/changes.txt" "$work/limited/changes" ""
failed=0
for shot in "$work"/whole/*; do
  cmp -s "$shot" "$work/limited/${shot##*/}" ||
    { echo "${shot##*/}: drawn only where it changed, not as drawn whole" >&2; failed=1; }
done
shots="$(ls "$work/whole" | wc -l)"
[ "$shots" = "$(ls "$work/limited" | wc -l)" ] || { echo "shot counts differ" >&2; failed=1; }
[ $failed = 1 ] || echo "$shots shots: the same drawn only where they changed as drawn whole"
exit $failed
