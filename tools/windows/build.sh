#!/usr/bin/env bash
# Builds Vokab for Windows x86_64 (Release) on Debian with MinGW-w64 and the cross-built Qt.
# Usage: tools/windows/build.sh [TARGET...]   (no target: vokab.exe and its program folder;
#   tools/windows/test.sh builds the tests it runs, vokab_logic_tests)
#   VOKAB_WINDOWS_BUILD_DIR  the build folder (build-windows in the checkout)
#   VOKAB_WINDOWS_CACHE      where the Qt prefix is unpacked (~/.cache/vokab-windows)
# The toolchain archive is taken from ../shared/toolchains beside the checkout; without it
# tools/windows/build-qt6-mingw64.sh (a copy of the script beside the archive) rebuilds it into
# the cache (about 35 minutes of two cores).
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/deps.sh

VOKAB_WINDOWS_PACKAGES=(
    g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev qt6-base-dev-tools qt6-shader-baker
    qt6-shadertools-dev qt6-translations-l10n ninja-build cmake ccache xz-utils
)
vokab_install_packages "${VOKAB_WINDOWS_PACKAGES[@]}"
vokab_compiler_cache

toolchains="$(cd .. && pwd)/shared/toolchains"
cache="${VOKAB_WINDOWS_CACHE:-$HOME/.cache/vokab-windows}"
export VOKAB_QT_MINGW="$cache/qt6-mingw"
mkdir -p "$cache"

# The archive beside the checkout is kept in the cache as well, for checkouts without it;
# without either it is built. The prefix is unpacked again whenever the archive differs
# from the one last unpacked.
archive="$cache/qt6-mingw64.tar.xz"
shared_archive="$toolchains/qt6-mingw64.tar.xz"
if [ -f "$shared_archive" ] &&
    [ "$(stat -c '%s %Y' "$shared_archive")" != "$(stat -c '%s %Y' "$archive" 2>/dev/null)" ]; then
    cp -p "$shared_archive" "$archive.new"
    mv "$archive.new" "$archive"
fi
if [ ! -f "$archive" ]; then
    echo "No $shared_archive: building it (about 35 minutes)"
    tools/windows/build-qt6-mingw64.sh "$archive"
fi
stamp="$(stat -c '%s %Y' "$archive") $archive"
if [ "$(cat "$cache/unpacked" 2>/dev/null)" != "$stamp" ]; then
    rm -rf "$VOKAB_QT_MINGW" "$cache/unpacked"
    tar -C "$cache" -xf "$archive"
    echo "$stamp" > "$cache/unpacked"
fi

build_dir="${VOKAB_WINDOWS_BUILD_DIR:-build-windows}"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/windows-mingw64.cmake" -DVOKAB_QT_MINGW="$VOKAB_QT_MINGW"
targets=("$@")
[ $# -gt 0 ] || targets=(vokab vokab_windows_runtime)
cmake --build "$build_dir" -j"${VOKAB_JOBS:-2}" --target "${targets[@]}"
