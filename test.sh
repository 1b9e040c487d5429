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

# Every reader of outside data, fuzzed for a short while (tools/fuzz.sh 600 for longer);
# VOKAB_FUZZ_SECONDS=0 leaves the fuzzers out of a quick run.
if [ "${VOKAB_FUZZ_SECONDS:-30}" != 0 ]; then
    ./tools/fuzz.sh "${VOKAB_FUZZ_SECONDS:-30}"
fi

export QT_QPA_PLATFORM=offscreen

# A real audio server for the sound tests: PulseAudio with a null sink and a null source
# (20 ms latency, so that recording runs in real time from its start), in a private
# runtime folder, stopped by its own process id when this script ends.
audio_dir="$(mktemp -d /tmp/vokab-audio.XXXXXX)"
chmod 700 "$audio_dir"
XDG_RUNTIME_DIR="$audio_dir" HOME="$audio_dir" pulseaudio --daemonize=no --exit-idle-time=-1 \
    -n --use-pid-file=no --log-target=file:"$audio_dir/log" \
    --load="module-native-protocol-unix socket=$audio_dir/native auth-anonymous=1" \
    --load="module-null-sink sink_name=vokab_out" \
    --load="module-null-source source_name=vokab_in max_latency_msec=20" &
audio_pid=$!
trap 'kill "$audio_pid" 2>/dev/null; wait "$audio_pid" 2>/dev/null; rm -rf "$audio_dir"' EXIT
export PULSE_SERVER="unix:$audio_dir/native"
for _ in $(seq 50); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
done
pactl info >/dev/null || { echo "The audio server for the tests did not start:" >&2; cat "$audio_dir/log" >&2; exit 1; }
export VOKAB_AUDIO_SERVER=1

# Qt's own libraries keep some memory to the end; leaks are not what these runs look for.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1"
ctest --test-dir "$build_dir" --output-on-failure -j2 "$@"
