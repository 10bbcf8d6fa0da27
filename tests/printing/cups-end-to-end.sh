#!/usr/bin/env bash
# Prints through a real CUPS queue end to end: starts a private cupsd with a cups-pdf queue as the default
# printer (scripts/cups-private.sh), runs a print command against it, waits for the PDF and checks its text.
#
#   cups-end-to-end.sh PROGRAM EXPECTED-TEXT [ARG...]
#
# PROGRAM is run with the ARGs, with CUPS_SERVER and the rest of the private daemon's environment exported,
# and must leave a job on the default queue. The word "lp-text" instead of a program means: print a text
# file holding EXPECTED-TEXT with lp. Exit status: 0 the PDF holds the text, 1 it does not (or no PDF came),
# 77 skipped because cupsd or cups-pdf is not installed.
set -euo pipefail

if [ $# -lt 2 ]; then
    echo "usage: $0 PROGRAM|lp-text EXPECTED-TEXT [ARG...]" >&2
    exit 2
fi
program="$1"
expected="$2"
shift 2
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cups_private="$here/../../scripts/cups-private.sh"
wait_seconds=30

# Short on purpose: the daemon's Unix socket lives in it and its path must stay under 108 bytes.
work="$(mktemp -d /tmp/mrcups.XXXXXX)"
cleanup() {
    bash "$cups_private" stop "$work" || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

fail() {
    echo "FAILED: $1"
    echo "-- jobs:"
    lpstat -W all -o 2>&1 | tail -n 10 || true
    echo "-- files in $work/pdf:"
    ls -l "$work/pdf" 2>&1 || true
    for log in "$work"/log/error_log "$work"/log/cups-pdf-*_log; do
        [ -f "$log" ] || continue
        echo "-- last lines of $(basename "$log"):"
        tail -n 25 "$log"
    done
    exit 1
}

set +e
exports="$(bash "$cups_private" start "$work" 2>"$work/start.err")"
rc=$?
set -e
if [ $rc -eq 3 ]; then
    echo "SKIPPED: $(head -n 1 "$work/start.err")"
    exit 77
elif [ $rc -ne 0 ]; then
    cat "$work/start.err"
    fail "the private CUPS daemon did not start (exit $rc)"
fi
eval "$exports"
echo "private cupsd $MARKROLL_CUPS_PID on $CUPS_SERVER; default queue: $(lpstat -d)"

if [ "$program" = lp-text ]; then
    printf '%s\n' "$expected" >"$work/expected.txt"
    command=(lp "$work/expected.txt")
else
    command=("$program" "$@")
fi
echo "printing with: ${command[*]}"
set +e
timeout 60 "${command[@]}"
rc=$?
set -e
[ $rc -eq 0 ] || fail "the print command exited with status $rc"

# Done when a PDF is there and no job is left to complete (cups-pdf writes the file before the job ends).
pdfs=()
for ((i = 0; i < wait_seconds * 5; i++)); do
    shopt -s nullglob
    pdfs=("$MARKROLL_CUPS_OUT"/*.pdf)
    shopt -u nullglob
    if [ ${#pdfs[@]} -gt 0 ] && [ -z "$(lpstat -W not-completed -o 2>/dev/null)" ]; then
        break
    fi
    sleep 0.2
done
[ ${#pdfs[@]} -gt 0 ] || fail "no PDF appeared in $MARKROLL_CUPS_OUT within $wait_seconds s"
[ -z "$(lpstat -W not-completed -o 2>/dev/null)" ] || fail "jobs still not completed after $wait_seconds s"

# pdftotext may break or space the words differently; compare with runs of white space made one space.
squeeze() { tr -s '[:space:]' ' ' | sed 's/^ //; s/ $//'; }
text="$(for pdf in "${pdfs[@]}"; do pdftotext -layout "$pdf" - 2>/dev/null; done | squeeze)"
want="$(printf '%s' "$expected" | squeeze)"
if [[ "$text" != *"$want"* ]]; then
    echo "-- text of the PDF:"
    printf '%s\n' "$text" | head -c 2000
    echo
    fail "the PDF does not contain \"$expected\""
fi
echo "PASSED: ${#pdfs[@]} PDF(s) in the queue's output hold \"$expected\""
