#!/bin/sh
# The real game opens its window under an X server and keeps running its loop
# until stopped. $1 is the build folder (it holds Images/).
cd "$1" || exit 1
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing"; exit 1; }
xvfb-run -a -s "-screen 0 1024x768x24" sh -c 'timeout 4 ./quorvel; echo $? > window_smoke.rc'
rc=$(cat window_smoke.rc 2>/dev/null)
rm -f window_smoke.rc
echo "quorvel ran until stopped: status $rc"
[ "$rc" = 124 ]
