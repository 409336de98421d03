#!/usr/bin/env bash
# What the game and the replay tool say when asked for help or when something is
# wrong: each case is a command, its exit status and the start of what it printed.
# No case may open a window: the display is taken away. $1 is the build folder,
# $2 the source folder.
set -uo pipefail
build="$(cd "$1" && pwd)"
source="$(cd "$2" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
unset DISPLAY WAYLAND_DISPLAY SDL_VIDEODRIVER
export HOME="$work" SDL_AUDIODRIVER=dummy
game="$build/quorvel"
replay="$build/quorvel-replay"
failed=0

# expect STATUS TEXT COMMAND...: the command exits with STATUS and its first line
# of output (standard error, else standard output) starts with TEXT.
expect() {
  local status="$1" text="$2"
  shift 2
  "$@" >out.txt 2>err.txt
  local got=$?
  local first; first="$(head -1 err.txt)"
  [ -n "$first" ] || first="$(head -1 out.txt)"
  if [ "$got" != "$status" ] || [ "${first#"$text"}" = "$first" ]; then
    echo "FAIL: $*: status $got (not $status), said: $first (not: $text...)"
    failed=1
  fi
}

mkdir folder
printf 'down N\nfly away\n' > not-a-recording.txt
for program in quorvel quorvel-replay; do
  expect 0 "Usage: $program" "$build/$program" --help
  expect 0 "$program 1." "$build/$program" --version
  expect 2 "$program: unknown option '--foo'" "$build/$program" --foo
  [ "$(wc -l <err.txt)" = 2 ] && grep -q "^Usage: $program" err.txt || { echo "FAIL: $program --foo: no usage"; failed=1; }
  expect 2 "$program: folder: is a folder" "$build/$program" $([ $program = quorvel ] && echo --play) folder
  expect 2 "$program: $game: not a replay script: it holds binary data" \
    "$build/$program" $([ $program = quorvel ] && echo --play) "$game"
  [ "$(wc -c <err.txt)" -lt 200 ] || { echo "FAIL: $program printed the bytes of a binary file"; failed=1; }

  # Every option of the help is in the manual page and the README.
  "$build/$program" --help | grep -o -- '--[a-z-]*' | sort -u | while read -r option; do
    grep -q -- "${option//-/\\\\-}" "$source/packaging/$program.6" || echo "FAIL: $option not in $program.6"
    grep -q -- "$option" "$source/README.md" || echo "FAIL: $option not in README.md"
  done | grep FAIL && failed=1
done
expect 2 "quorvel: option '--record' needs a FILE" "$game" --record
expect 2 "quorvel: not-a-recording.txt: not a recording: line 2: unknown command 'fly'" \
  "$game" --play not-a-recording.txt
expect 2 "quorvel: folder: is a folder" "$game" --dump-at-exit folder

# Without a display the game says so and stops; it never runs unseen (the timeout
# turns a game that keeps running into a failure; how fast it gives up is no test's business).
expect 1 "quorvel: no display to open the window on: neither DISPLAY nor WAYLAND_DISPLAY" timeout 10 "$game"

# Holding Escape waits out each frame: three seconds are at most 375 passes.
ln -s "$build/Images" Images
printf 'down ESCAPE\nframes 100000\n' > escape.txt
SDL_VIDEODRIVER=offscreen timeout 3 "$game" --mute --play escape.txt --dump-at-exit escape.json 2>/dev/null
passes="$(grep -o '"frame":[0-9]*' escape.json | cut -d: -f2)"
[ -n "$passes" ] && [ "$passes" -le 385 ] || { echo "FAIL: Escape held: $passes passes in 3 s"; failed=1; }

# Pictures: the missing one, the damaged one (once, though it stands for three
# pictures), then none in any folder.
rm Images
mkdir Images
cp "$build"/Images/*.bmp Images/
rm Images/Fries.bmp
printf 'BM\0\0\0\0\0\0\0\0\66\0\0\0\154\0\0\0' > Images/Hamburger.bmp
printf 'frames 1\n' | "$replay" --no-gl 2>err.txt >/dev/null
grep -qx "quorvel-replay: Images/Fries.bmp: missing" err.txt &&
  [ "$(grep -c "^quorvel-replay: Images/Hamburger.bmp: not a picture: unknown DIB header (108 bytes)$" err.txt)" = 1 ] ||
  { echo "FAIL: pictures: $(cat err.txt)"; failed=1; }
mkdir -p empty/inner
cd empty/inner
expect 1 "quorvel-replay: no pictures: tried Images/ (no such folder), ../Images/ (no such folder), " "$replay" --no-gl
exit $failed
