#!/bin/bash
# bench/launcher-start.sh [BUILD_DIR] [RUNS]: start time and peak memory of
# the launcher under Wine, against the same window with nothing stored
# (launcher_baseline.exe) and against copying the stored setup program with
# cp. BUILD_DIR is a win64 build tree (default build/win64), built with its
# tests (launcher_probe.exe measures from inside Wine).
#
# Targets: launcher start - baseline start <= 2 x copy time;
#          launcher peak <= baseline peak + unpacked size + 16 MB.
set -uo pipefail
source "$(dirname "$(readlink -f "$0")")/../scripts/lib/common.sh"
build=$(readlink -f "${1:-$QL_ROOT/build/win64}")
runs=${2:-7}
bin=$build/bin
prefix=$build/wineprefix
stored=$bin/qv_quietlocksetup_full.exe
for f in launcher.exe launcher_baseline.exe launcher_probe.exe qv_quietlocksetup_full.exe; do
    [ -f "$bin/$f" ] || { echo "missing $bin/$f (build the win64 tree first)"; exit 1; }
done
trap ql_cleanup EXIT
unset DISPLAY
ql_start_display >/dev/null 2>&1 || exit 1
ql_wine_start_server "$prefix" || exit 1
ql_wine_env "$prefix"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One run of PROGRAM: "ms kb".
measure_once() {
    wine "$bin/launcher_probe.exe" measure "$bin/$1" Installation 2>/dev/null |
        tr -d '\r' | awk '$1 == "visible_ms" { print $2, $4 }'
}

# Warm-up, then the two programs in turns, so that neither gets the colder
# Wine.
measure_once launcher_baseline.exe >/dev/null
measure_once launcher.exe >/dev/null
: >"$QL_XVFB_DIR/baseline"
: >"$QL_XVFB_DIR/launcher"
for i in $(seq 1 "$runs"); do
    measure_once launcher_baseline.exe >>"$QL_XVFB_DIR/baseline"
    measure_once launcher.exe >>"$QL_XVFB_DIR/launcher"
done
copy_dir=$(mktemp -d)
for i in $(seq 1 "$runs"); do
    t0=$(date +%s%N)
    cp "$stored" "$copy_dir/copy.exe"
    t1=$(date +%s%N)
    rm -f "$copy_dir/copy.exe"
    echo "$(((t1 - t0) / 1000))" | awk '{ print $1 / 1000 }'
done >"$QL_XVFB_DIR/copy"
rm -rf "$copy_dir"

base_ms=$(cut -d' ' -f1 "$QL_XVFB_DIR/baseline" | median)
launch_ms=$(cut -d' ' -f1 "$QL_XVFB_DIR/launcher" | median)
base_kb=$(cut -d' ' -f2 "$QL_XVFB_DIR/baseline" | sort -n | tail -1)
launch_kb=$(cut -d' ' -f2 "$QL_XVFB_DIR/launcher" | sort -n | tail -1)
copy_ms=$(median <"$QL_XVFB_DIR/copy")
size=$(stat -c %s "$stored")
awk -v b="$base_ms" -v l="$launch_ms" -v c="$copy_ms" -v bk="$base_kb" -v lk="$launch_kb" \
    -v s="$size" -v n="$runs" 'BEGIN {
    extra = l - b; limit_kb = bk + s / 1024 + 16 * 1024
    printf "launcher start under Wine, median of %d runs (until the window is visible)\n", n
    printf "  baseline window (nothing stored): %8.1f ms\n", b
    printf "  launcher:                         %8.1f ms   extra %.1f ms\n", l, extra
    printf "  cp of the %d-byte setup program:  %8.1f ms   target extra <= %.1f ms: %s\n",
           s, c, 2 * c, (extra <= 2 * c) ? "met" : "NOT met"
    printf "peak private memory: baseline %d KB, launcher %d KB, limit %d KB: %s\n",
           bk, lk, limit_kb, (lk <= limit_kb) ? "met" : "NOT met"
}'
