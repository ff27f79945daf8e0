#!/usr/bin/env bash
# Formats the C++ sources with the project's .clang-format.
#   scripts/format.sh           rewrites every file that is not formatted
#   scripts/format.sh --check   changes nothing; lists the files that are not formatted and fails
set -euo pipefail
cd "$(dirname "$0")/.."

mode=fix
if [[ "${1:-}" == "--check" ]]; then
    mode=check
elif [[ $# -gt 0 ]]; then
    echo "usage: $0 [--check]" >&2
    exit 2
fi

if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
    mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')
else
    mapfile -d '' files < <(find src tests bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \) -print0)
fi

if [[ $mode == fix ]]; then
    clang-format -i -- "${files[@]}"
    exit 0
fi

unformatted=0
for f in "${files[@]}"; do
    if ! clang-format --dry-run --Werror -- "$f" >/dev/null 2>&1; then
        echo "$f"
        unformatted=1
    fi
done
exit $unformatted
