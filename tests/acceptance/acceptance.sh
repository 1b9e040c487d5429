#!/usr/bin/env bash
# The program as the user sees it: started on a private X server (Xvfb) with a real window
# manager (openbox), driven from outside only by keys and clicks (xdotool), checked by the
# titles the window manager shows, the places of windows and the files written.
#
#   acceptance.sh PROGRAM_FOLDER BUILD_DIR OUTPUT_DIR [ROAD...]
#
# Four roads: the built program in a copy of its program folder (a writable program folder,
# as a portable copy); the program installed with `cmake --install` into a read-only
# staging folder, run as an unprivileged user; the built program's windows read back from
# screenshots by OCR; and a dictionary brought back from its backup after a restart. Every failed step leaves a screenshot in OUTPUT_DIR. Each road
# runs as one block below; CTest runs the legible road as a test of its own, beside the
# others.
set -euo pipefail
export LC_ALL=C.UTF-8

program_folder="$(cd "$1" && pwd)"
build_dir="$(cd "$2" && pwd)"
out="$3"
# The roads to take (all when none is named): built, installed, legible, backups.
shift 3
roads="${*:-built installed legible backups}"
runs() { [[ " $roads " == *" $1 "* ]]; }
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

# Waits until the window manager has placed the window with the id $1: it has put its
# frame around it (_NET_FRAME_EXTENTS) and the client area has stayed where it is for
# three looks in a row, a tenth of a second apart; then prints the box as client_box does.
placed() {
    local id="$1" box last="" same=0 deadline=$((SECONDS + 10))
    while ((SECONDS < deadline)); do
        if xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | grep -q ' = '; then
            box="$(client_box "$id")"
            if [ "$box" = "$last" ]; then
                same=$((same + 1))
                ((same >= 2)) && { echo "$box"; return 0; }
            else
                same=0
                last="$box"
            fi
        fi
        sleep 0.1
    done
    fail "the window manager did not place the window $id"
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

if runs built; then
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
# Started without regional settings on a system that has no locales installed at all
# (LOCPATH names an empty folder: the Czech locale cannot be set, only C.UTF-8, which the
# C library has built in).
mkdir -p "$work/no-locales"
env -u LC_ALL LANG=C.UTF-8 LOCPATH="$work/no-locales" \
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
placed "$tip" >/dev/null
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
editor="$(window "Editor výrazů - novyslovnik.slv")"
titles_are_own
# The name in the C library's character set (WM_NAME), which task bars and pagers read,
# is as Czech as the one in UTF-8.
wm_name="$(xprop -id "$editor" WM_NAME)"
[[ "$wm_name" == *'"Editor výrazů - novyslovnik.slv"' ]] || fail "WM_NAME: $wm_name"
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
read -r ex _ ew _ < <(placed "$explanations")
read -r edx _ edw _ < <(placed "$editor")
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

step="$road: review plan"
# "Opakování podle plánu" (F7): the plan turned on for the dictionary, both expressions
# answered by keys (Space shows the answer, 3 is "Dobře", 1 is "Znovu"); the plan lies
# beside the dictionary, which stays as it was.
keys "Vokab 2.20" F7
window "Opakování podle plánu" >/dev/null
titles_are_own
keys "Opakování podle plánu" ctrl+o
window "Otevřít slovník" >/dev/null
type_into "Otevřít slovník" "test.slv"
keys "Otevřít slovník" Return
gone "Otevřít slovník"
[ ! -e "$folder/Slovniky/test.vkp" ] || fail "a plan appeared before the user turned it on"
keys "Opakování podle plánu" alt+z
# The expressions have no recording and this desktop no audio device: speaking the first
# one is told once, the second one not again.
keys "Opakování podle plánu" space
window "Chyba" >/dev/null
keys "Chyba" Return
gone "Chyba"
keys "Opakování podle plánu" 3 space 1
window "Informace" >/dev/null
keys "Informace" Return
gone "Informace"
[ "$(grep -c $'^E\t' "$folder/Slovniky/test.vkp" 2>/dev/null)" = 2 ] ||
    fail "the plan does not hold both answers: $(cat "$folder/Slovniky/test.vkp" 2>&1)"
cmp -s "$saved" <(cp1250 $'kočka;cat;[];NENÍ\nkůň;horse;[];NENÍ') ||
    fail "the review changed the dictionary"
keys "Opakování podle plánu" alt+F4
window "Vokab 2.20" >/dev/null

step="$road: exit"
keys "Vokab 2.20" F10
ended
row="$(iconv -f CP1250 -t UTF-8 "$folder/statistiky.dat" 2>/dev/null | grep -a '^test\.slv;' || true)"
case "$row" in
*";2;0;100;Ano;Zkoušení I"*) ;;
*) fail "no statistics row of the test in: $(iconv -f CP1250 -t UTF-8 "$folder/statistiky.dat" 2>&1)" ;;
esac
iconv -f CP1250 -t UTF-8 "$folder/statistiky.dat" 2>/dev/null | grep -aq '^test\.slv;.*;1;1;50;Ano;Opakování' ||
    fail "no statistics row of the review in: $(iconv -f CP1250 -t UTF-8 "$folder/statistiky.dat" 2>&1)"

fi
if runs installed; then
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
second=0
"${installed[@]}" "$work/Druhy.slv" >"$out/$road-second.log" 2>&1 || second=$?
((second == 0)) || fail "the second start ended with $second: $(tail -n 20 "$out/$road-second.log")"
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
# Testing I asks the Czech side: its foreign answer is not spoken, so this desktop without
# an audio device has nothing to tell.
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

fi
if runs legible; then
# ---------------------------------------------------------------------------------------
# Road 3: every window read as a user reads it. The program at 1.25 times the desktop's
# scale, each window of the list photographed once and read back by Czech OCR: the words
# of its labels must come out whole (a crushed radio button, a cut-off column or a label
# behind another one does not read), and so must the chart's value marks, axis numbers
# and dates. The OCR runs in the background while the next window is opened; the words are
# checked at the end of the road.
road="legible"
step="$road: start"
scale=1.25
# A length in the program's own pixels, on the screen.
scaled() { awk -v pixels="$1" -v scale="$scale" 'BEGIN { printf "%d", pixels * scale }'; }
folder="$work/legible"
cp -r "$program_folder" "$folder"
legible_home="$work/home-legible"
mkdir -p "$legible_home" "$work/bin"
# A machine without a mail program: xdg-email finds nothing to hand the message to.
printf '#!/bin/sh\nexit 3\n' >"$work/bin/xdg-email"
chmod 755 "$work/bin/xdg-email"
# The dictionary in the dictionaries folder, where the open dialogs start.
cp1250 $'kočka;cat;[k4t];NENÍ\nkůň;horse;[h!:s];NENÍ\njablko;apple;[4pl];NENÍ' \
    >"$folder/Slovniky/slova.slv"
# Five tests of another dictionary in December: dates and times of every width, both
# tests, marks of two and three digits and a bar that reaches the top of the axis. The
# tests of this road add their rows for "slova" below them.
cp1250 "$(printf '%s\n' 'slovicka.slv;1.12.2026;9:05:33;9;11;45;Ano;Zkoušení I' \
    'slovicka.slv;2.12.2026;10:15:03;22;8;73;Ano;Zkoušení II' \
    'slovicka.slv;12.12.2026;14:25:13;20;0;100;Ano;Zkoušení I' \
    'slovicka.slv;22.12.2026;18:45:53;2;9;18;Ne;Zkoušení II' \
    'slovicka.slv;28.12.2026;23:59:59;24;1;96;Ano;Zkoušení I')" >"$folder/statistiky.dat"
cat >"$work/registry-legible.ini" <<'EOF'
[Nastaveni]
Velkapismena=0
Tipy=0
Temp=1
Proc1=80
Proc2=60
Proc3=50
Proc4=30
BarvaGrafu=clBlue
DokonceniZkouseni=1
PreruseniZkouseni=1
[Vyslovnost]
Vyslovit%20bez%20nahravky=0
Jazyk=en
Rychlost=175
EOF

shots="$out/windows"
mkdir -p "$shots"
ocr_pids=()
looked=()
# Photographs the window $2 (an id) with its frame as $shots/$1.png and reads it by OCR
# in the background; the words $3... are checked at the end of the road.
look_at() {
    local name="$1" id="$2" info x y w h extents l r t b
    shift 2
    [ -n "$id" ] || fail "no window to photograph as $name"
    sleep 0.2
    info="$(xwininfo -id "$id")"
    x="$(awk '/Absolute upper-left X/ { print $4 }' <<<"$info")"
    y="$(awk '/Absolute upper-left Y/ { print $4 }' <<<"$info")"
    w="$(awk '/Width:/ { print $2 }' <<<"$info")"
    h="$(awk '/Height:/ { print $2 }' <<<"$info")"
    extents="$(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')"
    IFS=, read -r l r t b <<<"${extents:-0,0,0,0}"
    import -window root -crop "$((w + l + r))x$((h + t + b))+$((x - l))+$((y - t))" +repage \
        "$shots/$name.png" || fail "no screenshot of $name"
    printf '%s\n' "$@" >"$shots/$name.words"
    echo "$t" >"$shots/$name.title-height"
    : >"$shots/$name.readings"
    # Read as a page and as scattered text: each misses a short word now and then.
    read_again "$name" 0 3
    read_again "$name" 0 11
    looked+=("$name")
}
# Reads the photograph $1 (once more), turned clockwise by $2 degrees, in Tesseract's page
# mode $3 (3 a page, 11 scattered text). Twice the size: Tesseract reads letters of 20
# pixels and more best. One thread each: several readings run at once, and Tesseract's own
# threads only wait for each other on pictures this small.
read_again() {
    local name="$1" reading="$1-$2-$3"
    (convert "$shots/$name.png" -rotate "$2" -resize 200% -colorspace Gray \
        "$shots/$reading-ocr.png" &&
        OMP_THREAD_LIMIT=1 tesseract "$shots/$reading-ocr.png" "$shots/$reading" -l ces --psm "$3" \
            >/dev/null 2>&1) &
    ocr_pids+=($!)
    echo "$shots/$reading.txt" >>"$shots/$name.readings"
}
# Reads the title bar of the photograph $1 alone: the window manager's light letters on
# its dark bar, made dark on light and four times the size, as one line.
read_title() {
    local name="$1"
    (convert "$shots/$name.png" -crop "x$(cat "$shots/$name.title-height")+0+0" +repage \
        -resize 400% -colorspace Gray -negate "$shots/$name-title-ocr.png" &&
        OMP_THREAD_LIMIT=1 tesseract "$shots/$name-title-ocr.png" "$shots/$name-title" -l ces --psm 7 \
            >/dev/null 2>&1) &
    ocr_pids+=($!)
    echo "$shots/$name-title.txt" >>"$shots/$name.readings"
}
look() {
    local name="$1" id
    id="$(window "$2")" || exit 1
    shift 2
    look_at "$name" "$id" "$@"
}
# Opens the dictionary through the open dialog titled $1.
open_dictionary() {
    window "$1" >/dev/null
    type_into "$1" "slova.slv"
    keys "$1" Return
    gone "$1"
}

HOME="$legible_home" XDG_RUNTIME_DIR="$legible_home" PATH="$work/bin:$PATH" \
    QT_SCALE_FACTOR="$scale" VOKAB_REGISTRY="$work/registry-legible.ini" \
    "$folder/vokab" >"$out/$road.log" 2>&1 &
app_pid=$!
pids+=("$app_pid")
# The main window once the splash (a window of the same title without a frame) has gone.
main=""
for _ in $(seq 100); do
    for id in $(xdotool search --onlyvisible --name '^Vokab 2\.20$' 2>/dev/null); do
        xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '= 0, 0, 0, 0' || main="$id"
    done
    [ -n "$main" ] && [ "$(xdotool search --onlyvisible --name '^Vokab 2\.20$' | wc -l)" = 1 ] && break
    main=""
    sleep 0.1
done
[ -n "$main" ] || fail "no main window"

step="$road: learning"
keys "Vokab 2.20" F2
keys "Výuka výrazů" alt Right Return
look learning-settings "Nastavení výuky výrazů" "Automatické posouvání výrazů" Zapnout \
    "Při výuce posouvat po" sekundách "Velikost písma zobrazovaných výrazů" \
    "Nastavit velikost na" Potvrdit Zpět
keys "Nastavení výuky výrazů" alt+F4
keys "Výuka výrazů" alt Down Return
open_dictionary "Otevřete soubor s výrazy"
keys "Výuka výrazů" d
look learning "Výuka výrazů" "Informace o průběhu výuky" "Celkově výrazu: 3" \
    "Aktuální výraz: 1" "Nastavený internval posuvu(sek.): 2"
keys "Výuka výrazů" alt+F4

step="$road: testing I"
keys "Vokab 2.20" F3
keys "Zkoušení výrazů I" alt Right Return
look testing1-settings "Nastavení zkoušeče" "Zkoušet výrazy" "Z CZ do CIZ" "Z CIZ do CZ" \
    "Způsob zkoušení" Postupné Náhodné "Zobrazovat špatné odpovědi" Zobrazovat Nezobrazovat \
    "Použit zvuk při zobrazování výrazu" "Odpovídat výběrem ze čtyř možností" Potvrdit Zpět
keys "Nastavení zkoušeče" alt+F4
keys "Zkoušení výrazů I" alt Down Return
open_dictionary "Otevřít slovník"
type_into "Zkoušení výrazů I" "x"
keys "Zkoušení výrazů I" Return
look testing1 "Zkoušení výrazů I" "Informace o průběhu zkoušení" "Celkový počet výrazů: 3" \
    "Aktuální výraz: 2" "Správně uhodnutých výrazů" "Špatně uhodnutých výrazů: 1"
for _ in 1 2; do
    type_into "Zkoušení výrazů I" "x"
    keys "Zkoušení výrazů I" Return
done
look evaluation "Vyhodnocení" "Výsledky" "Správných výrazů: 0" "Špatných výrazů: 3" \
    "Úspěšnost: 0" "Známka: 5" "Seznam výrazu které nebyly uhodnuty" \
    "Nechat se znova prozkoušet" "Uložit do nového slovníku" Vytisknout Vybrat "Vybrat vše" \
    "Zrušit vybraní" Zpět
# Every expression checked (space on each), "Vytisknout", "Vybrat".
keys "Vyhodnocení" space Down space Down space Tab Down Down Tab space
look print "Tisk" Tisk Písmo "Vložit český překlad" "Vložit cizí překlad" "Vložit výslovnost"
keys "Tisk" alt+F4
keys "Vyhodnocení" alt+F4
keys "Zkoušení výrazů I" alt+F4
# The same test asked with a choice of four ("Odpovídat výběrem…", Alt+O; in force until
# the end of the run): the three foreign texts of the dictionary offered, nothing chosen.
keys "Vokab 2.20" F3
keys "Zkoušení výrazů I" alt Right Return
keys "Nastavení zkoušeče" alt+o
keys "Nastavení zkoušeče" alt+F4
keys "Zkoušení výrazů I" alt Down Return
open_dictionary "Otevřít slovník"
look testing1-choice "Zkoušení výrazů I" "Vyberte správný výraz" cat horse apple \
    "Celkový počet výrazů: 3" "Aktuální výraz: 1"
keys "Zkoušení výrazů I" alt+F4

step="$road: testing II"
keys "Vokab 2.20" F4
keys "Zkoušení výrazů II" alt Right Return
look testing2-settings "Nastavení zkoušeče" "Zkoušet výrazy" "Z CIZ do CZ" "Z CZ do CIZ" \
    "Způsob zkoušení" Postupné Náhodné "Zobrazovat špatné odpovědi" Zobrazovat Nezobrazovat \
    "Odpověď zobrazovat pokaždé" "Použit zvuk při zobrazení výrazu" Zpět Potvrdit
keys "Nastavení zkoušeče" alt+F4
keys "Zkoušení výrazů II" alt Down Return
open_dictionary "Otevřít slovník"
keys "Zkoušení výrazů II" n
look testing2 "Zkoušení výrazů II" "Informace o průběhu zkoušení" "Celkový počet výrazů: 3" \
    "Aktuální výraz: 2" "Správně uhodnutých výrazů: 0" "Špatně uhodnutých výrazů: 1" Nevím
keys "Zkoušení výrazů II" alt+F4

step="$road: statistics"
keys "Vokab 2.20" alt Right Return
look statistics "Statistiky" "Název slovníku" Datum Čas Dokončeno Způsob "slovicka*5" "slova*2" \
    1.12.2026 2.12.2026 12.12.2026 22.12.2026 28.12.2026 9:05:33 10:15:03 14:25:13 \
    18:45:53 23:59:59 "Zkoušení I*7" "Zkoušení II*3"
# "Grafy": the first dictionary, then "Zobraz".
keys "Statistiky" ctrl+Tab Tab Down Tab Tab Tab Tab space
# The chart: its title's two lines, every number of its axis, the value marks (100 twice:
# the top of the axis and the tallest bar's mark) and the dates lying under their bars.
look chart "Statistiky" "Vokab slovník: slovicka" "Úspěšnost zkoušení v %" "od: 1.12.2026" \
    "do: 28.12.2026" 0 10 20 30 40 50 60 70 80 90 "100*2" 45 73 18 96 1.12.2026 \
    2.12.2026 12.12.2026 22.12.2026 28.12.2026 "Zobrazit hodnoty"
# "Kalendář": the year of practice, the series and the totals.
keys "Statistiky" ctrl+Tab
look calendar "Statistiky" Kalendář "Současná řada dní" "Nejdelší řada dní" \
    "Posledních 7 dní" "Posledních 30 dní" "odpovědí a výrazů*2"
keys "Statistiky" alt+F4

step="$road: general settings"
keys "Vokab 2.20" alt+n
keys "Obecné nastavení" ctrl+Tab ctrl+Tab
look settings "Obecné nastavení" "Obecné nastavení*2" "Nastavení hodnocení" \
    "Statistiky a Grafy" "Hodnoty ukládat do statistik po" "Kompletním dokončení zkoušení" \
    "Úmyslném přerušení zkoušení" "Nastavit barvu grafu" "Barva grafu je" změnit.. \
    Potvrdit Zpět
keys "Obecné nastavení" ctrl+Tab
look speech "Obecné nastavení" Výslovnost "Vyslovit výraz, který nemá nahrávku" \
    "Hlas cizího jazyka" English "Rychlost řeči" "slov za minutu" 175
keys "Obecné nastavení" alt+F4

step="$road: about"
# "Info" › "O Programu", the last item.
keys "Vokab 2.20" alt+i Up Return
about=""
for _ in $(seq 50); do
    for id in $(xdotool search --onlyvisible --name '^Vokab 2\.20$' 2>/dev/null); do
        [ "$id" != "$main" ] && about="$id"
    done
    [ -n "$about" ] && break
    sleep 0.1
done
[ -n "$about" ] || fail "no about box"
look_at about "$about" "Trenažér slovní zásoby" "pro české studenty cizích jazyků" e-mail www
eval "$(xdotool getwindowgeometry --shell "$about")"
# The close button in its top right corner.
xdotool mousemove --window "$about" "$((WIDTH - $(scaled 12)))" "$(scaled 12)" click 1
step="$road: message to the author"
keys "Vokab 2.20" alt+i i a
# "Odeslat", the left one of the two buttons at the bottom (Tab is typed into the text).
message="$(window "Zpráva autorovi programu:")"
activate "Zpráva autorovi programu:"
eval "$(xdotool getwindowgeometry --shell "$message")"
xdotool mousemove --window "$message" "$((WIDTH / 4))" "$((HEIGHT - $(scaled 18)))" click 1
look mail-error "Chyba" "Nepodařilo se poslat zprávu elektronickou poštou" "!Outlook" "!MAPI"
keys "Chyba" Return

step="$road: explanations"
keys "Vokab 2.20" F1
editor="$(window "Editor výrazů - novyslovnik.slv")"
# "Informace o Anglické výslovnosti", the eighth tool button below the menu bar; it takes
# no focus, so it is clicked.
xdotool mousemove --window "$editor" "$(scaled 219)" "$(scaled 41)" click 1
look explanations "Vysvětlivky" Vysvětlivky
read_title explanations
keys "Vysvětlivky" alt+F4

step="$road: merger"
keys "Editor výrazů - novyslovnik.slv" F8
keys "Slučovač slovníků" Tab space
open_dictionary "Otevřít"
keys "Slučovač slovníků" Tab Tab space
# The pronunciations in the phonetic font: no key of a symbol is read.
look merger "Slučovač slovníků" "Původní slovník" "Nový slovník" "Počet výrazů: 3*2" \
    "kočka*2" "kůň*2" "jablko*2" Načti "Uber vše" Ulož "!k4t" "!4pl" "!h!:s"
keys "Slučovač slovníků" alt+F4
keys "Editor výrazů - novyslovnik.slv" alt+F4
keys "Vokab 2.20" F10
ended

step="$road: reading the windows"
wait "${ocr_pids[@]}" 2>/dev/null || true
unread=""
for name in "${looked[@]}"; do
    mapfile -t words <"$shots/$name.words"
    readings="$(paste -sd, "$shots/$name.readings")"
    missing="$(/usr/bin/python3 "$(dirname "$0")/readwords.py" "$readings" "${words[@]}" 2>&1)" ||
        unread+=$'\n'"  $name ($shots/$name.png): $(tr '\n' ',' <<<"$missing" | sed 's/,$//')"
done
[ -z "$unread" ] || fail "words not read whole:$unread"

fi
if runs backups; then
# ---------------------------------------------------------------------------------------
# Road 4: half of a dictionary deleted in the editor, saved, the program closed; after a
# restart the full dictionary comes back in three steps: Program › "Obnovit ze zálohy…"
# (its newest backup chosen), "Obnovit přes současný soubor…", "Ano".
road="backups"
step="$road: start"
folder="$work/backups"
cp -r "$program_folder" "$folder"
rm -rf "$folder/Zalohy" "$folder/statistiky.dat"
backups_home="$work/home-backups"
mkdir -p "$backups_home"
# No tip of the day at the start.
printf '%s\n' '[Nastaveni]' Velkapismena=0 Tipy=0 Temp=1 Proc1=80 Proc2=60 Proc3=50 Proc4=30 \
    BarvaGrafu=clBlue DokonceniZkouseni=1 PreruseniZkouseni=1 >"$work/registry-backups.ini"
dictionary="$folder/Slovniky/zalohy.slv"
cp1250 $'kočka;cat;[];NENÍ\nkůň;horse;[];NENÍ\npes;dog;[];NENÍ\nmyš;mouse;[];NENÍ\nryba;fish;[];NENÍ\nptáček;bird;[];NENÍ' \
    >"$dictionary"
cp "$dictionary" "$work/zalohy-full.slv"
backups_run=(env HOME="$backups_home" XDG_RUNTIME_DIR="$backups_home"
    VOKAB_REGISTRY="$work/registry-backups.ini" "$folder/vokab")
"${backups_run[@]}" "$dictionary" >"$out/$road.log" 2>&1 &
app_pid=$!
pids+=("$app_pid")

step="$road: half deleted and saved"
window "Editor výrazů - zalohy.slv" >/dev/null
# "Výraz" › "Uber" three times (the first expression is selected), "Slovník" › "Uložit".
for _ in 1 2 3; do
    keys "Editor výrazů - zalohy.slv" alt Right Down Down Return
done
keys "Editor výrazů - zalohy.slv" alt Down Down Down Return
for _ in $(seq 50); do
    [ "$(grep -c . "$dictionary")" = 3 ] && break
    sleep 0.1
done
[ "$(grep -c . "$dictionary")" = 3 ] || fail "the saved dictionary does not hold 3 expressions"
keys "Editor výrazů - zalohy.slv" alt+F4
keys "Vokab 2.20" F10
ended

step="$road: restore after a restart"
"${backups_run[@]}" >"$out/$road-2.log" 2>&1 &
app_pid=$!
pids+=("$app_pid")
# The splash has the main window's title: the main window is the next one of that title.
splash="$(window "Vokab 2.20")"
for _ in $(seq 100); do
    [ "$(window "Vokab 2.20")" != "$splash" ] && break
    sleep 0.1
done
[ "$(window "Vokab 2.20")" != "$splash" ] || fail "the splash did not give way to the main window"
# Alt+P opens "Program", O chooses "Obnovit ze zálohy…" once the menu is up.
keys "Vokab 2.20" alt+p
sleep 0.3
xdotool key --clearmodifiers o
restore="$(window "Obnovit ze zálohy")"
titles_are_own
placed "$restore" >/dev/null
sleep 0.3
import -window "$restore" "$out/obnovit-ze-zalohy.png" || fail "no screenshot of the window"
# The restore button has the focus; Alt+P presses it as well.
keys "Obnovit ze zálohy" alt+p
window "Potvrzení" >/dev/null
keys "Potvrzení" alt+a
gone "Potvrzení"
for _ in $(seq 50); do
    cmp -s "$dictionary" "$work/zalohy-full.slv" && break
    sleep 0.1
done
cmp -s "$dictionary" "$work/zalohy-full.slv" ||
    fail "the restored dictionary differs: $(od -c "$dictionary" | head -5)"
# The half dictionary that was replaced is a backup now: the restore can be undone.
tail -n 3 "$work/zalohy-full.slv" >"$work/zalohy-half.slv"
kept=no
for backup in "$folder"/Zalohy/zalohy-*/*.slv; do
    cmp -s "$backup" "$work/zalohy-half.slv" && kept=yes
done
[ "$kept" = yes ] || fail "the replaced content is not among the backups: $(ls -R "$folder/Zalohy")"
keys "Obnovit ze zálohy" Escape
gone "Obnovit ze zálohy"
keys "Vokab 2.20" F10
ended

fi
echo "acceptance: ${roads// /, } passed"
