#!/usr/bin/env bash
# Draws every picture again with scripts/draw_illustrations.py and fails when a committed SVG
# in resources/images differs from its drawing, or when an SVG there has no drawing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$root/scripts/draw_illustrations.py" --out "$work" >/dev/null
status=0
for drawn in "$work"/*.svg; do
  name=$(basename "$drawn")
  if ! cmp -s "$drawn" "$root/resources/images/$name"; then
    echo "resources/images/$name differs from its drawing (run python3 scripts/draw_illustrations.py)"
    status=1
  fi
done
for committed in "$root"/resources/images/*.svg; do
  name=$(basename "$committed")
  if [ ! -e "$work/$name" ]; then
    echo "resources/images/$name has no drawing in scripts/illustrations"
    status=1
  fi
done
[ $status -eq 0 ] && echo "check-illustrations: $(ls "$work" | wc -l) pictures as drawn"
exit $status
