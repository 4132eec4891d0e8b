#!/usr/bin/env bash
# Sets up, builds and runs every test; then runs the suite once more under
# AddressSanitizer and UndefinedBehaviorSanitizer in a separate build folder.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen

"$top/scripts/setup.sh" "$top/build"
ctest --test-dir "$top/build" --output-on-failure -j2

if [ "${FARROWDALE_SKIP_SANITIZERS:-0}" != 1 ]; then
    "$top/scripts/setup.sh" "$top/build-asan" -DFARROWDALE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir "$top/build-asan" --output-on-failure -j2
fi
