#!/usr/bin/env bash
# Measures Vokab beside KWordQuiz and Parley (other programs, installed from Debian as
# yardsticks) in one run: each opens the same 100,000-entry vocabulary in its own format
# (.slv; KVTML 2.0; a tab-separated .csv for KWordQuiz) on a private X server with a
# window manager, runs interleaved, medians of 5; prints the peers' figures as multiples
# of Vokab's.
#   tools/compare.sh [--runs N]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
vokab_install_packages "${VOKAB_BUILD_PACKAGES[@]}" "${VOKAB_TEST_PACKAGES[@]}" kwordquiz parley
vokab_compiler_cache

build=build-bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVOKAB_BUILD_TESTS=ON >/dev/null
cmake --build "$build" -j2 --target vokab >/dev/null
[ -f "$build/inputs/slovnik-100000.kvtml" ] || python3 tools/make_bench_inputs.py "$build/inputs" >/dev/null

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb $wm 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
sleep 1
echo "machine: $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -1)"
DISPLAY=$display python3 tools/compare.py "$build/inputs" "$build/program/vokab" \
    "$build/program" "$@"
