#!/usr/bin/env bash
# Builds Markroll and starts it. Any arguments are passed to the program (e.g. a markroll file to open).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target markroll markroll-cli
exec "$root/build/src/app/markroll" "$@"
