#!/usr/bin/env bash
# Speed and memory of vexlor on generated logs. A benchmark, never a test: it prints figures
# and says whether the targets hold, and exits 1 when one does not.
#   - wall time on a 1 GiB log, side by side with `wc -l` and `cat` (hyperfine, warm cache),
#     and the ratio to `wc -l` (target: at most 1.5);
#   - peak resident memory on a 10 MiB and a 1 GiB log (target: equal within 1 MiB).
# usage: bench/run.sh [WORK_DIR]   (default /tmp/vexlor-bench; needs about 1.1 GB there)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-/tmp/vexlor-bench}
mkdir -p "$work"

if ! command -v hyperfine >/dev/null || [ ! -x /usr/bin/time ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends hyperfine time
fi

cmake -S "$top" -B "$work/build" -DCMAKE_BUILD_TYPE=Release -DVEXLOR_BUILD_TESTS=ON >/dev/null
cmake --build "$work/build" -j 2 --target vexlor vexlor_simple >/dev/null
g++ -O2 -std=c++17 -o "$work/make_log" "$top/bench/make_log.cpp"
vexlor=$work/build/vexlor

small=$work/10m.log
large=$work/1g.log
[ -s "$small" ] || "$work/make_log" 10485760 >"$small"
[ -s "$large" ] || "$work/make_log" 1073741824 >"$large"
bytes=$(stat -c %s "$large")
echo "log: $large, $bytes bytes, $(wc -l <"$large") lines"

# The fast reader must print what the plain line-at-a-time reader prints.
if ! cmp -s <("$vexlor" "$large") <("$work/build/tests/vexlor_simple" "$large"); then
    echo "FAIL: vexlor's output differs from the simple reader's"
    exit 1
fi

cat "$large" >/dev/null  # warm the page cache
hyperfine -N --warmup 2 --runs 15 --export-csv "$work/times.csv" \
    "wc -l $large" "cat $large" "$vexlor $large"

median() { awk -F, -v row="$1" 'NR == row + 1 { print $4 }' "$work/times.csv"; }
wc_time=$(median 1)
cat_time=$(median 2)
vexlor_time=$(median 3)
status=0
awk -v w="$wc_time" -v c="$cat_time" -v v="$vexlor_time" -v b="$bytes" 'BEGIN {
    printf "median wall time: wc -l %.3f s, cat %.3f s, vexlor %.3f s\n", w, c, v
    printf "vexlor: %.0f MB/s; ratio to wc -l: %.2f (target at most 1.50)\n", b / v / 1e6, v / w
    exit (v / w <= 1.5) ? 0 : 1 }' || status=1

peak() { /usr/bin/time -f %M "$vexlor" "$1" 2>&1 >/dev/null | tail -n 1; }
small_kb=$(peak "$small")
large_kb=$(peak "$large")
echo "peak resident memory: $small_kb KiB on 10 MiB, $large_kb KiB on 1 GiB (target: within 1024 KiB)"
diff_kb=$((large_kb - small_kb))
[ "${diff_kb#-}" -le 1024 ] || status=1

[ "$status" -eq 0 ] && echo "targets hold" || echo "FAIL: a target does not hold"
exit "$status"
