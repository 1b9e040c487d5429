#!/usr/bin/env bash
# Builds Vokab with its tests and runs every test headless; non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh

vokab_install_packages "${VOKAB_BUILD_PACKAGES[@]}" "${VOKAB_TEST_PACKAGES[@]}"
vokab_compiler_cache

build_dir="${VOKAB_TEST_BUILD_DIR:-build-test}"
# The tests run under AddressSanitizer and UndefinedBehaviorSanitizer.
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVOKAB_BUILD_TESTS=ON \
    -DVOKAB_SANITIZE=ON
cmake --build "$build_dir" -j2

# Every reader of outside data, fuzzed for a short while (tools/fuzz.sh 600 for longer).
./tools/fuzz.sh "${VOKAB_FUZZ_SECONDS:-30}"

export QT_QPA_PLATFORM=offscreen
# Qt's own libraries keep some memory to the end; leaks are not what these runs look for.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1"
ctest --test-dir "$build_dir" --output-on-failure -j2 "$@"
