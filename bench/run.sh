#!/usr/bin/env bash
# Measures Palmora against a bare Qt window, side by side in one run, and prints a
# table: start-up time to the main window being mapped, the CPU time the program
# spent up to then, peak resident memory after start-up, and the time of the
# everyday operations.
#   bench/run.sh [RUNS]      (default 9 runs; medians are reported)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}

source bench/common.sh
build_bench palmora barewindow mapwait bench_responsiveness

work=$(mktemp -d)
trap 'kill "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
start_xvfb

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

# A copy of the program in a folder of its own, so its goal files land there.
mkdir -p "$work/app"
cp "$build/palmora" "$work/app/palmora"

: >"$work/palmora.txt"; : >"$work/bare.txt"
"$build/bench/mapwait" "Bare Window" 300 "$build/bench/barewindow" >/dev/null 2>&1 || true  # warm the caches
for _ in $(seq 1 "$runs"); do
  fresh_home
  "$build/bench/mapwait" "Palmora v1.20" 500 "$work/app/palmora" >>"$work/palmora.txt"
  fresh_home
  "$build/bench/mapwait" "Bare Window" 500 "$build/bench/barewindow" >>"$work/bare.txt"
done

p_ms=$(cut -d' ' -f1 "$work/palmora.txt" | median); b_ms=$(cut -d' ' -f1 "$work/bare.txt" | median)
p_kb=$(cut -d' ' -f2 "$work/palmora.txt" | median); b_kb=$(cut -d' ' -f2 "$work/bare.txt" | median)
p_cpu=$(cut -d' ' -f3 "$work/palmora.txt" | median); b_cpu=$(cut -d' ' -f3 "$work/bare.txt" | median)

printf '\n%-34s %12s %12s %8s %8s\n' "measure (median of $runs runs)" "Palmora" "bare window" "ratio" "goal"
printf '%-34s %12s %12s %8s %8s\n' "start-up to window mapped (ms)" "$p_ms" "$b_ms" "$(awk -v a="$p_ms" -v b="$b_ms" 'BEGIN{printf "%.2f", a/b}')" "<= 1.05"
printf '%-34s %12s %12s %8s %8s\n' "CPU time up to the map (ms)" "$p_cpu" "$b_cpu" "$(awk -v a="$p_cpu" -v b="$b_cpu" 'BEGIN{printf "%.2f", a/b}')" ""
printf '%-34s %12s %12s %8s %8s\n' "peak resident memory (MiB)" "$(awk -v a="$p_kb" 'BEGIN{printf "%.1f", a/1024}')" "$(awk -v a="$b_kb" 'BEGIN{printf "%.1f", a/1024}')" "$(awk -v a="$p_kb" -v b="$b_kb" 'BEGIN{printf "%.2f", a/b}')" "<= 1.10"

echo
echo "everyday operations (goal: each under 1 ms)"
fresh_home
QT_QPA_PLATFORM=offscreen "$build/bench/bench_responsiveness" -median 9 2>/dev/null | grep -E "RESULT|msecs|nsecs" | sed "s/BenchResponsiveness:://" || true
