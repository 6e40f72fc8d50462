#!/usr/bin/env bash
# build.sh BUILD_DIR [--target NAME] [cmake options...]: configures and builds
# the project, or only NAME and what it needs.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1; shift
target=()
if [ "${1:-}" = --target ]; then
  target=(--target "$2"); shift 2
fi
cmake -S "$root" -B "$dir" "$@" > "$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; exit 1; }
cmake --build "$dir" -j "$(nproc)" "${target[@]}"
