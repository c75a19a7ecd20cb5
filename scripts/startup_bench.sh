#!/usr/bin/env bash
# `make bench`: starts a virtual display and prints EMBERLIN's one table of figures
# (scripts/bench_table.py: start-up beside the floor, first paint and reopening of every
# window, actions, memory, batch --jobs, the engine programs and the Python module).
set -euo pipefail
build=$1
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
/usr/bin/python3 "$(dirname "$0")/bench_table.py" "$build"
