#!/usr/bin/env bash
# The real program on a virtual X display, driven with xdotool as a user would:
#  - Esc closes an open menu only; the next Esc ends the program;
#  - SIGTERM, SIGINT and SIGHUP end it within a second with status 0, the settings file intact,
#    also while a message box is open;
#  - a side button acts as the left one (a press on the board before a game is refused);
#  - a message box titled " " keeps its blank title;
#  - その他 → 解説 with an opener that finds no browser says so in a box titled "解説";
#  - under a window manager (openbox) the whole frame, title bar included, is on the screen;
#  - a record named on the command line is read, its box over the window;
#  - KIF put on the clipboard (xclip), pasted with Ctrl+V and copied back with Ctrl+C, gives
#    the same moves.
# It waits for what it expects (a window, a menu, the end), never for a time: only a hang fails.
# Usage: desktop_session.sh path/to/yukora-shogi
set -euo pipefail

exe=$(realpath "$1")
unset QT_QPA_PLATFORM
export SDL_AUDIODRIVER=dummy LC_ALL=C.UTF-8

work=$(mktemp -d /tmp/yukora-desktop-XXXXXX)
# A virtual display of its own: Xvfb picks a free number itself, which xvfb-run cannot do
# safely while other virtual displays start beside it.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
trap 'kill ${keeper:-} "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do
    [[ -s "$work/display" ]] && break
    sleep 0.1
done
[[ -s "$work/display" ]] || { cat "$work/xvfb.log" >&2; echo "desktop_session: no Xvfb" >&2; exit 1; }
export DISPLAY=:$(head -1 "$work/display")
# The number is written once the server listens; wait until it also answers.
for _ in $(seq 100); do
    xprop -root >/dev/null 2>&1 && break
    sleep 0.1
done
# One client held for the whole run: a server resets when its last client leaves, and a
# program starting during the reset cannot connect.
xprop -root -spy >/dev/null 2>&1 &
keeper=$!
run_dir=$(dirname "$exe")
cp "$run_dir"/*.wav "$run_dir"/*.htm "$work"/ 2>/dev/null || true
# An opener that finds no browser, as xdg-open on a machine without one.
mkdir "$work/bin"
printf '#!/bin/sh\ntouch "%s/opener-called"\nexit 3\n' "$work" > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"

passed=0 failed=0
pass() { echo "PASS $1"; passed=$((passed + 1)); }
fail() { echo "FAIL $1"; failed=$((failed + 1)); }

# Settings other than the defaults, music on: the shutdown must free a playing sound.
write_settings() {
    printf '背景画=宇宙\r\n移動指導=ON\r\n経過時間=ON\r\nBGM=ON\r\n' | iconv -f UTF-8 -t CP932 \
        > "$work/Yukora将棋1.ini"
}

pid=
start() {
    (cd "$work" && exec "$exe" "$@") &
    pid=$!
    local i
    for i in $(seq 600); do
        win=$(xdotool search --onlyvisible --name '^Yukora 将棋Ⅰ$' 2>/dev/null | head -1) || true
        [[ -n "$win" ]] && { sleep 0.3; return 0; }
        sleep 0.1
    done
    echo "the window did not appear"; return 1
}

# Waits up to $1 seconds for the program to end; its exit status in $status.
ended_within() {
    local deadline=$(( $(date +%s%N) + ${1%.*} * 1000000000 + 10#${1#*.} * 100000000 ))
    while kill -0 "$pid" 2>/dev/null; do
        (( $(date +%s%N) < deadline )) || return 1
        sleep 0.02
    done
    status=0
    wait "$pid" || status=$?
    return 0
}

stop() { kill -KILL "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; }

# Finds a visible window of the program whose title is exactly $1.
find_box() {
    local i w
    for i in $(seq 300); do
        for w in $(xdotool search --onlyvisible --class yukora-shogi 2>/dev/null); do
            if [[ "$(xprop -id "$w" _NET_WM_NAME 2>/dev/null)" == "_NET_WM_NAME(UTF8_STRING) = \"$1\"" ]]; then
                box=$w; return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

# The program's visible windows, its menus included.
shown() { xdotool search --onlyvisible --class yukora-shogi 2>/dev/null | sort | tr '\n' ' '; }
# Waits until the visible windows differ from $1 and number $2 or more: a menu has opened.
opened() {
    local i now
    for i in $(seq 300); do
        now=$(shown)
        [[ "$now" != "$1" ]] && (($(wc -w <<<"$now") >= $2)) && return 0
        sleep 0.1
    done
    return 1
}
# The pointer stays where the last run left it, and a --sync move onto the same spot waits for a
# motion that never comes: move away first.
menu_bar() {
    local before
    before=$(shown)
    xdotool mousemove 0 0 mousemove --sync 20 10 click 1
    opened "$before" 2
}
# 対局 → 対局(人間) → スタート: the box "先手の番です" titled " ".
start_two_humans() {
    menu_bar
    local before
    before=$(shown)
    xdotool key Down key Right
    opened "$before" 3
    xdotool key Return
}

# 1. Esc after a menu was closed with Esc.
write_settings
start
menu_bar
xdotool key Escape
# Closed: only the main window is left (or Esc ended the program, which is the fault).
for _ in $(seq 300); do
    (($(wc -w <<<"$(shown)") < 2)) && break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    xdotool key Escape
    if ended_within 60.0 && [[ $status -eq 0 ]]; then pass "Esc after a menu closed by Esc ends the program"
    else fail "Esc after a menu closed by Esc ends the program"; stop; fi
else
    fail "Esc inside an open menu only closes the menu"
fi

# 2. The signals, with the window idle and with a message box open.
for sig in TERM INT HUP; do
    for box_open in no yes; do
        write_settings
        before=$(sha256sum < "$work/Yukora将棋1.ini")
        start
        [[ $box_open == yes ]] && { start_two_humans; find_box " " || true; }
        kill -"$sig" "$pid"
        name="SIG$sig ends it, status 0, settings intact (box open: $box_open)"
        if ended_within 60.0 && [[ $status -eq 0 ]] &&
            [[ "$(sha256sum < "$work/Yukora将棋1.ini")" == "$before" ]] &&
            [[ -z "$(find "$work" -maxdepth 1 -name '.yukora-*')" ]]; then
            pass "$name"
        else
            fail "$name (status ${status:-running})"; stop
        fi
        status=
    done
done

# 3. A side button (X button 8) on the board before a game: refused like a left press.
write_settings
start
xdotool mousemove 0 0 mousemove --sync 260 300 sleep 0.2 click 8
if find_box "開始"; then pass "a side button acts as the left button"
else fail "a side button acts as the left button"; fi
stop

# 4. The box of "スタート" keeps its title of one blank.
start
start_two_humans
if find_box " "; then pass "a box titled ' ' keeps its blank title"
else fail "a box titled ' ' keeps its blank title"; fi
stop

# 5. その他 → 解説 with an opener that finds no browser. From 対局, Left wraps round to その他.
rm -f "$work/opener-called"
start
menu_bar
before=$(shown)
xdotool key Left  # opened from the keyboard: its first item is active
opened "$before" 2
xdotool key Return
if find_box "解説" && [[ -e "$work/opener-called" ]]; then
    pass "解説 without a browser says so"
else
    fail "解説 without a browser says so"
fi
stop

# 6. Under openbox the frame's top-left corner is the screen's: the title bar can be reached.
openbox >"$work/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 300); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
start
for _ in $(seq 300); do
    extents=$(xprop -id "$win" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.* = //p')
    [[ -n "$extents" ]] && break
    sleep 0.1
done
IFS=', ' read -r left _ top _ <<<"${extents:-0, 0, 0, 0}"
corner=$(xwininfo -id "$win" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x "," y}')
name="the frame (title bar $top px) starts at the screen's corner, client at $corner"
if ((top > 0)) && [[ "$corner" == "$left,$top" ]]; then pass "$name"; else fail "$name"; fi
stop
kill "$wm" 2>/dev/null; wait "$wm" 2>/dev/null || true

# 7. A record named on the command line.
printf '手合割：平手\r\n   1 ７六歩(77)\r\n   2 ３四歩(33)\r\n' | iconv -f UTF-8 -t CP932 >"$work/x.kif"
start "$work/x.kif"
if find_box "棋譜"; then pass "a record named on the command line is read"
else fail "a record named on the command line is read"; fi
stop

# Answers the box titled $1 with Return and waits until it has gone.
answer_box() {
    find_box "$1" || return 1
    xdotool windowfocus --sync "$box" key Return
    local i
    for i in $(seq 300); do
        grep -qw "$box" <<<"$(shown)" || return 0
        sleep 0.1
    done
    return 1
}

# 8. The clipboard both ways, as another program sees it.
if command -v xclip >/dev/null; then
    printf '手合割：平手\n   1 ２六歩(27)\n   2 ８四歩(83)\n' | xclip -selection clipboard -i
    start
    xdotool windowfocus --sync "$win" key ctrl+v
    # " 読み込みました", then "棋譜を '進 'で進めて下さい".
    answer_box "棋譜" && answer_box "棋譜"
    xdotool windowfocus --sync "$win" key ctrl+c
    # The program's copy, not the text put there: it starts with the KIF header line.
    copied=
    for _ in $(seq 300); do
        copied=$(xclip -selection clipboard -o 2>/dev/null || true)
        grep -q '^#KIF version=2.0' <<<"$copied" && break
        sleep 0.1
    done
    if grep -qE '^ +1 ２六歩\(27\)' <<<"$copied" && grep -qE '^ +2 ８四歩\(83\)' <<<"$copied"; then
        pass "KIF pasted with Ctrl+V comes back with Ctrl+C"
    else
        fail "KIF pasted with Ctrl+V comes back with Ctrl+C"; echo "$copied"
    fi
    stop
else
    echo "SKIP the clipboard: no xclip"
fi

echo "$passed passed, $failed failed"
(( failed == 0 ))
