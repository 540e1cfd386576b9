#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the game need, when missing.
# A machine that already has them pays one dpkg query.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-translations-l10n fonts-ipafont-mincho
    libsdl2-mixer-dev
    clang libclang-rt-14-dev clang-format
    xvfb xauth xdotool x11-utils imagemagick xclip
    # A window manager, to see the real window framed (tests/window/desktop_session.sh).
    openbox
    xdg-utils
    # Installing and packaging, and checking the installed game (scripts/check-install.sh).
    dpkg-dev file desktop-file-utils appstream strace lintian
    shared-mime-info libfile-mimeinfo-perl
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

# Node and npm run the record checks against tsshogi (tests/kifu/js); Debian's when missing.
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    missing+=(nodejs npm)
fi

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi
