#!/usr/bin/env bash
# screenshot.sh [OUTPUT.png]: takes the README's picture of the main window
# (docs/mainwindow.png unless told otherwise). The tool runs in a virtual X
# server (Xvfb, 1920x1080) with a demo user's HOME in a temporary folder, so
# neither this desktop nor the real user's files show in the picture.
# Needs ImageMagick (apt-get install imagemagick) besides what run.sh needs.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
output=$(realpath -m "${1:-$root/docs/mainwindow.png}")
if ! command -v import > /dev/null; then
  echo "screenshot.sh needs ImageMagick's import: apt-get install imagemagick" >&2
  exit 1
fi
bash "$root/scripts/install-deps.sh"
mkdir -p "$root/build" "$(dirname "$output")"
bash "$root/scripts/build.sh" "$root/build/release" --target tessary-extractor

home=$(mktemp -d "${TMPDIR:-/tmp}/tyx-screenshot.XXXXXX")
trap 'rm -rf "$home"' EXIT
bash "$root/scripts/demohome.sh" "$home"
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share
export XDG_CACHE_HOME=$home/.cache XDG_RUNTIME_DIR=$home/.runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset XDG_DOCUMENTS_DIR QT_FONT_DPI
export QT_QPA_PLATFORM=xcb

# Without a window manager the window is the only thing on the black root
# window: trimming the black away leaves exactly the window.
xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp" bash -c '
  program=$1 output=$2
  "$program" & pid=$!
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
' screenshot "$root/build/release/app/tessary-extractor" "$output"
echo "Wrote $output"
