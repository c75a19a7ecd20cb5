#!/usr/bin/env bash
# Times EMBERLIN's start-up to the painted main menu under Xvfb beside the floor (a bare Qt
# dialog of 20 buttons from the same bench tree), interleaved over ROUNDS rounds after one
# warm-up run of each that builds the font cache; then memory and the actions.
set -euo pipefail
build=$1
rounds=${ROUNDS:-11}
driver="$build/emberlin_startup"
floor="$build/floor_dialog"
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
"$floor" >/dev/null 2>&1
ms() { local start end; start=$(date +%s%N); "$@" >/dev/null 2>&1; end=$(date +%s%N); echo $(( (end - start) / 1000000 )); }
rss() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1; }
load_before=$(cut -d" " -f1-3 /proc/loadavg)
ember=(); bare=()
for _ in $(seq "$rounds"); do
  ember+=($(ms "$driver"))
  bare+=($(ms "$floor"))
done
stats() { printf '%s\n' "$@" | sort -n | awk '{v[NR]=$1} END {printf "%d %d", v[1], v[int((NR+1)/2)]}'; }
read -r emin emed <<<"$(stats "${ember[@]}")"
read -r fmin fmed <<<"$(stats "${bare[@]}")"
erss=$(rss "$driver"); frss=$(rss "$floor")
mem=$("$driver" --open-all 2>/dev/null)
menu_mb=$(sed -n 's/^rss at menu \(.*\) MB/\1/p' <<<"$mem")
peak_mb=$(sed -n 's/^rss peak with a window open \(.*\) MB/\1/p' <<<"$mem")
closed_mb=$(sed -n 's/^rss after closing them \(.*\) MB/\1/p' <<<"$mem")
echo "load average (1, 5, 15 min) before the rounds: $load_before, after: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-44s %10s %10s %10s %10s\n' "figure ($rounds interleaved rounds)" min median floor limit
printf '%-44s %8d ms %7d ms %7d ms %10s\n' "start-up to painted main menu" "$emin" "$emed" "$fmed" "1.3x floor"
printf '%-44s %8d ms %7d ms %10s %10s\n' "start-up of the floor (bare Qt dialog)" "$fmin" "$fmed" "" ""
awk -v e="$emed" -v f="$fmed" 'BEGIN {printf "%-44s %10s %9.2fx %10s %10s\n", "start-up ratio (median / floor median)", "", e / f, "", "1.3x"}'
awk -v e="$erss" -v f="$frss" 'BEGIN {printf "%-44s %10s %7.1f MB %7.1f MB %10s\n", "max RSS, start-up to the menu", "", e / 1024, f / 1024, "1.3x floor"}'
awk -v e="$erss" -v f="$frss" 'BEGIN {printf "%-44s %10s %9.2fx %10s %10s\n", "RSS ratio", "", e / f, "", "1.3x"}'
printf '%-44s %10s %7s MB %10s %10s\n' "RSS peak, every window opened once" "" "$peak_mb" "" "100 MB"
printf '%-44s %10s %7s MB %10s %10s\n' "RSS after closing them (menu: $menu_mb MB)" "" "$closed_mb" "" "menu+10"
echo "ember runs: ${ember[*]}"
echo "floor runs: ${bare[*]}"
echo "actions through the dialogs (median, repaint of what changed included):"
"$driver" --time-actions 2>/dev/null
