#!/usr/bin/env bash
# build.sh BUILD_DIR [cmake options...]: configures and builds the project.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1; shift
cmake -S "$root" -B "$dir" "$@" > "$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; exit 1; }
cmake --build "$dir" -j "$(nproc)"
