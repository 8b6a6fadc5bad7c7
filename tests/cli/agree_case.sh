#!/bin/sh
# One hostile-input case: vexlor must end with status 0, say nothing on standard error, and print
# exactly what the simple line-at-a-time reader prints for the same bytes.
# Both run under $VEXLOR_RUNNER (wine for the Windows build) when it is set.
# usage: agree_case.sh VEXLOR VEXLOR_SIMPLE CASE
set -u
runner=${VEXLOR_RUNNER:-}
bin=$1
simple=$2
name=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
input=$work/input

case $name in
    binary) cp "$bin" "$input" ;;
    long_line) head -c 104857600 /dev/zero | tr '\0' 'x' >"$input"; printf 'time=5  n=7' >>"$input" ;;
    zero_bytes) head -c 3000000 /dev/zero >"$input" ;;
    carriage_returns) head -c 3000000 /dev/zero | tr '\0' '\r' >"$input" ;;
    dev_null) input=/dev/null ;;
    named_pipe) ;;
    *) echo "no such case: $name" >&2; exit 2 ;;
esac

if [ "$name" = named_pipe ]; then
    # A log that arrives through a pipe, written by another process in small bursts.
    fixtures=$(cd "$(dirname "$0")/../fixtures" && pwd)
    input=$fixtures/crafty-19.20-selfplay.log
    mkfifo "$work/pipe"
    (split -b 4000 --filter='cat; sleep 0.01' "$input" >"$work/pipe") &
    "$bin" "$work/pipe" >"$work/out" 2>"$work/err"
    status=$?
    wait
else
    $runner "$bin" "$input" >"$work/out" 2>"$work/err"
    status=$?
fi
$runner "$simple" "$input" >"$work/expected" || { echo "$name: the simple reader failed"; exit 1; }

failed=0
if [ "$status" -ne 0 ]; then echo "$name: exit status $status, expected 0"; failed=1; fi
if [ -s "$work/err" ]; then echo "$name: unexpected standard error:"; cat "$work/err"; failed=1; fi
if ! cmp -s "$work/expected" "$work/out"; then
    echo "$name: output differs from the simple reader (expected, then actual):"
    tail -n 20 "$work/expected"
    echo "----"
    tail -n 20 "$work/out"
    failed=1
fi
exit $failed
