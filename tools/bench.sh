#!/usr/bin/env bash
# Measures what users wait on: builds the program and its benchmark in Release, writes
# the inputs (dictionaries of 1,000 / 10,000 / 100,000 / 1,000,000 expressions, a 200,000-entry
# translator word list, a 100,000-row statistics file; the pictures group writes its own
# dictionary of 10,000 expressions with pictures) and prints one line per figure.
#   tools/bench.sh [group...]   groups: startup editor testing million translator statistics
#                               review backups search pictures
# Non-zero when a figure misses its target.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
vokab_install_packages "${VOKAB_BUILD_PACKAGES[@]}" "${VOKAB_TEST_PACKAGES[@]}"
vokab_compiler_cache

build=build-bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVOKAB_BUILD_TESTS=ON >/dev/null
cmake --build "$build" -j2 --target vokab vokab_bench >/dev/null
python3 tools/make_bench_inputs.py "$build/inputs" >/dev/null
export QT_QPA_PLATFORM=offscreen
echo "machine: $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -1)"
"$build/bench/vokab_bench" "$build/inputs" "$build/program/vokab" "$build/program" "$@"
