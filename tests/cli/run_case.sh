#!/bin/sh
# One end-to-end case: runs vexlor as the case says, in the fixtures folder, and compares its
# standard output, standard error and exit status byte for byte with expected/CASE.{out,err,status}.
# With VEXLOR_PLATFORM=windows the program runs under $VEXLOR_RUNNER (wine), and the expected
# texts take that platform's differences: lines end in CR LF and printf writes a not-a-number as
# "nan"; expected/CASE.windows.out, where present, says what else differs.
# usage: run_case.sh VEXLOR CASE
set -u
bin=$1
name=$2
fixtures=$(cd "$(dirname "$0")/../fixtures" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$fixtures" || exit 2

platform=${VEXLOR_PLATFORM:-linux}
runner=${VEXLOR_RUNNER:-}
expected=$name

run() { $runner "$bin" "$@" >"$work/out" 2>"$work/err"; echo $? >"$work/status"; }

case $name in
    usage) run ;;
    extra_args) run crafty-19.20-selfplay.log also-ignored.log --verbose ;;
    missing_file) run no-such.log ;;
    empty_path) run "" ;;
    directory) run . ;;
    read_error) run /proc/self/mem ;;
    write_error)
        "$bin" crafty-19.20-selfplay.log >/dev/full 2>"$work/err"
        echo $? >"$work/status"
        : >"$work/out" ;;
    empty_log) run empty.log ;;
    sample) run ../../examples/crafty-20.14-selfplay.log ;;
    sample_crlf) run crafty-20.14-selfplay-crlf.log; expected=sample ;;
    crafty_19_20) run crafty-19.20-selfplay.log ;;
    crlf_long_lines) run crlf_long_lines.log ;;
    ctrl_z) run ctrl_z.log ;;
    *) echo "no such case: $name" >&2; exit 2 ;;
esac

for part in out err status; do
    source=expected/$expected.$part
    if [ "$platform" = windows ]; then
        [ -f "expected/$expected.windows.$part" ] && source=expected/$expected.windows.$part
        if [ "$part" = status ]; then
            cp "$source" "$work/expected.$part"
        else
            sed 's/-nan$/nan/; s/$/\r/' "$source" >"$work/expected.$part"
        fi
    else
        cp "$source" "$work/expected.$part"
    fi
done

failed=0
for part in out err status; do
    if ! cmp -s "$work/expected.$part" "$work/$part"; then
        echo "$name: std$part differs (expected, then actual):"
        cat "$work/expected.$part"
        echo "----"
        cat "$work/$part"
        failed=1
    fi
done
exit $failed
