#!/usr/bin/env bash
# Start-up benchmark: the time from starting the process until its window is mapped on the X
# server, for zanvik (MainWindow, "Zanvik1.2") and for a bare Qt program that shows one empty
# window, measured alternately in the same run under one Xvfb. Prints the median of each and
# their ratio (target: zanvik at most 1.5 times the bare program).
# Usage: bench/app/startup.sh [RUNS]   (builds the release targets it needs)
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-15}
cmake --preset release >/dev/null
cmake --build --preset release --target zanvik bare_window >/dev/null
zanvik=build/release/app/zanvik
bare=build/release/bench/app/bare_window

# The X server picks a free display itself and writes its number into a file.
errors=$(mktemp)
numberfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numberfile" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$errors" "$numberfile"' EXIT
for _ in $(seq 100); do [ -s "$numberfile" ] && break; sleep 0.05; done
display=:$(tr -d '[:space:]' <"$numberfile")
export DISPLAY=$display
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

# Milliseconds from start until a visible window has the caption; the program is then ended.
# A start that could not reach the X server (a busy shared machine) is tried again, up to 3 times.
time_to_window() {
  local attempt
  for attempt in 1 2 3; do
    if one_time_to_window "$@"; then
      return 0
    fi
  done
  exit 1
}

one_time_to_window() {
  local program=$1 caption=$2 start end pid
  start=$(date +%s%N)
  "$program" >/dev/null 2>"$errors" &
  pid=$!
  until xdotool search --onlyvisible --name "^${caption}\$" >/dev/null 2>&1; do
    if ! kill -0 "$pid" 2>/dev/null || [ $(($(date +%s%N) - start)) -gt 10000000000 ]; then
      echo "$program showed no window within 10 s:" >&2
      cat "$errors" >&2
      kill "$pid" 2>/dev/null
      return 1
    fi
    sleep 0.005 # a tight loop of connections would crowd out the program's own connection
  done
  end=$(date +%s%N)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

time_to_window "$bare" bare-window-baseline >/dev/null # warm the caches once each
time_to_window "$zanvik" Zanvik1.2 >/dev/null
bare_times=() zanvik_times=()
for _ in $(seq "$runs"); do
  bare_times+=("$(time_to_window "$bare" bare-window-baseline)")
  zanvik_times+=("$(time_to_window "$zanvik" Zanvik1.2)")
done
bare_ms=$(printf '%s\n' "${bare_times[@]}" | median)
zanvik_ms=$(printf '%s\n' "${zanvik_times[@]}" | median)
echo "runs: $runs each, alternating"
echo "bare Qt window shown:  median ${bare_ms} ms  (${bare_times[*]})"
echo "zanvik MainWindow shown: median ${zanvik_ms} ms  (${zanvik_times[*]})"
awk -v z="$zanvik_ms" -v b="$bare_ms" 'BEGIN {printf "ratio zanvik / bare: %.2f (target <= 1.50)\n", z / b}'
