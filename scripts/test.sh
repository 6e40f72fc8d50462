#!/usr/bin/env bash
# Installs what is missing, checks that the main window form is up to date
# with its generator, builds, and runs every test: once in a normal build and
# once with AddressSanitizer and UndefinedBehaviorSanitizer.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
# The committed main window form must be what its generator makes of its table.
python3 "$root/forms/tools/gencolourtabs.py" --check
mkdir -p "$root/build"
bash "$root/scripts/build.sh" "$root/build/release"
(cd "$root/build/release" && ctest -j "$(nproc)" --output-on-failure)
bash "$root/scripts/build.sh" "$root/build/sanitize" -DTYX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1
(cd "$root/build/sanitize" && ctest -j "$(nproc)" --output-on-failure)
