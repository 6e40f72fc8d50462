#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a normal
# build and once with AddressSanitizer and UndefinedBehaviorSanitizer.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
mkdir -p "$root/build"
bash "$root/scripts/build.sh" "$root/build/release"
(cd "$root/build/release" && ctest -j "$(nproc)" --output-on-failure)
bash "$root/scripts/build.sh" "$root/build/sanitize" -DTYX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1
(cd "$root/build/sanitize" && ctest -j "$(nproc)" --output-on-failure)
