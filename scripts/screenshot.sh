#!/usr/bin/env bash
# screenshot.sh [OUTPUT.png]: takes the README's picture of the main window
# (docs/mainwindow.png unless told otherwise). The tool runs as the GUI tests
# do, in a virtual X server (Xvfb, 1920x1080) with a temporary HOME, here
# filled as a demo user's, so neither this desktop nor the real user's files
# show in the picture. Besides what run.sh needs it takes ImageMagick.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
output=$(realpath -m "${1:-$root/docs/mainwindow.png}")
bash "$root/scripts/install-deps.sh" imagemagick
mkdir -p "$root/build" "$(dirname "$output")"
bash "$root/scripts/build.sh" "$root/build/release" --target tessary-extractor
unset QT_FONT_DPI

# Without a window manager the window is the only thing on the black root
# window: trimming the black away leaves exactly the window.
bash "$root/tests/runtest.sh" gui bash -c '
  root=$1 output=$2
  bash "$root/scripts/demohome.sh" "$HOME"
  "$root/build/release/app/tessary-extractor" & pid=$!
  shown=""
  for _ in $(seq 100); do
    sleep 0.2
    kill -0 "$pid" 2> /dev/null || break
    size=$(import -window root -trim +repage png:- 2> /dev/null | identify -format "%wx%h" - 2> /dev/null || true)
    if [ "$size" = 730x560 ]; then shown=yes; break; fi
  done
  if [ -z "$shown" ]; then
    echo "screenshot.sh: the main window did not show" >&2
    kill "$pid" 2> /dev/null
    exit 1
  fi
  sleep 1  # the previews paint after the window shows
  import -window root -trim +repage -strip "$output.tmp.png" && mv "$output.tmp.png" "$output"
  kill "$pid"
  wait "$pid" 2> /dev/null || true
' screenshot "$root" "$output"
echo "Wrote $output"
