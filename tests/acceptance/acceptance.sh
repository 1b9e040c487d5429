#!/usr/bin/env bash
# The program as the user sees it: started on a private X server (Xvfb) with a real window
# manager (openbox), driven from outside only by keys and clicks (xdotool), checked by the
# titles the window manager shows, the places of windows and the files written.
#
#   acceptance.sh PROGRAM_FOLDER BUILD_DIR OUTPUT_DIR
#
# Two roads: the built program in a copy of its program folder (a writable program folder,
# as a portable copy); and the program installed with `cmake --install` into a read-only
# staging folder, run as an unprivileged user. Every failed step leaves a screenshot in
# OUTPUT_DIR.
set -euo pipefail
export LC_ALL=C.UTF-8

program_folder="$(cd "$1" && pwd)"
build_dir="$(cd "$2" && pwd)"
out="$3"
rm -rf "$out"
mkdir -p "$out"

work="$(mktemp -d /tmp/vokab-acceptance.XXXXXX)"
chmod 755 "$work"
pids=()
cleanup() {
    local pid
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        pid="${pids[i]}"
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The program must be started by this script's users, nothing from the test run's own
# settings: no offscreen platform, no audio server, settings in the road's own file.
unset QT_QPA_PLATFORM PULSE_SERVER VOKAB_PROGRAM_DIR VOKAB_REGISTRY VOKAB_AUDIO_SERVER
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"

step="start"
app_pid=""
fail() {
    local shot
    shot="$out/$(printf '%02d' "$(find "$out" -name '*.png' | wc -l)")-${step// /-}.png"
    import -window root "$shot" 2>/dev/null || true
    echo "FAIL [$step]: $*" >&2
    echo "  screenshot: $shot" >&2
    echo "  windows shown:" >&2
    visible_titles | sed 's/^/    /' >&2
    exit 1
}

# A private X server with the window manager.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1024x768x24 -nolisten tcp -noreset \
    >"$work/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 10 -u "$display_fd" display_number || { cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$display_number"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
# The Czech letters on spare keys of the keyboard: xdotool would otherwise map each to a
# spare key just before pressing it and back just after, and the program can read the key
# after it was mapped back (a lost letter).
spare=($(xmodmap -pke | awk 'NF == 3 { print $2 }'))
czech=(aacute ccaron dcaron eacute ecaron iacute ncaron oacute rcaron scaron tcaron uacute
    uring yacute zcaron)
((${#spare[@]} >= ${#czech[@]})) || { echo "too few spare keys for the Czech letters" >&2; exit 1; }
for i in "${!czech[@]}"; do
    lower="${czech[i]}"
    xmodmap -e "keycode ${spare[i]} = $lower ${lower^}"
done
screen_height="$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[2] }')"

visible_titles() {
    local id
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        xdotool getwindowname "$id" 2>/dev/null || true
    done
}

# Waits for the one visible window whose title is exactly $1, prints its id.
window() {
    local title="$1" timeout="${2:-20}" id name
    local deadline=$((SECONDS + timeout))
    while ((SECONDS < deadline)); do
        for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
            name="$(xdotool getwindowname "$id" 2>/dev/null || true)"
            if [ "$name" = "$title" ]; then
                echo "$id"
                return 0
            fi
        done
        [ -n "$app_pid" ] && ! kill -0 "$app_pid" 2>/dev/null && fail "the program ended"
        sleep 0.1
    done
    fail "no window titled \"$title\""
}

# Makes the window titled $1 the active one, as a click on it would.
activate() {
    local id tries
    id="$(window "$1")"
    for tries in $(seq 50); do
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$id" ] && return 0
        xdotool windowactivate "$id" 2>/dev/null || true
        sleep 0.1
    done
    fail "the window \"$1\" does not become active"
}

# Sends keys to the window titled $1.
keys() {
    activate "$1"
    shift
    xdotool key --clearmodifiers --delay 60 "$@"
}

# The client area of the window with the id $1 as the X server places it: x y width height.
client_box() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
        /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }'
}

# Types text (Czech letters included) into the window titled $1.
type_into() {
    activate "$1"
    xdotool type --delay 40 "$2"
}

gone() {
    local title="$1" deadline=$((SECONDS + 10))
    while ((SECONDS < deadline)); do
        visible_titles | grep -qxF "$title" || return 0
        sleep 0.1
    done
    fail "the window \"$title\" stayed"
}

ended() {
    local deadline=$((SECONDS + 20))
    while ((SECONDS < deadline)); do
        kill -0 "$app_pid" 2>/dev/null || { wait "$app_pid" || true; app_pid=""; return 0; }
        sleep 0.1
    done
    fail "the program did not end"
}

# No window's title carries anything the program did not give it (Qt used to append the
# application's name: "Vokab 2.20 — Vokab").
titles_are_own() {
    local title
    while IFS= read -r title; do
        case "$title" in
        *" — "* | *" - Vokab" | *"Vokab - "*) fail "a title with a suffix: \"$title\"" ;;
        esac
    done < <(visible_titles)
}

# Windows-1250 bytes of UTF-8 text, with CR LF line ends.
cp1250() { printf '%s\n' "$1" | sed 's/$/\r/' | iconv -f UTF-8 -t CP1250; }

# ---------------------------------------------------------------------------------------
# Road 1: the built program in a writable program folder. The tip of the day at the first
# start, 80 pixels below its centred place; Escape closing the dialogs; a dictionary typed
# in the editor (Return and Space pressing its focused "Přidej"), the explanations beside
# it, and saved through the Czech save dialog; Testing I answered in Czech; the statistics
# row at exit.
road="built"
folder="$work/program"
cp -r "$program_folder" "$folder"
rm -f "$folder/statistiky.dat"
mkdir -p "$work/home-built"
# Testing I asks the foreign expressions in file order (the Czech translation is typed).
cat >"$work/registry-built.ini" <<'EOF'
[Normalni%20zkousec]
Angcz=1
Czang=0
Postupne=1
Nahodne=0
Napoveduzobrazit=0
Napovedunezobrazit=1
Pouzitzvuk=0
EOF

step="$road: start"
HOME="$work/home-built" XDG_RUNTIME_DIR="$work/home-built" \
    VOKAB_REGISTRY="$work/registry-built.ini" \
    "$folder/vokab" >"$out/$road.log" 2>&1 &
app_pid=$!
pids+=("$app_pid")
window "Vokab 2.20" >/dev/null

step="$road: tip of the day"
tip="$(window "Tip dne programu Vokab")"
main="$(window "Vokab 2.20")"
titles_are_own
eval "$(xdotool getwindowgeometry --shell "$tip")"
# Centred, the window's frame would start half its height above the middle; its client
# area starts below the frame's title bar.
lower=$((Y - (screen_height / 2 - HEIGHT / 2)))
((lower >= 80 && lower <= 80 + 40)) || fail "the tip is $lower pixels below its centred place"
# Escape closes a dialog as its close box does.
keys "Tip dne programu Vokab" Escape
gone "Tip dne programu Vokab"

step="$road: general settings"
keys "Vokab 2.20" alt+n
window "Obecné nastavení" >/dev/null
keys "Obecné nastavení" Escape
gone "Obecné nastavení"

step="$road: editor"
keys "Vokab 2.20" F1
window "Editor výrazů - novyslovnik.slv" >/dev/null
titles_are_own
# Tab order: foreign expression, Czech, pronunciation, the sound button, "Přidej", which
# Space and Return press.
type_into "Editor výrazů - novyslovnik.slv" "cat"
keys "Editor výrazů - novyslovnik.slv" Tab
type_into "Editor výrazů - novyslovnik.slv" "kočka"
keys "Editor výrazů - novyslovnik.slv" Tab Tab Tab space
type_into "Editor výrazů - novyslovnik.slv" "horse"
keys "Editor výrazů - novyslovnik.slv" Tab
type_into "Editor výrazů - novyslovnik.slv" "kůň"
keys "Editor výrazů - novyslovnik.slv" Tab Tab Tab Return

step="$road: explanations"
# "Informace o Anglické výslovnosti", the eighth button of the tool row below the menu,
# opens the explanations beside the editor, clear of the fields the user types into.
editor="$(window "Editor výrazů - novyslovnik.slv")"
activate "Editor výrazů - novyslovnik.slv"
xdotool mousemove --window "$editor" 217 37 click 1
explanations="$(window "Vysvětlivky")"
read -r ex _ ew _ < <(client_box "$explanations")
read -r edx _ edw _ < <(client_box "$editor")
((ex >= edx + edw || ex + ew <= edx)) ||
    fail "the explanations (x $ex, width $ew) cover the editor (x $edx, width $edw)"
keys "Vysvětlivky" Escape
gone "Vysvětlivky"

step="$road: save dialog"
# "Slovník" › "Uložit": a new dictionary goes through the save dialog, which opens in the
# dictionaries folder. Its button is Czech: Alt+U presses "&Uložit" (English has no U).
keys "Editor výrazů - novyslovnik.slv" alt Down Down Down Return
window "Uložit slovník jako:" >/dev/null
titles_are_own
type_into "Uložit slovník jako:" "test"
keys "Uložit slovník jako:" alt+u
window "Editor výrazů - test.slv" >/dev/null
saved="$folder/Slovniky/test.slv"
[ -f "$saved" ] || fail "the dictionary is not in the dictionaries folder"
cmp -s "$saved" <(cp1250 $'kočka;cat;[];NENÍ\nkůň;horse;[];NENÍ') ||
    fail "the saved dictionary differs: $(od -c "$saved" | head -5)"
keys "Editor výrazů - test.slv" alt+F4
window "Vokab 2.20" >/dev/null

step="$road: testing I"
keys "Vokab 2.20" F3
window "Zkoušení výrazů I" >/dev/null
titles_are_own
# "Zkoušení" › "Nové": the open dialog opens where the last dictionary was chosen.
keys "Zkoušení výrazů I" alt Down Return
window "Otevřít slovník" >/dev/null
titles_are_own
type_into "Otevřít slovník" "test.slv"
keys "Otevřít slovník" Return
gone "Otevřít slovník"
type_into "Zkoušení výrazů I" "kočka"
keys "Zkoušení výrazů I" Return
type_into "Zkoušení výrazů I" "kůň"
keys "Zkoušení výrazů I" Return
window "Vyhodnocení" >/dev/null
titles_are_own
keys "Vyhodnocení" alt+F4
gone "Vyhodnocení"
keys "Zkoušení výrazů I" alt+F4

step="$road: exit"
keys "Vokab 2.20" F10
ended
row="$(iconv -f CP1250 -t UTF-8 "$folder/statistiky.dat" 2>/dev/null | grep -a '^test\.slv;' || true)"
case "$row" in
*";2;0;100;Ano;Zkoušení I"*) ;;
*) fail "no statistics row of the test in: $(iconv -f CP1250 -t UTF-8 "$folder/statistiky.dat" 2>&1)" ;;
esac

# ---------------------------------------------------------------------------------------
# Road 2: the staged installation, read only, run as an unprivileged user: --help and
# --version without a display, "vokab FILE.slv" opening the file in the editor after the
# splash, a second start handing its file to the running program, the first open dialog in
# the user's dictionaries folder, nothing written under the installation.
road="installed"
step="$road: install"
stage="$work/stage"
DESTDIR="$stage" cmake --install "$build_dir" --prefix /usr >"$out/$road-install.log"
chmod -R a-w "$stage"
as_user=()
user_home="$work/home-installed"
mkdir -p "$user_home"
cp "$program_folder/Slovniky/zvirata.slv" "$work/Moje.slv"
if [ "$(id -u)" -eq 0 ]; then
    chown -R 65534:65534 "$user_home" "$work/Moje.slv"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
before="$(find "$stage" -printf '%p %s %T@\n' | sort)"
installed=("${as_user[@]}" env HOME="$user_home" XDG_RUNTIME_DIR="$user_home"
    "$stage/usr/bin/vokab")

step="$road: help without a display"
help="$(env -u DISPLAY "${installed[@]}" --help)" || fail "--help failed"
grep -q '^Použití: vokab \[VOLBY\] \[SLOVNÍK.slv\]' <<<"$help" || fail "--help: $help"
version="$(env -u DISPLAY "${installed[@]}" --version)" || fail "--version failed"
[ "$(head -1 <<<"$version")" = "Vokab 2.20" ] || fail "--version: $version"

step="$road: open a file"
"${installed[@]}" "$work/Moje.slv" >"$out/$road.log" 2>&1 &
app_pid=$!
pids+=("$app_pid")
window "Editor výrazů - moje.slv" >/dev/null
titles_are_own
visible_titles | grep -qx "Vokab 2.20" && fail "the main window stayed beside the editor"

step="$road: second start"
# A second start hands its dictionary to the running program and ends.
cp "$program_folder/Slovniky/zvirata.slv" "$work/Druhy.slv"
[ "$(id -u)" -eq 0 ] && chown 65534:65534 "$work/Druhy.slv"
"${installed[@]}" "$work/Druhy.slv" >"$out/$road-second.log" 2>&1 || fail "the second start failed"
window "Editor výrazů - druhy.slv" >/dev/null
titles_are_own

step="$road: back to the main window"
keys "Editor výrazů - druhy.slv" alt+F4
window "Vokab 2.20" >/dev/null
window "Tip dne programu Vokab" >/dev/null
keys "Tip dne programu Vokab" alt+F4
gone "Tip dne programu Vokab"

step="$road: first open dialog"
# No file dialog has been used yet: Testing I's opens in the user's dictionaries folder,
# which holds the sample dictionaries (a missing file would leave an error box of the
# same title).
keys "Vokab 2.20" F3
keys "Zkoušení výrazů I" alt Down Return
window "Otevřít slovník" >/dev/null
type_into "Otevřít slovník" "zvirata.slv"
keys "Otevřít slovník" Return
gone "Otevřít slovník"
keys "Zkoušení výrazů I" alt+F4
keys "Vokab 2.20" F10
ended

step="$road: nothing written under the installation"
after="$(find "$stage" -printf '%p %s %T@\n' | sort)"
[ "$before" = "$after" ] || fail "the installation changed: $(diff <(echo "$before") <(echo "$after") | head)"
data="$user_home/.local/share/Vokab2"
for made in Slovniky/zvirata.slv Temp WorkDir Aktualizace; do
    [ -e "$data/$made" ] || fail "$made is missing from the user's data folder"
done

echo "acceptance: both roads passed"
