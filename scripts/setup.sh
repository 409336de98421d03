#!/usr/bin/env bash
# Installs what the build needs (Debian 12 packages), then configures and builds
# into build/ (or the folder given as $1, with extra CMake arguments after it).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

packages=(build-essential cmake pkg-config ccache libsdl2-dev libsdl2-mixer-dev libgl-dev
          libglu1-mesa-dev libgl1-mesa-dri libegl-dev libegl-mesa0 libfreetype-dev fonts-dejavu-core
          fonts-noto-color-emoji libharfbuzz-dev libpng-dev nlohmann-json3-dev libgtest-dev
          xvfb xauth clang libclang-rt-14-dev desktop-file-utils appstream xdotool dpkg-dev file
          lintian python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "${missing[@]}"
fi

build="${1:-$here/build}"
shift || true
cmake -S "$here" -B "$build" "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
