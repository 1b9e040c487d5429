#!/usr/bin/env bash
# Builds every reader's libFuzzer program with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for the given seconds (default 30).
# New inputs that found new paths go to build-fuzz/corpus/<target>; a crash is
# written to fuzz/crashes/ and makes this script fail: turn it into a corpus file
# and a fix.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
vokab_install_packages "${VOKAB_BUILD_PACKAGES[@]}" clang libclang-rt-14-dev
vokab_compiler_cache

seconds="${1:-30}"
build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVOKAB_FUZZ=ON -DVOKAB_BUILD_TESTS=OFF -DVOKAB_WARNINGS_AS_ERRORS=OFF >/dev/null
targets=$(sed -n 's/.*{"\([a-z0-9_]*\)", fuzz[A-Za-z0-9]*}.*/\1/p' fuzz/targets.cpp)
for t in $targets; do
    cmake --build "$build" -j2 --target "fuzz_$t" >/dev/null
done

mkdir -p fuzz/crashes
status=0
for t in $targets; do
    work="$build/corpus/$t"
    mkdir -p "$work"
    log="$build/fuzz_$t.log"
    # Inputs reach past the largest limit a reader checks on its own bytes (the version
    # file's 64 KiB), so that its refusal is fuzzed too; the dictionary harness takes
    # small limits from its input.
    if "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len=66000 -timeout=10 \
        -rss_limit_mb=2048 -artifact_prefix="fuzz/crashes/$t-" -print_final_stats=1 \
        "$work" "fuzz/corpus/$t" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
        echo "fuzz $t: ${runs:-?} executions in ${seconds}s, no crash"
    else
        echo "fuzz $t: FAILED (see $log and fuzz/crashes/)"
        tail -30 "$log"
        status=1
    fi
done
exit $status
