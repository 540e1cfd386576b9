#!/usr/bin/env bash
# Starts the game and checks that its window appears; run under a display (Xvfb).
#   scripts/check-window.sh PROGRAM [SCREENSHOT.png]
# With YUKORA_TRACE=FILE the game runs under strace, which logs the files it opens, creates,
# renames and removes into FILE. Fails when the window does not appear within 20 s, or when
# the sound library's warning box does. Ends the game with Esc, or kills it.
set -euo pipefail

program=$1
shot=${2:-}
title='Yukora 将棋Ⅰ'

if [[ -n "${YUKORA_TRACE:-}" ]]; then
    strace -f -qq -o "$YUKORA_TRACE" \
        -e trace=openat,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,linkat \
        "$program" &
else
    "$program" &
fi
pid=$!
window=
end_game() {
    kill -0 "$pid" 2>/dev/null || return 0
    local game=
    if [[ -n "$window" ]]; then
        game=$(xdotool getwindowpid "$window" 2>/dev/null || true)
        xdotool windowfocus --sync "$window" key Escape 2>/dev/null || true
    fi
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "check-window: Esc did not end it; killed"
        kill -KILL ${game:+"$game"} "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
}
trap end_game EXIT

for _ in $(seq 100); do
    if xdotool search --name '^Yukora将棋1\.dll$' >/dev/null 2>&1; then
        echo "check-window: the sound library's warning box appeared" >&2
        exit 1
    fi
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -1 || true)
    [[ -n "$window" ]] && break
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "check-window: $program ended before showing its window" >&2
        exit 1
    fi
    sleep 0.2
done
if [[ -z "$window" ]]; then
    echo "check-window: no window \"$title\" within 20 s" >&2
    exit 1
fi
sleep 1  # let it paint
if [[ -n "$shot" ]]; then import -window root "$shot"; fi
echo "check-window: $program showed its window"
