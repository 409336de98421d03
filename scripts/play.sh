#!/usr/bin/env bash
# Sets everything up and starts the game from the build folder (which holds Images/).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh" "$here/build"
cd "$here/build"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: running under xvfb-run (nothing will be visible)." >&2
  exec xvfb-run -a -s "-screen 0 1024x768x24" ./quorvel
fi
exec ./quorvel
