#!/usr/bin/env bash
# Fails when a source file includes a header of a folder above its own. The order is the one
# the libraries are linked in (CMakeLists.txt): each folder may include only itself and the
# folders listed for it. The linker would not notice a header-only include against the order.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
    [game]=""
    [textfile]=""
    [influence]="game textfile"
    [rules]="game textfile influence"
    [computer]="game textfile influence rules"
    [display]="game textfile influence rules computer"
    [own_format]="game textfile"
    [formats]="game textfile influence rules own_format"
    [settings]="game textfile influence rules computer display"
    [panel]="game textfile influence rules computer display own_format formats settings"
    [sound]="game textfile influence rules computer"
    [help]="game textfile influence rules computer"
    [engine]="game textfile influence rules computer display own_format formats settings panel sound help"
    [review]="game textfile influence rules computer display own_format formats settings panel sound help engine"
    [flow]="game textfile influence rules computer display own_format formats settings panel sound help engine review"
    [window]="game textfile influence rules computer display own_format formats settings panel sound help engine review flow"
    [usi]="game textfile influence rules computer display own_format formats settings panel sound help engine review flow"
    [kifu]="game textfile influence rules computer display own_format formats settings panel sound help engine review flow"
)
core_folders="game textfile influence rules computer display own_format formats settings panel sound help engine review flow window"

# The folder a file belongs to: src/<folder>/..., or one of the adapters usi/... and kifu/...
layer_of() {
    case "$1" in
        src/*) local rest=${1#src/}; echo "${rest%%/*}" ;;
        usi/*) echo usi ;;
        kifu/*) echo kifu ;;
    esac
}

status=0
while IFS= read -r file; do
    layer=$(layer_of "$file")
    [[ -n "$layer" && -v "allowed[$layer]" ]] || continue
    while IFS= read -r line; do
        target=${line#*\"}
        target=${target%%/*}
        [[ "$target" == "$layer" ]] && continue
        [[ " $core_folders usi kifu " == *" $target "* ]] || continue
        if [[ " ${allowed[$layer]} " != *" $target "* ]]; then
            echo "$file: $layer/ may not include $target/ ($line)"
            status=1
        fi
    done < <(grep -E '^\s*#\s*include\s*"[a-z_]+/' "$file" | sed -E 's/^\s*#\s*include\s*//')
done < <(find src usi kifu -name '*.h' -o -name '*.cpp' | sort)

if ((status)); then
    echo "layer check failed: the order is game, textfile <- influence <- rules <- computer <-"
    echo "  display <- settings; game, textfile <- own_format; rules, own_format <- formats;"
    echo "  display, settings, formats <- panel; computer <- sound, help; panel, sound, help <- engine"
    echo "  <- review <- flow;"
    echo "  all <- window, usi, kifu"
else
    echo "layer check passed"
fi
exit $status
