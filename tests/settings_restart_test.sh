#!/usr/bin/env bash
# The player's settings last: volume and full screen changed with real keys in a
# real (virtual) X window come back at the next start, a damaged settings file is
# named on the terminal and the game starts on the defaults, and the window has the
# game's icon and the desktop entry's class. $1 is the build folder, $2 the source folder.
set -euo pipefail
build="$(cd "$1" && pwd)"
source_dir="$(cd "$2" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
for folder in Images Sounds icons; do ln -s "$build/$folder" "$folder"; done
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"  # as in recorded_game_test.sh
conf="$XDG_CONFIG_HOME/quorvel/settings.conf"
class="$(sed -n 's/^StartupWMClass=//p' "$source_dir/packaging/org.quorvel.Quorvel.desktop")"
[ -n "$class" ] || { echo "the desktop entry names no StartupWMClass"; exit 1; }

# One run of the game: the keys given are pressed (or the window resized), then it is closed;
# the window's size and the terminal's lines are left in run.size and run.err.
cat > run.sh <<'RUN'
set -eu
class="$1"; shift
timeout 60 "$BUILD/quorvel" 2> run.err &
game=$!
window="$(timeout 30 xdotool search --sync --onlyvisible --class "^$class\$" | tail -1)"
xdotool windowfocus --sync "$window" || true
sleep 0.5
# The window shows before the remembered settings are applied (slowly under a sanitizer):
# a run that expects a remembered size waits for it before pressing anything.
if [ -n "${WAIT_SIZE:-}" ]; then
  for _ in $(seq 300); do
    [ "$(xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p')" = "$WAIT_SIZE" ] && break
    sleep 0.1
  done
fi
for key in "$@"; do
  if [ "$key" = resize ]; then
    xdotool windowsize "$window" 1000 700
    # A loaded machine may hand the game the new size late: wait until it is written,
    # so the keys after it cannot overtake it.
    for _ in $(seq 100); do grep -qx 'window_width = 1000' "$CONF" 2>/dev/null && break; sleep 0.1; done
  else xdotool key "$key"; fi
  sleep 0.3
done
xprop -id "$window" _NET_WM_ICON | head -c 60 > run.icon
xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p' > run.size
kill -TERM "$game"  # SDL takes it for the window's close
wait "$game"
RUN
run() { BUILD="$build" CONF="$conf" WAIT_SIZE="${WAIT_SIZE:-}" xvfb-run -a -s "-screen 0 1024x768x24" bash run.sh "$class" "$@"; }

run resize F3 F3 F11 || { echo "the game did not run: $(cat run.err)"; exit 1; }
for line in 'volume = 8' 'full_screen = on' 'window_width = 1000' 'window_height = 700'; do
  grep -qx "$line" "$conf" || { echo "the changed settings were not written ($line):"; cat "$conf"; exit 1; }
done
[ ! -s run.err ] || { echo "the game complained (the icon?):"; cat run.err; exit 1; }
grep -q 'Icon (64 x 64)' run.icon || { echo "the window shows no icon: $(cat run.icon)"; exit 1; }

# Without a window manager full screen does not change the window's geometry: F11
# leaving it shows the game started in it.
WAIT_SIZE=1000x700 run F4 F11 || { echo "the game did not run again: $(cat run.err)"; exit 1; }
grep -qx 'full_screen = off' "$conf" || { echo "full screen was not restored:"; cat "$conf"; exit 1; }
grep -qx 'volume = 9' "$conf" || { echo "the volume did not start where it was left:"; cat "$conf"; exit 1; }
[ "$(cat run.size)" = 1000x700 ] || { echo "the window size was not restored: $(cat run.size)"; exit 1; }

printf 'volume = loud\n' > "$conf"
run || { echo "a damaged settings file stopped the game: $(cat run.err)"; exit 1; }
grep -qx "quorvel: $conf: line 1: volume is \"loud\", not a whole number from 0 to 10; using the defaults" run.err ||
  { echo "the damaged settings file was not named:"; cat run.err; exit 1; }
[ "$(cat run.size)" = 800x600 ] || { echo "a damaged file did not give the default window: $(cat run.size)"; exit 1; }
echo "volume and full screen came back after a restart; a damaged file gave the defaults"
