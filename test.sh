#!/usr/bin/env bash
# Installs what is missing, builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs every test on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
jxc_install_deps

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DJXC_SANITIZE=ON -DJXC_TESTS=ON
cmake --build build-test -j "$jobs"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-test --output-on-failure -j "$jobs" --timeout 300
