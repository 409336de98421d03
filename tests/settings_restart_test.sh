#!/usr/bin/env bash
# The player's settings last: volume and full screen changed with real keys in a
# real (virtual) X window come back at the next start, a damaged settings file is
# named on the terminal and the game starts on the defaults, and the window's class
# is the desktop entry's. $1 is the build folder, $2 the source folder.
set -euo pipefail
build="$(cd "$1" && pwd)"
source_dir="$(cd "$2" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
ln -s "$build/Images" Images; ln -s "$build/Sounds" Sounds
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"  # as in recorded_game_test.sh
conf="$XDG_CONFIG_HOME/quorvel/settings.conf"
class="$(sed -n 's/^StartupWMClass=//p' "$source_dir/packaging/org.quorvel.Quorvel.desktop")"
[ -n "$class" ] || { echo "the desktop entry names no StartupWMClass"; exit 1; }

# One run of the game: the keys given are pressed, then the window is closed;
# the window's size and the terminal's lines are left in run.size and run.err.
cat > run.sh <<'RUN'
set -eu
class="$1"; shift
timeout 60 "$BUILD/quorvel" 2> run.err &
game=$!
window="$(timeout 30 xdotool search --sync --onlyvisible --class "^$class\$" | tail -1)"
xdotool windowfocus --sync "$window" || true
sleep 0.5
for key in "$@"; do xdotool key "$key"; sleep 0.3; done
xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p' > run.size
xdotool windowclose "$window" 2>/dev/null || kill "$game"
wait "$game"
RUN
run() { BUILD="$build" xvfb-run -a -s "-screen 0 1024x768x24" bash run.sh "$class" "$@"; }

run F3 F3 F11 || { echo "the game did not run: $(cat run.err)"; exit 1; }
grep -qx 'volume = 8' "$conf" && grep -qx 'full_screen = on' "$conf" ||
  { echo "the changed settings were not written:"; cat "$conf"; exit 1; }

run F4 || { echo "the game did not run again: $(cat run.err)"; exit 1; }
[ "$(cat run.size)" = 1024x768 ] || { echo "full screen was not restored: $(cat run.size)"; exit 1; }
grep -qx 'volume = 9' "$conf" || { echo "the volume did not start where it was left:"; cat "$conf"; exit 1; }

printf 'volume = loud\n' > "$conf"
run || { echo "a damaged settings file stopped the game: $(cat run.err)"; exit 1; }
grep -qx "quorvel: $conf: line 1: volume is \"loud\", not a whole number from 0 to 10; using the defaults" run.err ||
  { echo "the damaged settings file was not named:"; cat run.err; exit 1; }
[ "$(cat run.size)" = 800x600 ] || { echo "a damaged file did not give the default window: $(cat run.size)"; exit 1; }
echo "volume and full screen came back after a restart; a damaged file gave the defaults"
