#!/usr/bin/env bash
# The installed game and its Debian packages. $1 is "installed" (install into a
# temporary prefix, validate the desktop files, start the installed game under an
# X server from an unrelated folder) or "package" (build both packages, list their
# files, check them and their dependencies, and run lintian on them); $2 is the
# build folder.
set -euo pipefail
mode="$1"
build="$(cd "$2" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# What each package holds, as paths under the prefix.
game=(
  games/quorvel
  share/games/quorvel/Images/Font.bmp
  share/games/quorvel/Images/Star.bmp
  share/games/quorvel/Sounds/ambience.wav
  share/applications/org.quorvel.Quorvel.desktop
  share/metainfo/org.quorvel.Quorvel.metainfo.xml
  share/icons/hicolor/48x48/apps/quorvel.png
  share/icons/hicolor/128x128/apps/quorvel.png
  share/icons/hicolor/256x256/apps/quorvel.png
  share/man/man6/quorvel.6.gz
  share/doc/quorvel/copyright
  share/doc/quorvel/changelog.gz
)
tools=(
  games/quorvel-replay
  share/man/man6/quorvel-replay.6.gz
  share/doc/quorvel-tools/copyright
  share/doc/quorvel-tools/changelog.gz
)
# The benchmarks, each with its manual page, where the build makes them.
if [ -x "$build/quorvel-bench" ]; then
  for b in quorvel-bench quorvel-bench-between-days-frames quorvel-bench-frame-wait; do
    tools+=("games/$b" "share/man/man6/$b.6.gz")
  done
fi

fail() { echo "FAIL: $*" >&2; exit 1; }

# Width and height of a PNG, from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }

installed() {
  local prefix="$work/prefix"
  cmake --install "$build" --prefix "$prefix" >/dev/null
  for f in "${game[@]}" "${tools[@]}"; do [ -e "$prefix/$f" ] || fail "not installed: $f"; done
  [ "$(ls "$prefix/share/games/quorvel/Images" | wc -l)" -eq 62 ] || fail "not 62 pictures"
  for size in 48 128 256; do
    [ "$(png_size "$prefix/share/icons/hicolor/${size}x${size}/apps/quorvel.png")" = "${size}x${size}" ] ||
      fail "icon of ${size} pixels has another size"
  done
  local entry="$prefix/share/applications/org.quorvel.Quorvel.desktop"
  local metainfo="$prefix/share/metainfo/org.quorvel.Quorvel.metainfo.xml"
  desktop-file-validate "$entry" || fail "desktop entry"
  appstreamcli validate --pedantic --no-net "$metainfo" >"$work/appstream" 2>&1 ||
    fail "metainfo: $(cat "$work/appstream")"

  # Nothing of the game in the working folder or its parent: only the installed
  # pictures can be found, and nothing may be written here or in the player's
  # data folder before a save. While it runs, its window must carry the class
  # the desktop entry names, so that docks match the two.
  local class; class="$(sed -n 's/^StartupWMClass=//p' "$entry")"
  [ -n "$class" ] || fail "the desktop entry names no StartupWMClass"
  mkdir -p "$work/elsewhere/here" "$work/home"
  cat >"$work/run.sh" <<EOF
timeout 6 '$prefix/games/quorvel' 2>'$work/stderr' &
game=\$!
while kill -0 \$game 2>/dev/null; do
  if xdotool search --class '^$class\$' >/dev/null 2>&1; then echo found >'$work/class'; break; fi
  sleep 0.2
done
wait \$game
echo \$? >'$work/rc'
EOF
  cd "$work/elsewhere/here"
  HOME="$work/home" XDG_DATA_HOME="" xvfb-run -a -s "-screen 0 1024x768x24" sh "$work/run.sh"
  local rc; rc="$(cat "$work/rc")"
  [ "$rc" = 124 ] || fail "the installed game stopped with status $rc: $(cat "$work/stderr")"
  [ -e "$work/class" ] || fail "no window of class $class (StartupWMClass) while the game ran"
  [ -z "$(ls -A "$work/elsewhere/here")" ] || fail "the game wrote into the working folder"
  [ ! -e "$work/home/.local/share/quorvel" ] || fail "the data folder was made before any save"

  # The installed replay tool finds the same pictures.
  printf 'frames 2\ndump\n' | SDL_VIDEODRIVER=offscreen "$prefix/games/quorvel-replay" --no-gl |
    grep -q '"screen":"title"' || fail "the installed replay tool did not run"
  echo "installed game ran from $work/elsewhere/here until stopped, its window of class $class"
}

# The package's files, whether its manual pages are compressed, and its Depends,
# left in the caller's `depends`.
check_package() {
  local deb="$1"; shift
  echo "$(basename "$deb"):"
  dpkg-deb -c "$deb" | awk '{print $6}' | tee "$work/files"
  for f in "$@"; do grep -qx "./usr/$f" "$work/files" || fail "not in $(basename "$deb"): $f"; done
  ! grep -q '^./usr/bin/' "$work/files" || fail "a program in /usr/bin rather than /usr/games"
  ! grep -E '^./usr/share/man/.*\.[0-9]$' "$work/files" || fail "an uncompressed manual page"
  depends="$(dpkg-deb -f "$deb" Depends)"
  echo "Depends: $depends"
  ! grep -q 'mesa-dri' <<<"$depends" || fail "$(basename "$deb") names a GL driver"
}

package() {
  cd "$work"
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
  local deb="$work/package/quorvel_1.0.0_amd64.deb" tools_deb="$work/package/quorvel-tools_1.0.0_amd64.deb"
  local depends
  check_package "$deb" "${game[@]}"
  for lib in libsdl2-2 libsdl2-mixer libgl1 libglu1-mesa libstdc++6; do
    grep -q "$lib" <<<"$depends" || fail "the game does not depend on $lib"
  done
  ! grep -q libpng <<<"$depends" || fail "the game depends on libpng, which only the replay tool needs"
  check_package "$tools_deb" "${tools[@]}"
  for lib in "quorvel (= 1.0.0)" libpng16; do
    grep -qF "$lib" <<<"$depends" || fail "the tools do not depend on $lib"
  done
  local copyright; copyright="$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/quorvel/copyright)"
  head -1 <<<"$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not in the machine-readable format"

  # Errors fail; what else lintian says is printed for the record.
  local status=0
  lintian --fail-on error --display-info --tag-display-limit 0 "$deb" "$tools_deb" >"$work/lintian" 2>&1 || status=$?
  grep -v 'running with root privileges' "$work/lintian" || true
  [ "$status" = 0 ] || fail "lintian found errors"
  echo "lintian: $(grep -c '^E:' "$work/lintian" || true) errors, $(grep -c '^W:' "$work/lintian" || true) warnings"
}

"$mode"
