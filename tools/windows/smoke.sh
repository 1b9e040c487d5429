#!/usr/bin/env bash
# Smoke run of the Windows installer under Wine, Xvfb and openbox, in a fresh Wine prefix:
# installs vokab-VERSION-setup.exe silently (/S), checks what landed where and the entries it
# made (uninstaller, .slv association), starts Vokab from its Start-menu link, waits for the
# main window "Vokab 2.20" (screenshot), checks the settings' types in the registry, makes a
# dictionary with Czech letters in its name and text in the editor by keys, saves it through
# the save dialog and checks its bytes (Windows-1250, CR LF), makes another with the
# program's --import, opens the first with the association's command (a second start: the
# running program's editor), and uninstalls silently: the program folder goes, the user's
# dictionary and settings stay. Ends non-zero with a message at the first failure. The
# screenshots land in build-windows/smoke/.
# The installer is built by tools/windows/package.sh when it is missing.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/deps.sh
vokab_install_packages wine64 wine xvfb xauth openbox xdotool x11-utils x11-xserver-utils imagemagick python3

build_dir="${VOKAB_WINDOWS_BUILD_DIR:-build-windows}"
version=$(sed -n 's/^project(Vokab VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
setup="$build_dir/vokab-$version-setup.exe"
[ -f "$setup" ] || tools/windows/package.sh
setup="$(cd "$(dirname "$setup")" && pwd)/$(basename "$setup")"
out="$(cd "$build_dir" && pwd)/smoke"
rm -rf "$out"
mkdir -p "$out"

started=$(date +%s)
last=$started
step() {
    local now
    now=$(date +%s)
    echo "smoke: $1 ($((now - last)) s, $((now - started)) s in all)"
    last=$now
}
fail() {
    echo "smoke: FAILED: $*" >&2
    exit 1
}

WINEPREFIX="$(mktemp -d /tmp/vokab-smoke.XXXXXX)"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
xvfb_pid=""
openbox_pid=""
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -z "$openbox_pid" ] || kill "$openbox_pid" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$WINEPREFIX"
}
trap cleanup EXIT

# A display of its own: Xvfb picks a free number and writes it.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$out/display" 2>"$out/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$out/display" ] && break; sleep 0.1; done
[ -s "$out/display" ] || fail "Xvfb did not start (see $out/xvfb.log)"
export DISPLAY=":$(cat "$out/display")"
openbox >"$out/openbox.log" 2>&1 &
openbox_pid=$!
# The Czech letters typed below on spare keys of the keyboard before Wine reads its layout,
# so that xdotool types them without mapping a key while Wine reads it (Wine gives a key of
# its own to only a few such keys: no more letters than needed).
spare=($(xmodmap -pke | awk 'NF == 3 { print $2 }'))
czech=(zcaron uring ncaron rcaron iacute aacute)
((${#spare[@]} >= ${#czech[@]})) || fail "too few spare keys for the Czech letters"
for i in "${!czech[@]}"; do
    xmodmap -e "keycode ${spare[i]} = ${czech[i]} ${czech[i]^}"
done

$wine wineboot -i >"$out/wineboot.log" 2>&1 || fail "wineboot failed (see $out/wineboot.log)"
wineserver -w
step "fresh Wine prefix"

# Windows paths of the prefix's user and their Unix places.
winenv() { $wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
unixpath() { $wine winepath -u "$1" 2>/dev/null | tr -d '\r'; }
winpath() { $wine winepath -w "$1" 2>/dev/null | tr -d '\r'; }
regquery() { $wine reg query "$@" 2>/dev/null | tr -d '\r'; }
local_app_data=$(winenv LOCALAPPDATA)
app_data=$(winenv APPDATA)
[ -n "$local_app_data" ] && [ -n "$app_data" ] || fail "no LOCALAPPDATA or APPDATA in the prefix"
install_dir="$local_app_data\\Programs\\Vokab"
install_unix=$(unixpath "$install_dir")
start_menu_link=$(unixpath "$app_data\\Microsoft\\Windows\\Start Menu\\Programs\\Vokab.lnk")

# Install silently, for this user alone.
timeout 300 $wine "$setup" /S >"$out/setup.log" 2>&1 || fail "the installer ended with an error"
wineserver -w
for file in vokab.exe uninstall.exe Qt6Core.dll Qt6Widgets.dll libstdc++-6.dll \
    platforms/qwindows.dll styles/qwindowsvistastyle.dll multimedia/windowsmediaplugin.dll \
    translations/qtbase_cs.qm prekladac.dat Vokab.hlp VokabFont.ttf Tips.vkb; do
    [ -f "$install_unix/$file" ] || fail "$install_dir\\$file was not installed"
done
[ ! -e "$install_unix/portable" ] || fail "the installed copy has the portable marker"
[ -f "$start_menu_link" ] || fail "no Start-menu link $start_menu_link"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vokab'
regquery "$uninstall_key" >"$out/uninstall-key.txt" || fail "no $uninstall_key"
grep -q "DisplayName *REG_SZ *Vokab $version" "$out/uninstall-key.txt" ||
    fail "the uninstaller's entry has no DisplayName 'Vokab $version'"
grep -q 'UninstallString *REG_SZ *".*\\uninstall.exe"' "$out/uninstall-key.txt" ||
    fail "the uninstaller's entry has no UninstallString"
regquery 'HKCU\Software\Classes\.slv' /ve | grep -q 'REG_SZ *Vokab.Slovnik' ||
    fail ".slv is not associated with Vokab.Slovnik under HKCU\\Software\\Classes"
regquery 'HKCU\Software\Classes\Vokab.Slovnik\shell\open\command' /ve |
    grep -qF "\"$install_dir\\vokab.exe\" \"%1\"" || fail "the .slv open command is not vokab.exe \"%1\""
step "silent install into $install_dir"

# Start from the Start-menu link, as a user does; the program shows its splash, then the
# main window and the tip of the day (first start).
$wine start /unix "$start_menu_link" >"$out/start.log" 2>&1 || fail "the Start-menu link did not start"
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
wait_window() {
    local id=""
    for _ in $(seq "$2"); do
        id=$(window "$1")
        [ -n "$id" ] && break
        sleep 1
    done
    echo "$id"
}
tip=$(wait_window '^Tip dne programu Vokab$' 60)
[ -n "$tip" ] || { import -window root "$out/failed.png"; fail "no tip of the day within 60 s (see $out/failed.png)"; }
main=$(wait_window '^Vokab 2\.20$' 10)
[ -n "$main" ] || fail "no main window 'Vokab $version'"
[ -z "$(window '^Chyba$')" ] || { import -window root "$out/failed.png"; fail "an error box at start-up (see $out/failed.png)"; }
import -window root "$out/main-and-tip.png"
xdotool windowactivate --sync "$tip" key Escape
for _ in $(seq 10); do [ -z "$(window '^Tip dne programu Vokab$')" ] && break; sleep 0.5; done
sleep 1
import -window root "$out/main.png"
step "started from the Start-menu link; main window 'Vokab $version' ($out/main.png)"

# The settings as a Windows program keeps them.
regquery 'HKCU\Software\Vokab2\Nastaveni' >"$out/nastaveni.txt" || fail "no HKCU\\Software\\Vokab2\\Nastaveni"
for expected in 'Velkapismena *REG_DWORD *0x0' 'Tipy *REG_DWORD *0x1' 'Temp *REG_DWORD *0x1' \
    'Proc1 *REG_SZ *80' 'Proc4 *REG_SZ *30' 'BarvaGrafu *REG_SZ *clBlue'; do
    grep -q "^ *$expected\$" "$out/nastaveni.txt" || fail "Nastaveni lacks '$expected' (see $out/nastaveni.txt)"
done
regquery 'HKCU\Software\Vokab2\Vyuka' | grep -q 'Pocsekund *REG_DWORD' || fail "Vyuka lacks Pocsekund as REG_DWORD"
regquery 'HKCU\Software\Vokab2\Translator' | grep -q 'ZANJDOCZ *REG_DWORD' || fail "Translator lacks ZANJDOCZ as REG_DWORD"
step "registry: REG_DWORD and REG_SZ values under HKCU\\Software\\Vokab2"

# A dictionary with Czech letters in its name and text, made in the editor by keys (F1 opens
# it; Tab goes from the foreign expression to the Czech one and on to "Přidej") and saved
# through "Slovník" › "Uložit" and the save dialog into the user's dictionaries folder.
dictionaries=$(unixpath "$app_data\\Vokab2\\Slovniky")
[ -d "$dictionaries" ] || fail "no user dictionaries folder $app_data\\Vokab2\\Slovniky"
keys() {
    local id=$1
    shift
    xdotool windowactivate --sync "$id" 2>/dev/null || true
    xdotool key --clearmodifiers --delay 80 "$@"
}
type_into() {
    xdotool windowactivate --sync "$1" 2>/dev/null || true
    xdotool type --delay 60 "$2"
}
keys "$main" F1
editor=$(wait_window '^Editor výrazů - novyslovnik\.slv$' 30)
[ -n "$editor" ] || { import -window root "$out/failed.png"; fail "F1 did not open the editor (see $out/failed.png)"; }
type_into "$editor" "hedgehog"
keys "$editor" Tab
type_into "$editor" "ježek"
keys "$editor" Tab Tab Tab space
type_into "$editor" "horse"
keys "$editor" Tab
type_into "$editor" "kůň"
keys "$editor" Tab Tab Tab Return
sleep 1
import -window root "$out/editor-new.png"
keys "$editor" alt Down Down Down Return
save=$(wait_window '^Uložit slovník jako:$' 30)
[ -n "$save" ] || { import -window root "$out/failed.png"; fail "no save dialog (see $out/failed.png)"; }
sleep 1
# The offered name is replaced: the whole field selected, then typed over.
keys "$save" End shift+Home
type_into "$save" "Zvířata a ptáci"
import -window root "$out/save-dialog.png"
keys "$save" Return
saved=$(wait_window '^Editor výrazů - Zvířata a ptáci\.slv$' 30)
[ -n "$saved" ] || { import -window root "$out/failed.png"; fail "the editor does not show the saved dictionary (see $out/failed.png)"; }
dictionary_win="$app_data\\Vokab2\\Slovniky\\Zvířata a ptáci.slv"
dictionary="$dictionaries/Zvířata a ptáci.slv"
[ -f "$dictionary" ] || fail "no dictionary $dictionary_win"
python3 - "$dictionary" <<'EOF' || fail "the dictionary is not the two expressions in Windows-1250 with CR LF: $(od -c "$dictionary" | head -5)"
import sys
data = open(sys.argv[1], "rb").read()
expected = "ježek;hedgehog;[];NENÍ\r\nkůň;horse;[];NENÍ\r\n".encode("cp1250")
assert data in (expected, expected[:-2]), data
EOF
keys "$saved" alt+F4
for _ in $(seq 20); do [ -z "$(window '^Editor výrazů - ')" ] && break; sleep 0.5; done
[ -z "$(window '^Editor výrazů - ')" ] || fail "the editor did not close"
import -window root "$out/after-editor.png"
step "dictionary '$dictionary_win' made in the editor: Windows-1250, CR LF"

# The same kind of file from the command line: the installed program's --import.
printf 'dog;pes\nlittle bird;ptáček\nchicken;kuře\n' >"$dictionaries/Domácí – učebnice.csv"
imported="$dictionaries/Domácí – učebnice.slv"
timeout 60 $wine "$install_unix/vokab.exe" --import "$app_data\\Vokab2\\Slovniky\\Domácí – učebnice.csv" \
    --output "$app_data\\Vokab2\\Slovniky\\Domácí – učebnice.slv" >"$out/import.log" 2>&1 ||
    fail "the import failed (see $out/import.log)"
python3 - "$imported" <<'EOF' || fail "the imported dictionary is not Windows-1250 with CR LF"
import sys
data = open(sys.argv[1], "rb").read()
assert b"\n" not in data.replace(b"\r\n", b""), "a line end without CR"
assert "ptáček".encode("cp1250") in data and "kuře".encode("cp1250") in data, "no Windows-1250 Czech"
EOF
step "dictionary imported with --import: Windows-1250, CR LF"

# A double click on it runs the association's open command with the file for %1. Wine's
# shell reads associations from HKEY_CLASSES_ROOT alone, without the per-user
# HKCU\Software\Classes that Windows merges into it, so the command checked above is run as
# the shell would run it: a second start, which hands the dictionary to the running program
# and ends; the running program opens it in the editor.
timeout 60 $wine "$install_unix/vokab.exe" "$dictionary_win" >"$out/open.log" 2>&1 ||
    fail "the second start with the dictionary did not end well (see $out/open.log)"
editor=$(wait_window '^Editor výrazů - ' 30)
[ -n "$editor" ] || { import -window root "$out/failed.png"; fail "the dictionary did not open in the editor (see $out/failed.png)"; }
title=$(xdotool getwindowname "$editor")
case "$title" in
*"ata a ptáci.slv") ;;
*) fail "the editor shows '$title'" ;;
esac
import -window root "$out/editor.png"
step "the association's command opened the dictionary in the running program's editor ($out/editor.png)"

# The program ends, then the uninstaller runs silently.
wineserver -k
wineserver -w
timeout 300 $wine "$install_unix/uninstall.exe" /S >"$out/uninstall.log" 2>&1 || fail "the uninstaller ended with an error"
wineserver -w
[ ! -e "$install_unix" ] || fail "the program folder $install_dir is still there: $(ls -A "$install_unix")"
[ ! -e "$start_menu_link" ] || fail "the Start-menu link is still there"
[ -f "$dictionary" ] || fail "the uninstaller removed the user's dictionary"
regquery "$uninstall_key" >/dev/null && fail "the uninstaller's entry is still there"
regquery 'HKCU\Software\Classes\.slv' >/dev/null && fail "the .slv association is still there"
regquery 'HKCU\Software\Vokab2\Nastaveni' >/dev/null || fail "the uninstaller removed the settings"
step "silent uninstall: program folder gone, dictionary and settings kept"
echo "smoke: passed"
