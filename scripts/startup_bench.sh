#!/usr/bin/env bash
# Times EMBERLIN's start-up to the painted main menu under Xvfb (median of 11 runs after one
# warm-up run that builds the font cache) and the peak memory of opening every form once.
set -euo pipefail
build=$1
driver="$build/emberlin_startup"
# Xvfb picks a free display and writes its number once it accepts connections.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1600x1200x24 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f "$displayfile"' EXIT
for _ in $(seq 100); do
  [ -s "$displayfile" ] && break
  kill -0 $xvfb 2>/dev/null || { echo "startup_bench: Xvfb did not start"; exit 1; }
  sleep 0.1
done
[ -s "$displayfile" ] || { echo "startup_bench: Xvfb named no display"; exit 1; }
export DISPLAY=:$(head -n 1 "$displayfile")
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
