#!/usr/bin/env bash
# Packs the Windows build (tools/windows/build.sh) two ways, into build-windows/:
#   vokab-VERSION-setup.exe     an NSIS installer (desktop/windows/vokab.nsi) that installs
#                               for the current user, without administrator rights
#   vokab-VERSION-portable.zip  the folder Vokab/ with the file `portable` beside vokab.exe,
#                               which keeps the settings and the user's data in that folder
# Both hold exactly what `cmake --install` lays out for Windows (the program, the DLLs and
# plugins of cmake/windows-runtime.cmake, the shipped data), and the licence texts.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/deps.sh
vokab_install_packages nsis zip

tools/windows/build.sh vokab vokab_windows_runtime
build_dir="${VOKAB_WINDOWS_BUILD_DIR:-build-windows}"
version=$(sed -n 's/^project(Vokab VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "No version in CMakeLists.txt" >&2; exit 1; }

work="$build_dir/package"
program="$work/program"
rm -rf "$work"
cmake --install "$build_dir" --prefix "$work/root" --strip >/dev/null
mv "$work/root/bin" "$program"
rm -rf "$work/root"
# The licence texts, with Windows line ends.
sed 's/$/\r/' LICENSE > "$program/LICENSE.txt"
sed 's/$/\r/' desktop/copyright > "$program/copyright.txt"
[ -f "$program/vokab.exe" ] || { echo "The program folder has no vokab.exe" >&2; exit 1; }

# What the installer writes and its uninstaller removes again, file by file: the uninstaller
# deletes nothing else, so a file the user put into the program folder stays, and so does the
# folder holding it.
winpath() { local p="${1#./}"; echo "${p//\//\\}"; }
program_abs="$(cd "$program" && pwd)"
{
    (cd "$program" && find . -mindepth 1 -type d | sort) | while read -r dir; do
        echo "CreateDirectory \"\$INSTDIR\\$(winpath "$dir")\""
    done
    (cd "$program" && find . -type f | sort) | while read -r file; do
        dir=$(dirname "$file")
        if [ "$dir" = "." ]; then
            echo "SetOutPath \"\$INSTDIR\""
        else
            echo "SetOutPath \"\$INSTDIR\\$(winpath "$dir")\""
        fi
        echo "File \"/oname=$(basename "$file")\" \"$program_abs/${file#./}\""
    done
    echo "SetOutPath \"\$INSTDIR\""
} > "$work/files.nsh"
{
    (cd "$program" && find . -type f | sort) | while read -r file; do
        echo "Delete \"\$INSTDIR\\$(winpath "$file")\""
    done
    (cd "$program" && find . -mindepth 1 -type d | sort -r) | while read -r dir; do
        echo "RMDir \"\$INSTDIR\\$(winpath "$dir")\""
    done
} > "$work/unfiles.nsh"
size_kb=$(du -sk "$program" | cut -f1)

setup="vokab-$version-setup.exe"
root="$PWD"
out="$(cd "$build_dir" && pwd)"
(cd "$program" && makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSIZE_KB="$size_kb" \
    -DFILES="$out/package/files.nsh" -DUNFILES="$out/package/unfiles.nsh" \
    -DICON="$root/desktop/icons/vokab.ico" -DOUTFILE="$out/$setup" \
    "$root/desktop/windows/vokab.nsi") || { echo "makensis failed" >&2; exit 1; }

portable="vokab-$version-portable.zip"
mkdir -p "$work/zip"
cp -r "$program" "$work/zip/Vokab"
printf 'Tento soubor dělá z kopie programu přenosnou: nastavení a data zůstávají v této složce.\r\n' \
    > "$work/zip/Vokab/portable"
rm -f "$out/$portable"
(cd "$work/zip" && zip -q -r -9 "$out/$portable" Vokab)
rm -rf "$work/zip"

ls -l "$build_dir/$setup" "$build_dir/$portable"
