#!/usr/bin/env bash
# Applies .clang-format to every C++ file git tracks; with --check, changes nothing and fails when a file
# is not formatted.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
"$root/scripts/deps.sh" clang-format
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
    clang-format --dry-run --Werror "${files[@]}"
    echo "formatting: ${#files[@]} files as .clang-format says"
else
    clang-format -i "${files[@]}"
fi
