#!/usr/bin/env bash
# Builds Markroll with every test and runs them all (core, command line and offscreen window tests).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${MARKROLL_BUILD_DIR:-$root/build}"
"$root/scripts/deps.sh" poppler-utils cups-daemon cups-client cups-filters printer-driver-cups-pdf ghostscript
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${MARKROLL_CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
