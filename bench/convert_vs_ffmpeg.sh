#!/usr/bin/env bash
# lumora-cli convert and ffmpeg reading and rewriting the same Windows-1250 SRT, run by turns so
# that both see the same machine; prints the medians and how many times faster lumora-cli is.
#   bench/convert_vs_ffmpeg.sh build/lumora-cli /tmp/in.srt [runs]
set -euo pipefail
cli="${1:?usage: $0 LUMORA_CLI FILE [RUNS]}"
input="${2:?usage: $0 LUMORA_CLI FILE [RUNS]}"
runs="${3:-21}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Microseconds one command takes, its output dropped.
micros() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}
lumora() { "$cli" convert "$input" "$work/lumora.srt"; }
ffmpeg_convert() { ffmpeg -v error -y -sub_charenc CP1250 -i "$input" "$work/ffmpeg.srt"; }

lumora >/dev/null && ffmpeg_convert  # warm the caches, and stop here if either fails
for _ in $(seq "$runs"); do
  micros lumora >>"$work/lumora.txt"
  micros ffmpeg_convert >>"$work/ffmpeg.txt"
done
median() { sort -n "$1" | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
l=$(median "$work/lumora.txt")
f=$(median "$work/ffmpeg.txt")
awk -v l="$l" -v f="$f" -v n="$runs" 'BEGIN {
  printf "lumora-cli convert  %8.1f ms (median of %d)\n", l / 1000, n
  printf "ffmpeg              %8.1f ms (median of %d)\n", f / 1000, n
  printf "lumora-cli takes 1/%.1f of ffmpeg'"'"'s time\n", f / l
}'
