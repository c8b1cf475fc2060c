#!/bin/bash
# Measures the planner's speed: every model handler and the window's redraw
# (Google Benchmark, medians), and start-up to the first shown window with
# peak memory, side by side with a bare Qt window of the same size holding
# one label, alternating in the same run. Prints ratios; absolute times on a
# shared machine are noisy.
# Usage: scripts/measure_speed.sh [build-dir] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
cd "$(dirname "$0")/.."

echo "== handlers and redraw (median of 5 repetitions)"
QT_QPA_PLATFORM=offscreen "$build/model_bench" --benchmark_min_time=0.1 --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true 2>/dev/null | awk '/_median/ { sub(/_median/, "", $1); printf "  %-50s %10s %s\n", $1, $2, $3 }'

display=:$((400 + $$ % 200))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# Prints "milliseconds-to-shown peak-KiB" for one start of a program.
one_start() {
  local program=$1 title=$2 start end pid hwm
  start=$(date +%s%N)
  "$program" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 2000); do
    xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 && break
    sleep 0.005
  done
  end=$(date +%s%N)
  sleep 0.3
  hwm=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$(( (end - start) / 1000000 )) $hwm"
}

bare=() planner=() bare_mem=() planner_mem=()
for _ in $(seq "$runs"); do
  read -r t m < <(one_start "$build/bare_window" "Bare window"); bare+=("$t"); bare_mem+=("$m")
  read -r t m < <(one_start "$build/kethmor-planner" "Kethmor Character Planner"); planner+=("$t"); planner_mem+=("$m")
done
median() { printf '%s\n' "$@" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
bt=$(median "${bare[@]}") pt=$(median "${planner[@]}")
bm=$(median "${bare_mem[@]}") pm=$(median "${planner_mem[@]}")
echo "== start-up to the first shown window ($runs runs each, medians)"
echo "  bare window: ${bt} ms, peak ${bm} KiB"
echo "  planner:     ${pt} ms, peak ${pm} KiB"
awk -v p="$pt" -v b="$bt" -v pm="$pm" -v bm="$bm" 'BEGIN {
  printf "  time ratio planner/bare: %.2f (limit 1.5)\n", p / b
  printf "  peak memory above bare: %.1f MiB (limit 16)\n", (pm - bm) / 1024 }'
