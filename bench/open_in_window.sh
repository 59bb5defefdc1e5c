#!/usr/bin/env bash
# Times a whole program run under Xvfb: from launch until the editor window, with the subtitle
# given on the command line read and drawn, is on the screen. Prints each run and the median,
# and the peak memory of one run.
# Usage: bench/open_in_window.sh PROGRAM SUBTITLE [RUNS]   (needs xvfb, openbox, xdotool, bc)
set -euo pipefail
program="$1"
subtitle="$2"
runs="${3:-9}"
display=":$((90 + RANDOM % 9))"
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
DISPLAY="$display" openbox >/dev/null 2>&1 &
sleep 1
export DISPLAY="$display"

times=()
for _ in $(seq "$runs"); do
  start=$(date +%s.%N)
  "$program" "$subtitle" >/dev/null 2>&1 &
  pid=$!
  # The editor is mapped only after its activation has read the whole file.
  until xdotool search --onlyvisible --name '^Felirat megnyitása$' >/dev/null 2>&1; do sleep 0.002; done
  end=$(date +%s.%N)
  kill "$pid"; wait "$pid" 2>/dev/null || true
  times+=("$(echo "$end - $start" | bc)")
  echo "run: ${times[-1]} s"
done
printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print "median: " a[int((NR+1)/2)] " s"}'
/usr/bin/time -f 'peak memory: %M KB' timeout 2 "$program" "$subtitle" 2>&1 >/dev/null | grep peak || true
