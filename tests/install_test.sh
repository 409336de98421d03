#!/usr/bin/env bash
# The installed game and its Debian package. $1 is "installed" (install into a
# temporary prefix, validate the desktop files, start the installed game under an
# X server from an unrelated folder) or "package" (build the package, list its
# files and check them and its dependencies); $2 is the build folder.
set -euo pipefail
mode="$1"
build="$(cd "$2" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

expected=(
  bin/quorvel
  bin/quorvel-replay
  share/quorvel/Images/Font.bmp
  share/quorvel/Images/Star.bmp
  share/quorvel/Sounds/ambience.wav
  share/applications/org.quorvel.Quorvel.desktop
  share/metainfo/org.quorvel.Quorvel.metainfo.xml
  share/icons/hicolor/48x48/apps/quorvel.png
  share/icons/hicolor/128x128/apps/quorvel.png
  share/icons/hicolor/256x256/apps/quorvel.png
  share/man/man6/quorvel.6
  share/man/man6/quorvel-replay.6
)

fail() { echo "FAIL: $*" >&2; exit 1; }

# Width and height of a PNG, from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }

installed() {
  local prefix="$work/prefix"
  cmake --install "$build" --prefix "$prefix" >/dev/null
  for f in "${expected[@]}"; do [ -e "$prefix/$f" ] || fail "not installed: $f"; done
  [ "$(ls "$prefix/share/quorvel/Images" | wc -l)" -eq 62 ] || fail "not 62 pictures"
  for size in 48 128 256; do
    [ "$(png_size "$prefix/share/icons/hicolor/${size}x${size}/apps/quorvel.png")" = "${size}x${size}" ] ||
      fail "icon of ${size} pixels has another size"
  done
  desktop-file-validate "$prefix/share/applications/org.quorvel.Quorvel.desktop" || fail "desktop entry"
  appstreamcli validate --no-net "$prefix/share/metainfo/org.quorvel.Quorvel.metainfo.xml" >/dev/null ||
    fail "metainfo: $(appstreamcli validate --no-net "$prefix/share/metainfo/org.quorvel.Quorvel.metainfo.xml")"

  # Nothing of the game in the working folder or its parent: only the installed
  # pictures can be found, and nothing may be written here or in the player's
  # data folder before a save.
  mkdir -p "$work/elsewhere/here" "$work/home"
  cd "$work/elsewhere/here"
  HOME="$work/home" XDG_DATA_HOME="" xvfb-run -a -s "-screen 0 1024x768x24" \
    sh -c "timeout 4 '$prefix/bin/quorvel' 2>'$work/stderr'; echo \$? > '$work/rc'"
  local rc; rc="$(cat "$work/rc")"
  [ "$rc" = 124 ] || fail "the installed game stopped with status $rc: $(cat "$work/stderr")"
  [ -z "$(ls -A "$work/elsewhere/here")" ] || fail "the game wrote into the working folder"
  [ ! -e "$work/home/.local/share/quorvel" ] || fail "the data folder was made before any save"

  # The installed replay tool finds the same pictures.
  printf 'frames 2\ndump\n' | SDL_VIDEODRIVER=offscreen "$prefix/bin/quorvel-replay" --no-gl |
    grep -q '"screen":"title"' || fail "the installed replay tool did not run"
  echo "installed game ran from $work/elsewhere/here until stopped"
}

package() {
  cd "$work"
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
  local deb; deb="$(ls "$work"/package/*.deb)"
  echo "$(basename "$deb"):"
  dpkg-deb -c "$deb" | awk '{print $6}' | tee "$work/files"
  for f in "${expected[@]}"; do grep -qx "./usr/$f" "$work/files" || fail "not in the package: $f"; done
  local depends; depends="$(dpkg-deb -f "$deb" Depends)"
  echo "Depends: $depends"
  for lib in libsdl2-2 libsdl2-mixer libgl1 libglu1-mesa libpng16 libstdc++6; do
    grep -q "$lib" <<<"$depends" || fail "the package does not depend on $lib"
  done
}

"$mode"
