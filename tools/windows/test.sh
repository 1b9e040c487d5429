#!/usr/bin/env bash
# Builds the tests for Windows (tools/windows/build.sh): the logic tests, the platform tests and
# the window tests, and runs them under Wine in a fresh Wine prefix with Qt's offscreen
# platform. The window tests that are not built for Windows are listed with their reasons
# (VOKAB_NOT_ON_WINDOWS in tests/CMakeLists.txt). Arguments go to ctest (-R NAME, ...).
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/deps.sh
vokab_install_packages wine64 wine

tools/windows/build.sh vokab_logic_tests vokab_window_tests vokab
build_dir="${VOKAB_WINDOWS_BUILD_DIR:-build-windows}"
qt="${VOKAB_WINDOWS_CACHE:-$HOME/.cache/vokab-windows}/qt6-mingw"

# A Wine prefix of its own, removed at the end (VOKAB_WINEPREFIX keeps one between runs).
if [ -n "${VOKAB_WINEPREFIX:-}" ]; then
    export WINEPREFIX="$VOKAB_WINEPREFIX"
else
    WINEPREFIX="$(mktemp -d /tmp/vokab-wine.XXXXXX)"
    export WINEPREFIX
    trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
fi
# The message test's stand-in MAPI32.DLL before Wine's own; no browser opens a mailto:
# address from a test.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;mapi32=n,b;winebrowser.exe=d"
[ -f "$WINEPREFIX/system.reg" ] || /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
# Wine hands no QT_ variable of Linux to a Windows program; the user's environment in the
# prefix's registry does.
/usr/lib/wine/wine64 reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /t REG_SZ /d offscreen /f >/dev/null
wineserver -w

# The test programs find Qt, uchardet and the MinGW runtime where they lie (Z: is /).
winpath() { echo "Z:${1//\//\\}"; }
export WINEPATH="$(winpath "$qt/bin");$(winpath /usr/lib/gcc/x86_64-w64-mingw32/12-posix);$(winpath /usr/x86_64-w64-mingw32/lib)"
# No audio server: through Wine's PulseAudio driver recording works, but Qt's audio output
# finds no resampler in Wine's Media Foundation and plays nothing, so the real-sound tests
# skip themselves (tst_realsound: "no audio server for the tests").
sed 's/^/Not built for Windows: /' "$build_dir/tests/not-on-windows.txt"
ctest --test-dir "$build_dir" -L "logic|platform|window" --output-on-failure "$@"
