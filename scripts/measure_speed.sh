#!/bin/bash
# Measures the planner's speed: every model handler and the window's redraw
# (Google Benchmark, medians), then start-up to the first shown window and
# peak memory, side by side under one Xvfb: the bare Qt window of the same
# size with one label, today's planner and, when its path is given, an
# earlier build of the planner. Each round starts every program once, in
# turning order (the first of one round is the last of the next), so a busy
# moment of the shared machine falls on each in turn. A run of ROUNDS rounds
# gives each program's median; RUNS runs give the medians of the ratios.
# Time is wall time to the shown window and the CPU time the program had used
# by then (/proc/PID/schedstat, less hurt by other load); peak memory is
# VmHWM half a second later, read the same way for every program.
# Usage: scripts/measure_speed.sh [build-dir] [earlier-kethmor-planner]
#        ROUNDS=5 RUNS=3 BENCH=0 (skip the benchmarks) as environment
set -euo pipefail
build=$(realpath "${1:-build}")
earlier=${2:+$(realpath "$2")}
rounds=${ROUNDS:-5} runs=${RUNS:-3}
cd "$(dirname "$0")/.."

if [ "${BENCH:-1}" != 0 ]; then
  echo "== handlers and redraw (median of 5 repetitions)"
  QT_QPA_PLATFORM=offscreen "$build/model_bench" --benchmark_min_time=0.1 --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true 2>/dev/null |
    awk '/_median/ { sub(/_median/, "", $1); printf "  %-50s %10s %s\n", $1, $2, $3 }'
fi

. tests/e2e/x_helpers.sh
trap 'kill ${xvfb:-} 2>/dev/null || true' EXIT
start_xvfb
export QT_QPA_PLATFORM=xcb

# Prints "wall-ms cpu-ms peak-KiB" for one start of a program.
one_start() {
  local program=$1 title=$2 start end pid cpu hwm
  start=$(date +%s%N)
  "$program" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
    (( $(date +%s%N) - start < 20000000000 )) || { echo "$program showed no window" >&2; exit 1; }
  done
  end=$(date +%s%N)
  read -r cpu _ <"/proc/$pid/schedstat"
  sleep 0.5
  hwm=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$(( (end - start) / 1000000 )) $(( cpu / 1000000 )) $hwm"
}
median() { printf '%s\n' "$@" | sort -g | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }

names=(bare planner) programs=("$build/bare_window" "$build/kethmor-planner") titles=("Bare window" "Kethmor Character Planner")
[ -z "$earlier" ] || { names+=(earlier); programs+=("$earlier"); titles+=("Kethmor Character Planner"); }
n=${#names[@]}
declare -A ratios
for run in $(seq "$runs"); do
  declare -A wall=() cpu=() mem=()
  for round in $(seq 0 $((rounds - 1))); do
    for k in $(seq 0 $((n - 1))); do
      i=$(( (round + k) % n ))
      read -r w c m < <(one_start "${programs[i]}" "${titles[i]}")
      wall[$i]+="$w " cpu[$i]+="$c " mem[$i]+="$m "
    done
  done
  echo "== run $run: start-up to the first shown window, medians of $rounds rounds"
  for i in $(seq 0 $((n - 1))); do
    # shellcheck disable=SC2086
    mw[$i]=$(median ${wall[$i]}) mc[$i]=$(median ${cpu[$i]}) mm[$i]=$(median ${mem[$i]})
    printf '  %-8s %5s ms wall (%s)  %4s ms CPU  peak %s KiB\n' "${names[i]}" "${mw[i]}" "${wall[$i]% }" "${mc[i]}" "${mm[i]}"
  done
  ratios[planner/bare]+="$(awk -v a="${mw[1]}" -v b="${mw[0]}" 'BEGIN { printf "%.3f", a / b }') "
  ratios[memory above bare MiB]+="$(awk -v a="${mm[1]}" -v b="${mm[0]}" 'BEGIN { printf "%.2f", (a - b) / 1024 }') "
  if [ -n "$earlier" ]; then
    ratios[planner/earlier]+="$(awk -v a="${mw[1]}" -v b="${mw[2]}" 'BEGIN { printf "%.3f", a / b }') "
    ratios[planner/earlier CPU]+="$(awk -v a="${mc[1]}" -v b="${mc[2]}" 'BEGIN { printf "%.3f", a / b }') "
    ratios[earlier memory above bare MiB]+="$(awk -v a="${mm[2]}" -v b="${mm[0]}" 'BEGIN { printf "%.2f", (a - b) / 1024 }') "
  fi
done
echo "== over $runs runs: median (each run's figure)"
for key in "planner/bare" "planner/earlier" "planner/earlier CPU" "memory above bare MiB" "earlier memory above bare MiB"; do
  # shellcheck disable=SC2086
  [ -z "${ratios[$key]:-}" ] || printf '  %-32s %s  (%s)\n' "$key" "$(median ${ratios[$key]})" "${ratios[$key]% }"
done
