#!/usr/bin/env bash
# Builds Vokab (Release) and starts it from its program folder build/program/.
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Vokab needs a graphical display (DISPLAY or WAYLAND_DISPLAY is not set)." >&2
    exit 1
fi

vokab_install_packages "${VOKAB_BUILD_PACKAGES[@]}"
vokab_compiler_cache
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVOKAB_BUILD_TESTS=OFF
cmake --build build -j2
exec build/program/vokab "$@"
