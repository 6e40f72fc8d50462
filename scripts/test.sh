#!/usr/bin/env bash
# Installs what is missing, checks that the main window form is up to date
# with its generator, builds, and runs every test: in a normal build (twice:
# also with the processor's own drawing routines switched off) and
# once with AddressSanitizer and UndefinedBehaviorSanitizer.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
# The committed main window form must be what its generator makes of its table.
python3 "$root/forms/tools/gencolourtabs.py" --check
mkdir -p "$root/build"
bash "$root/scripts/build.sh" "$root/build/release"
(cd "$root/build/release" && ctest -j "$(nproc)" --output-on-failure)
# Qt's raster engine picks its fill and blend routines by the processor; once
# more with the plain ones, so a test that holds only for this processor's
# rounding fails here and not on the next machine.
(cd "$root/build/release" && QT_NO_CPU_FEATURE="ssse3 sse4.1 sse4.2 avx avx2 avx512f avx512bw avx512dq avx512vl" \
  ctest -j "$(nproc)" --output-on-failure)
bash "$root/scripts/build.sh" "$root/build/sanitize" -DTYX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1
(cd "$root/build/sanitize" && ctest -j "$(nproc)" --output-on-failure)
