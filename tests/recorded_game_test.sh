#!/usr/bin/env bash
# A game played with real key presses in a real (virtual) X window, recorded with
# --record, ends in the same state (--dump-at-exit) as quorvel-replay reaches
# from the recording, and as the game reaches playing it (--play). $1 is the
# build folder.
set -euo pipefail
build="$(cd "$1" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
ln -s "$build/Images" Images
export HOME="$work"
# In a sanitizer build: the window system's libraries, unloaded when the game shuts
# down, leave a few allocations that can no longer be traced to anyone; the game's
# own code is checked for leaks by the replay tool's tests.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# The way into a new game is played from a recording, so that no real key is
# lost to the title menu's intro however slowly the frames come; the player's
# keys take over when it ends, and the recording holds both.
printf 'down SPACE\nframes 250\nup SPACE\nframes 2\npress N\npress ENTER\nframes 2\n' > start.txt

cat > play.sh <<'PLAY'
set -eu
timeout 120 "$1/quorvel" --play start.txt --record recording.txt --dump-at-exit final.json 2> game.err &
game=$!
window="$(xdotool search --sync --name Quorvel | head -1)"
xdotool windowfocus --sync "$window" || true
# A key is held across a few frames: a press and release handled between two
# frames would never be seen down.
hold() { xdotool keydown "$1"; sleep 0.15; xdotool keyup "$1"; sleep 0.1; }
# The played start ends a couple of frames after its Enter is let go.
for _ in $(seq 600); do grep -q '^up ENTER' recording.txt 2>/dev/null && break; sleep 0.1; done
sleep 0.3
hold Return; sleep 0.3; hold h; hold f; hold k; hold End
xdotool windowsize "$window" 1024 600; sleep 0.3
hold Right; sleep 0.3; hold 1; hold space
hold Tab; sleep 0.3; hold Tab
hold Left; hold Left
hold Escape
wait "$game"
PLAY
xvfb-run -a -s "-screen 0 1280x1024x24" bash play.sh "$build" ||
  { echo "the game failed: $(cat game.err)"; exit 1; }

grep -q '^down END' recording.txt || { echo "no key reached the game"; cat recording.txt; exit 1; }
grep -q '^resize 1024 600' recording.txt || { echo "the resize was not recorded"; exit 1; }
grep -q '"titleMenuActive":false' final.json && grep -q '"done":true' final.json ||
  { echo "the game did not get past the title menu and close"; exit 1; }
{ cat recording.txt; echo dump; } | SDL_VIDEODRIVER=offscreen "$build/quorvel-replay" --no-gl > replayed.json
if ! cmp -s final.json replayed.json; then
  echo "the replayed recording ends elsewhere than the game did"
  cat recording.txt
  diff <(tr ',' '\n' < final.json) <(tr ',' '\n' < replayed.json) | head -20
  exit 1
fi
# Shown in the window, the recording plays the same game to the same end.
xvfb-run -a -s "-screen 0 1280x1024x24" timeout 120 "$build/quorvel" --play recording.txt --dump-at-exit played.json
cmp -s final.json played.json || { echo "the recording played in the window ends elsewhere"; exit 1; }
echo "recorded $(grep -c '^frames' recording.txt) stretches of frames; the replay ends in the same state"
