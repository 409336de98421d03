#!/usr/bin/env bash
# The real game in a (virtual) X window shows exactly the pixels quorvel-replay
# draws, after frames that changed only in parts (which are copied to the
# window); and a window widened on a still screen, drawn whole after the resize,
# shows what a window widened before the screen came up shows. $1 is the build folder.
set -euo pipefail
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
ln -s "$build/Images" Images
export HOME="$work" ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# The options, one of them toggled: the options screen then stays as it is.
printf 'down SPACE\nframes 250\nup SPACE\nframes 2\npress O\nframes 20\npress A\nframes 20\n' >start.txt
{ cat start.txt; echo "frames 20"; echo "shot $work/replayed.png"; } >shot.txt
SDL_VIDEODRIVER=offscreen "$build/quorvel-replay" shot.txt >/dev/null

# Plays start.txt in the game's window, widened first when $3 is "early", and
# saves what the window shows at the end as $2-*.ppm.
cat >look.sh <<'LOOK'
set -eu
rm -f recording.txt
"$1/quorvel" --mute --play start.txt --record recording.txt 2>game.err &
game=$!
window="$(xdotool search --sync --name Quorvel | head -1)"
[ "$3" = late ] || xdotool windowsize "$window" 1024 600
for _ in $(seq 600); do grep -q '^up A' recording.txt 2>/dev/null && break; sleep 0.1; done
sleep 1
python3 "$4/window_pixels.py" grab "$window" "$2-end.ppm"
[ "$3" = early ] || { xdotool windowsize "$window" 1024 600; sleep 1; }
python3 "$4/window_pixels.py" grab "$window" "$2-widened.ppm"
kill "$game"
LOOK
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c \
  "bash look.sh '$build' late late '$here' && bash look.sh '$build' early early '$here'" || { cat game.err >&2; exit 1; }
python3 "$here/window_pixels.py" same late-end.ppm replayed.png
python3 "$here/window_pixels.py" same late-widened.ppm early-widened.ppm
echo "the game's window shows the replayed pixels, and the same widened late or early"
