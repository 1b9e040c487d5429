#!/usr/bin/env bash
# Builds Vokab with its tests and runs every test headless; non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh

vokab_install_packages "${VOKAB_BUILD_PACKAGES[@]}" "${VOKAB_TEST_PACKAGES[@]}"
vokab_compiler_cache

build_dir="${VOKAB_TEST_BUILD_DIR:-build-test}"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVOKAB_BUILD_TESTS=ON
cmake --build "$build_dir" -j2

# Every reader of outside data, fuzzed for a short while (tools/fuzz.sh 600 for longer).
./tools/fuzz.sh "${VOKAB_FUZZ_SECONDS:-30}"

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure -j2 "$@"
