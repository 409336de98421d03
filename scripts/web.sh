#!/usr/bin/env bash
# Builds the browser game into build-web/site (and its zip) with Debian's emscripten and
# serves it on http://127.0.0.1:8080/; --build only builds, --test builds and runs the
# browser build's tests. SDL2 and SDL2_mixer are built
# once from Debian's source packages into build-web/deps and kept there.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$here/build-web"
deps="$out/deps"
jobs="$(nproc)"
export NODE_PATH=/usr/share/nodejs  # Debian's emscripten finds its JavaScript modules there
export EM_CACHE="${EM_CACHE:-/usr/share/emscripten/cache}"

install_packages() {
  local packages=(emscripten nodejs python3 zip dpkg-dev chromium) missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "Installing: ${missing[*]}"
  local as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "${missing[@]}"
}

# Debian's source packages through a private apt configuration (the machine's own lists
# need no deb-src line): the versions Debian builds its own SDL2 packages from.
fetch_sources() {
  local apt="$deps/apt" src="$deps/src"
  [ -f "$src/.stamp" ] && return
  rm -rf "$apt" "$src"
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$src"
  echo "deb-src http://deb.debian.org/debian bookworm main" >"$apt/sources.list"
  local options=(-o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts=/nonexistent
                 -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache" -o APT::Sandbox::User=root)
  apt-get "${options[@]}" update -qq
  (cd "$src" && apt-get "${options[@]}" source -qq libsdl2=2.26.5+dfsg-1 libsdl2-mixer=2.6.2+dfsg-2 >/dev/null)
  touch "$src/.stamp"
}

# Static libraries for wasm32 in $deps/prefix: SDL2, and SDL2_mixer with WAV only.
build_sdl() {
  local prefix="$deps/prefix"
  [ -f "$prefix/.stamp" ] && return
  fetch_sources
  emcmake cmake -S "$here/web/deps" -B "$deps/build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DSDL2_SOURCE="$deps/src/libsdl2-2.26.5+dfsg" -DMIXER_SOURCE="$deps/src/libsdl2-mixer-2.6.2+dfsg" >/dev/null
  cmake --build "$deps/build" -j"$jobs"
  cmake --install "$deps/build" >/dev/null
  touch "$prefix/.stamp"
}

# The pictures and sounds come from the native build's generators.
build_data() {
  if [ -f "$here/build/CMakeCache.txt" ]; then
    cmake --build "$here/build" -j"$jobs" --target pictures sounds >/dev/null
  else
    "$here/scripts/setup.sh" "$here/build"
  fi
}

build_game() {
  emcmake cmake -S "$here" -B "$out/game" -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF -DQUORVEL_BENCH=OFF \
    -DQUORVEL_WEB_PREFIX="$deps/prefix" -DQUORVEL_WEB_DATA="$here/build" >/dev/null
  cmake --build "$out/game" -j"$jobs"
  local site="$out/site"
  rm -rf "$site" "$out/quorvel-web.zip"
  mkdir -p "$site"
  cp "$here/web/index.html" "$out/game/quorvel.js" "$out/game/quorvel.wasm" "$out/game/quorvel.data" "$site/"
  (cd "$site" && zip -q -X -r "$out/quorvel-web.zip" .)
  echo "The game's page: $site (zipped: $out/quorvel-web.zip); quorvel-replay for node: $out/game/quorvel-replay"
}

# quorvel-replay under node prints the golden bytes, and the page, played in headless
# Chromium, keeps step with the native game.
run_tests() {
  QUORVEL_REPLAY="$out/game/quorvel-replay" bash "$here/tests/golden/check.sh" "$here/build"
  (cd "$here/web" && npm ci --no-audit --no-fund --loglevel=error && npm test)
}

mode="${1:-}"
install_packages
build_sdl
build_data
build_game
[ "$mode" = "--build" ] && exit 0
[ "$mode" = "--test" ] && { run_tests; exit 0; }
echo "Serving on http://127.0.0.1:8080/ (Ctrl+C stops)"
cd "$out/site" && exec python3 -m http.server 8080 --bind 127.0.0.1
