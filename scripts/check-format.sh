#!/usr/bin/env bash
# Fails when a C++ file of the repository differs from what clang-format makes of it
# (.clang-format). To format everything: scripts/check-format.sh --fix
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ "${1:-}" == "--fix" ]]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if clang-format --dry-run --Werror "${files[@]}" 2>/tmp/check-format.$$; then
    rm -f /tmp/check-format.$$
    echo "format check passed"
else
    grep -E '^[^ ].*: error' /tmp/check-format.$$ | cut -d: -f1 | sort -u | sed 's/$/: not formatted (scripts\/check-format.sh --fix)/'
    rm -f /tmp/check-format.$$
    exit 1
fi
