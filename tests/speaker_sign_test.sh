#!/usr/bin/env bash
# The speaker sign in the real game's window: F4 over a still screen brings it up
# at the top right, and about a second and a half later the window shows exactly
# what it showed before, the sign's box drawn again. $1 is the build folder.
set -euo pipefail
build="$(cd "$1" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
ln -s "$build/Images" Images
export HOME="$work" XDG_CONFIG_HOME="$work/config" ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

cat >watch.py <<'WATCH'
"""Waits for window $1 to stand still, presses F4, and prints the seconds until the
window first differs and until it is exactly as it was again (None when not)."""
import ctypes, ctypes.util, subprocess, sys, time
x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
x11.XOpenDisplay.restype = ctypes.c_void_p
class XImage(ctypes.Structure):  # its first fields
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte))]
x11.XGetImage.restype = ctypes.POINTER(XImage)
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + [ctypes.c_uint] * 2 + \
    [ctypes.c_ulong, ctypes.c_int]
display, window = x11.XOpenDisplay(None), int(sys.argv[1])
def picture(x=0, y=0, width=800, height=600):
    image = x11.XGetImage(display, window, x, y, width, height, 0xFFFFFFFF, 2)
    pixels = bytearray(ctypes.string_at(image.contents.data, width * height * 4))
    x11.XDestroyImage(image)
    del pixels[3::4]  # the fourth byte holds no colour
    return pixels
def corner():  # around where the sign shows: window pixels 570-790 across, 40-130 down
    return picture(570, 40, 220, 90)
before, still, waited = picture(), 0, time.monotonic()
while still < 4:
    if time.monotonic() - waited > 60:
        sys.exit("the window never stood still")
    time.sleep(0.25)
    now = picture()
    still, before = (still + 1 if now == before else 0), now
start = corner()
pressed = time.monotonic()
subprocess.run(["xdotool", "key", "--window", str(window), "F4"], check=True)
shown = gone = None
while gone is None and time.monotonic() - pressed < 6:
    now = corner()
    if shown is None and now != start:
        shown = time.monotonic() - pressed
    elif shown is not None and now == start:
        gone = time.monotonic() - pressed
    time.sleep(0.02)
time.sleep(0.3)
print(shown, gone, "same" if picture() == before else "changed")
WATCH
# The options screen, which stands still.
printf 'down SPACE\nframes 250\nup SPACE\nframes 2\npress O\nframes 20\n' >start.txt
cat >look.sh <<'LOOK'
set -eu
"$1/quorvel" --mute --play start.txt 2>game.err &
game=$!
window="$(xdotool search --sync --name Quorvel | head -1)"
python3 watch.py "$window" >seen.txt
kill "$game"
LOOK
xvfb-run -a -s "-screen 0 1280x1024x24" bash look.sh "$build" || { cat game.err >&2; exit 1; }

read -r shown gone whole <seen.txt
[ "$shown" != None ] || { echo "the window showed no speaker sign after F4" >&2; exit 1; }
[ "$gone" != None ] || { echo "the speaker sign's corner was not as before 6 s after F4" >&2; exit 1; }
# The sign lasts 1.5 s from the key press's handling, which comes after the press.
python3 -c "import sys; sys.exit(0 if float('$gone') >= 1.45 else 1)" ||
  { echo "the speaker sign went after $gone s" >&2; exit 1; }
[ "$whole" = same ] || { echo "after the speaker sign the window was not as before" >&2; exit 1; }
echo "the sign showed after $shown s at the top right and went after $gone s; the window is as before"
