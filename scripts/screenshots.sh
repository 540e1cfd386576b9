#!/usr/bin/env bash
# Two screenshots of the window on a virtual screen, to hold one build's window against
# another's pixel for pixel:
#   start.png  the window at start-up (settings file written with its defaults);
#   game.png   a game against the computer after ten moves: five moves of the bottom side
#              clicked with the mouse and the computer's five answers. The clocks option is
#              off there, so that no running time shows.
# Usage: scripts/screenshots.sh OUTDIR [BUILD_DIR]   (BUILD_DIR defaults to build)
# Compare two runs with: compare -metric AE a/game.png b/game.png null:
set -euo pipefail

if [[ "${1:-}" == "--inside" ]]; then
    shift
    run=$1 out=$2 shot=$3
    cd "$run"
    SDL_AUDIODRIVER=dummy ./yukora-shogi &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true' EXIT
    xdotool search --sync --onlyvisible --name 'Yukora' >/dev/null
    sleep 2
    # Cell (x, y) of the board grid in screen pixels: twips / 15, below the menu bar.
    menu=$(cat "$run/.menu-height")
    click() {
        xdotool mousemove "$1" "$2"
        sleep 0.3
        xdotool click 1
        sleep 0.7
    }
    cell() {
        click $(((1050 + 570 * $1 + 285) / 15)) $(((100 + 660 * $2 + 330) / 15 + menu))
    }
    if [[ "$shot" == "start" ]]; then
        import -window root "$out/start.png"
        exit 0
    fi
    # 対局 → 対局(COM) → 先手, then the box "MANの番です".
    click 20 10
    click 60 51
    click 180 51
    xdotool key Return
    sleep 1
    # 7六歩, 2六歩, 5八金 (from 6九), 2五歩, 4八金 (board cells counted from the left).
    for mv in "3 7 3 6" "8 7 8 6" "4 9 5 8" "8 6 8 5" "6 9 6 8"; do
        read -r fx fy tx ty <<<"$mv"
        cell "$fx" "$fy"
        cell "$tx" "$ty"
        sleep 1.5
    done
    xdotool mousemove 1000 700
    sleep 1
    import -window root "$out/game.png"
    exit 0
fi

out=$(realpath -m "${1:?usage: scripts/screenshots.sh OUTDIR [BUILD_DIR]}")
build=$(realpath "${2:-build}")
mkdir -p "$out"
for tool in xvfb-run xdotool import iconv; do
    command -v "$tool" >/dev/null || { echo "missing: $tool (apt-get install xvfb xdotool imagemagick)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$build/run/." "$work/"
rm -f "$work/Yukora将棋1.ini"
echo "${MENU_HEIGHT:-19}" >"$work/.menu-height"
xvfb-run -a -s '-screen 0 1024x768x24' "$0" --inside "$work" "$out" start
printf '背景画=竹\r\n移動指導=OFF\r\n経過時間=OFF\r\nBGM=OFF\r\n' | iconv -f UTF-8 -t CP932 >"$work/Yukora将棋1.ini"
xvfb-run -a -s '-screen 0 1024x768x24' "$0" --inside "$work" "$out" game
echo "written: $out/start.png $out/game.png"
