#!/usr/bin/env bash
# Runs the libFuzzer targets of a fuzz build tree.
#   fuzz.sh replay  BUILD          replay corpus + regressions, then a deterministic run each
#   fuzz.sh explore BUILD SECONDS  explore; new inputs are kept in fuzz/out/<target>
set -euo pipefail
mode=$1
build=$2
root=$(cd "$(dirname "$0")/.." && pwd)

# Runs per target in the deterministic pass (about a minute each on this machine).
declare -A deterministic_runs=([number_text_fuzz]=20000000 [forms_fuzz]=2500)

status=0
for target in "$build"/*_fuzz; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="$root/fuzz/corpus/${name%_fuzz}"
  regressions="$root/fuzz/regressions/${name%_fuzz}"
  mkdir -p "$corpus"
  dirs=("$corpus")
  [ -d "$regressions" ] && dirs+=("$regressions")
  case "$mode" in
    replay)
      echo "== $name: replaying ${dirs[*]}"
      "$target" -runs=0 "${dirs[@]}" 2>&1 | tail -n 2 || status=1
      scratch=$(mktemp -d)
      runs=${deterministic_runs[$name]:-100000}
      echo "== $name: deterministic run, seed 1, $runs runs"
      if ! "$target" -seed=1 -runs="$runs" -max_len=512 -print_final_stats=1 \
          "$scratch" "${dirs[@]}" > "$scratch.log" 2>&1; then
        tail -n 60 "$scratch.log"
        status=1
      else
        grep -E "stat::number_of_executed_units|Done" "$scratch.log" | tail -n 2
      fi
      rm -rf "$scratch" "$scratch.log"
      ;;
    explore)
      seconds=${3:-300}
      out="$root/fuzz/out/${name%_fuzz}"
      mkdir -p "$out"
      echo "== $name: exploring for $seconds s"
      "$target" -max_total_time="$seconds" -max_len=512 -print_final_stats=1 \
        -artifact_prefix="$out/" "$out" "${dirs[@]}" || status=1
      ;;
  esac
done
exit $status
