#!/usr/bin/env bash
# Checks the game installed as a user gets it, from a build folder that ./test.sh has built:
#  1. the run folder still keeps the settings beside the program;
#  2. `cmake --install` into a scratch prefix: the tree, the desktop entry, the metainfo, the
#     icons, the record types (read by update-mime-database in a scratch folder), and the game
#     started from there keeping its settings in $XDG_CONFIG_HOME;
#  3. the Debian package: built, checked by lintian, installed with dpkg (or, when the machine already has the
#     package, unpacked into a scratch root), both programs run from PATH, the record types
#     known to xdg-mime with the game as their program, removed again.
#   scripts/check-install.sh [BUILD_DIR]     (default build)
# Every start uses a scratch HOME and XDG_CONFIG_HOME. YUKORA_SHOT=FILE.png keeps a screenshot
# of the game started from the package (needs ImageMagick's import).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$(realpath "${1:-build}")

passed=0
failed=0
check() {  # check DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "check-install: FAILED: $what" >&2
    fi
}

tmp=$(mktemp -d /tmp/yukora-install-XXXXXX)
package=yukora-shogi
marker="$build/package/.installed-by-check-install"
we_installed=0
xvfb=
cleanup() {
    if [[ -n "$xvfb" ]]; then kill "$xvfb" 2>/dev/null || true; fi
    if ((we_installed)); then
        dpkg --purge "$package" >/dev/null
        rm -f "$marker"
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

ini=Yukora将棋1.ini
# What the game writes when it finds no settings file, read back from Shift-JIS.
reading_defaults=$'背景画=竹\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=OFF\r\n表示倍率=100\r'
settings_are_defaults() { [[ "$(iconv -f CP932 -t UTF-8 "$1")" == "$reading_defaults" ]]; }

# One virtual display for every start. Xvfb picks a free display number itself, which
# xvfb-run -a cannot do safely while other virtual displays start beside it.
# -noreset: a server resets when its last client leaves, and a game starting during the reset
# cannot connect.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [[ -s "$tmp/display" ]] && break
    sleep 0.1
done
[[ -s "$tmp/display" ]] || { cat "$tmp/xvfb.log" >&2; echo "check-install: no Xvfb" >&2; exit 1; }
display=:$(head -1 "$tmp/display")
# The number is written once the server listens; wait until it also answers.
for _ in $(seq 100); do
    DISPLAY=$display xprop -root >/dev/null 2>&1 && break
    sleep 0.1
done

# Starts PROGRAM on that display with a scratch home NAME: its config folder is
# $tmp/NAME/config, and strace's log of the files it touched $tmp/NAME/trace.
start_game() {  # start_game NAME PROGRAM [SCREENSHOT]
    local home=$tmp/$1
    mkdir -p "$home/runtime"
    chmod 700 "$home/runtime"
    DISPLAY=$display HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime \
        SDL_AUDIODRIVER=dummy YUKORA_TRACE=$home/trace "$root/scripts/check-window.sh" "${@:2}"
}

# strace writes the bytes of non-ASCII names as octal escapes; printf %b turns them back.
trace_of() { while IFS= read -r line; do printf '%b\n' "$line"; done <"$tmp/$1/trace"; }
# The game NAME opened FILE for reading.
read_file() { trace_of "$1" | grep -F "\"$2\", O_RDONLY" | grep -qv ' = -1 '; }
read_data() {  # read_data NAME DATA_FOLDER LIBRARY_FOLDER
    local f
    for f in その他.wav 禁止.wav 駒打音.wav BGM.wav; do read_file "$1" "$2/$f" || return 1; done
    read_file "$1" "$3/Yukora将棋1.so"
}
# What the game NAME created, wrote, renamed or removed (or tried to) under FOLDER.
changes_under() {
    trace_of "$1" | grep -E 'O_WRONLY|O_RDWR|O_CREAT|^[0-9]+ +(creat|mkdir|rename|unlink|link)' |
        grep -F "\"$2/" || true
}

quiet() { local out; out=$("$@" 2>&1) || { echo "$out" >&2; return 1; }; }
same_lines() { [[ "$1" == "$2" ]] || { diff <(echo "$1") <(echo "$2") >&2; return 1; }; }
empty() { [[ -z "$1" ]] || { echo "$1" >&2; return 1; }; }

programs=$(for p in yukora-shogi yukora-usi yukora-kifu; do
    if [[ -x "$build/run/$p" ]]; then echo "$p"; fi; done)
data_files=$(printf '%s\n' BGM.wav Yukora将棋1.htm その他.wav 禁止.wav 駒打音.wav)
icon_sizes="16 22 24 32 48 64 128 256"
app_id=org.yukora.shogi
record_types="application/x-shogi-kif;application/x-shogi-ki2;application/x-shogi-csa;application/x-yukora-shogi-record;"

# The sound library's folder under PREFIX: lib/yukora-shogi or lib/<triplet>/yukora-shogi.
library_dir() { dirname "$(ls "$1"/lib/yukora-shogi/Yukora将棋1.so "$1"/lib/*/yukora-shogi/Yukora将棋1.so 2>/dev/null | head -1)"; }

# The installed tree under PREFIX (/usr for the package); BIN lists what it put in bin/.
check_tree() {  # check_tree PREFIX BIN
    local prefix=$1
    check "bin/ (games/ in the package) holds the programs and nothing else" \
        same_lines "$(LC_ALL=C sort <<<"$2")" "$(LC_ALL=C sort <<<"$programs")"
    check "the data folder holds the sounds and the help page" \
        same_lines "$(ls "$prefix/share/yukora-shogi")" "$data_files"
    check "the sound library is in a private library folder" \
        test -f "$(library_dir "$prefix")/Yukora将棋1.so"
    check "the copyright and the changelog are in the documents folder" \
        test -f "$prefix/share/doc/yukora-shogi/copyright" -a \
        -f "$prefix/share/doc/yukora-shogi/changelog.gz"
    check "desktop-file-validate says nothing" \
        empty "$(desktop-file-validate "$prefix/share/applications/$app_id.desktop" 2>&1)"
    check "the desktop entry opens the record types" \
        grep -qx "MimeType=$record_types" "$prefix/share/applications/$app_id.desktop"
    check "the record types are there for shared-mime-info" \
        test -f "$prefix/share/mime/packages/$app_id.xml"
    check "appstreamcli validate passes" \
        quiet appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"
    for size in $icon_sizes; do
        check "icon ${size}x$size" grep -q "PNG image data, $size x $size," \
            <(file "$prefix/share/icons/hicolor/${size}x$size/apps/$app_id.png")
    done
    local p
    for p in $programs; do
        check "man page of $p" test -n "$(ls "$prefix"/share/man/man[16]/"$p".[16].gz 2>/dev/null)"
    done
}

# Records of each type, named as a file manager shows them, and two named as nothing is:
# FILE TYPE CONTENT lines.
samples=$tmp/samples
mkdir -p "$samples"
record_samples=$(cat <<'EOF2'
x.kif application/x-shogi-kif 手合割：平手
x.KIFU application/x-shogi-kif #KIF version=2.0 encoding=UTF-8
x.ki2 application/x-shogi-ki2 ▲７六歩
x.ki2u application/x-shogi-ki2 ▲７六歩
x.csa application/x-shogi-csa V2.2
x.棋譜 application/x-yukora-shogi-record 対局
csa-record application/x-shogi-csa V2.2
kif-record application/x-shogi-kif 手数----指手---------消費時間--
EOF2
)
while read -r name _ content; do
    printf '%s\r\n' "$content" | iconv -f UTF-8 -t CP932 >"$samples/$name"
done <<<"$record_samples"

# The record types of PREFIX read by update-mime-database into a scratch data folder, and
# the samples' types found there.
check_mime() {  # check_mime PREFIX
    local data=$tmp/mime-data
    mkdir -p "$data/mime/packages"
    cp "$1/share/mime/packages/$app_id.xml" "$data/mime/packages/"
    check "update-mime-database reads the record types without a word" \
        empty "$(XDG_DATA_HOME=$data XDG_DATA_DIRS=$data update-mime-database "$data/mime" 2>&1)"
    local name type _
    while read -r name type _; do
        check "$name is $type" same_lines \
            "$(XDG_DATA_HOME=$data XDG_DATA_DIRS=$data mimetype --brief "$samples/$name")" "$type"
    done <<<"$record_samples"
}

# 1. The run folder, as ./run.sh starts the game.
run_ini="$build/run/$ini"
run_ini_before=$(cat "$run_ini" 2>/dev/null || true)
check "the game starts from the run folder" start_game run "$build/run/yukora-shogi"
check "the run folder keeps the settings beside the program" test -f "$run_ini"
check "the run folder's game writes nothing in the config folder" test ! -e "$tmp/run/config"
check "the run folder's game reads its sounds and library beside it" \
    read_data run "$build/run" "$build/run"
[[ -n "$run_ini_before" ]] || rm -f "$run_ini"

# 2. cmake --install into a scratch prefix.
prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
check_tree "$prefix" "$(ls "$prefix/bin")"
check_mime "$prefix"
check "the game starts from the scratch prefix" start_game staged "$prefix/bin/yukora-shogi"
check "the settings land in XDG_CONFIG_HOME" settings_are_defaults "$tmp/staged/config/yukora-shogi/$ini"
check "the staged game reads its sounds and library from the installed tree" \
    read_data staged "$prefix/share/yukora-shogi" "$(library_dir "$prefix")"
check "the staged game writes nothing into the installed tree" empty "$(changes_under staged "$prefix")"

# 3. The Debian package.
deb=$(scripts/package.sh "$build")
check "lintian reports no error on the package" quiet lintian --fail-on error "$deb"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-ipafont-mincho qt6-translations-l10n libqt6widgets6 libsdl2-mixer-2.0-0; do
    check "the package depends on $needed" grep -q "$needed" <<<"$depends"
done
if [[ -f "$marker" ]] && dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok'; then
    dpkg --purge "$package" >/dev/null  # left behind by an interrupted run of this check
fi
rm -f "$marker"
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed'; then
    echo "check-install: $package is installed on this machine; unpacking into a scratch root"
    dpkg -x "$deb" "$tmp/root"
    usr=$tmp/root/usr
else
    touch "$marker"
    we_installed=1
    dpkg -i "$deb" >/dev/null
    usr=/usr
fi
# The package keeps the programs in /usr/games, as Debian has it for games.
check_tree "$usr" "$(dpkg-deb -c "$deb" | sed -n 's|.* \./usr/games/\(..*\)$|\1|p')"
check "the package puts nothing in /usr/bin" empty "$(dpkg-deb -c "$deb" | grep ' \./usr/bin/' || true)"
export PATH="$usr/games:$PATH"
check "yukora-shogi is found on PATH" test "$(command -v yukora-shogi)" = "$usr/games/yukora-shogi"
check "yukora-usi answers usi with usiok" \
    grep -qx usiok <(printf 'usi\nquit\n' | timeout 10 yukora-usi)
if grep -qx yukora-kifu <<<"$programs"; then
    check "yukora-kifu reads a record from PATH" \
        grep -qx 'lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1' \
        <(yukora-kifu sfen "$root/tests/data/games/real-game-1.csa" | head -1)
fi
check "the packaged game starts from PATH" start_game packaged yukora-shogi "${YUKORA_SHOT:-}"
check "the packaged game's settings land in XDG_CONFIG_HOME" \
    settings_are_defaults "$tmp/packaged/config/yukora-shogi/$ini"
check "the packaged game reads its sounds and library from the package's folders" \
    read_data packaged "$usr/share/yukora-shogi" "$(library_dir "$usr")"
check "the packaged game writes nothing under $usr" empty "$(changes_under packaged "$usr")"
if ((we_installed)); then
    # dpkg's triggers brought the system's MIME database and the desktop entries up to date.
    mkdir -p "$tmp/xdg"
    xdg() { HOME=$tmp/xdg XDG_DATA_HOME=$tmp/xdg/data XDG_CONFIG_HOME=$tmp/xdg/config xdg-mime "$@"; }
    check "xdg-mime gives a .kif the program's type" \
        same_lines "$(xdg query filetype "$samples/x.kif")" application/x-shogi-kif
    check "xdg-mime names the game as the program for it" \
        same_lines "$(xdg query default application/x-shogi-kif)" "$app_id.desktop"
fi
if ((we_installed)); then
    dpkg --purge "$package" >/dev/null
    we_installed=0
    rm -f "$marker"
    check "the package is removed again" test ! -e /usr/games/yukora-shogi -a ! -e "/usr/share/yukora-shogi"
fi

echo "check-install: $passed passed, $failed failed"
((failed == 0))
