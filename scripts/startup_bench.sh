#!/usr/bin/env bash
# Times EMBERLIN's start-up to the painted main menu under Xvfb (median of 11 runs after one
# warm-up run that builds the font cache) and the peak memory of opening every form once.
set -euo pipefail
build=$1
driver="$build/emberlin_startup"
display=:97
Xvfb "$display" -screen 0 1600x1200x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display
"$driver" >/dev/null 2>&1  # warm-up
times=()
for _ in $(seq 11); do
  start=$(date +%s%N)
  "$driver" >/dev/null 2>&1
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start-up to painted main menu: median ${sorted[5]} ms (runs: ${times[*]})"
/usr/bin/time -v "$driver" --open-all 2>&1 >/dev/null | grep -E "Maximum resident set size|Elapsed" |
  sed 's/^\s*/open every form once: /'
echo "actions through the dialogs (median, repaint of what changed included):"
"$driver" --time-actions 2>/dev/null
