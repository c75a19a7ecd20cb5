#!/usr/bin/env bash
# Runs the libFuzzer targets of a fuzz build tree.
#   fuzz.sh replay  BUILD          replay corpus + regressions, then a deterministic run each
#                                  (all targets side by side)
#   fuzz.sh explore BUILD SECONDS  explore; new inputs are kept in fuzz/out/<target>
#
# Every fuzz/<name>_fuzz.cpp is a target: it is built as BUILD/<name>_fuzz, its corpus is
# fuzz/corpus/<name>/ and its regression inputs fuzz/regressions/<name>/. A target sets the
# number of runs of its deterministic pass (under a minute on this machine) with a line
#   // fuzz-runs: N
# in its source (100000 otherwise). A target whose source reads EMBERLIN_FUZZ_COMMA_LOCALE
# is replayed once more under a comma-decimal locale with that variable set.
set -euo pipefail
mode=$1
build=$2
root=$(cd "$(dirname "$0")/.." && pwd)

comma_locale=$(locale -a 2>/dev/null | grep -i -m1 '^de_DE\.utf-\?8$' || true)

# Replays the corpus, then runs the deterministic pass; extra environment in "$@".
replay() {
  local target=$1 name=$2 runs=$3
  shift 3
  echo "== $name${*:+ ($*)}: replaying ${dirs[*]}"
  if ! env "$@" "$target" -runs=0 "${dirs[@]}" > "$scratch.log" 2>&1; then
    tail -n 60 "$scratch.log"
    return 1
  fi
  tail -n 1 "$scratch.log"
  echo "== $name${*:+ ($*)}: deterministic run, seed 1, $runs runs"
  rm -rf "$scratch" && mkdir -p "$scratch"
  if ! env "$@" "$target" -seed=1 -runs="$runs" -max_len=512 -print_final_stats=1 \
      "$scratch" "${dirs[@]}" > "$scratch.log" 2>&1; then
    tail -n 60 "$scratch.log"
    return 1
  fi
  grep -E "stat::number_of_executed_units|Done" "$scratch.log" | tail -n 2
}

# One target's replay and deterministic run(s), its report in "$log".
replay_target() {
  local source=$1 target=$2 name=$3 runs=$4
  scratch=$(mktemp -d)
  local status=0
  replay "$target" "$name" "$runs" || status=1
  if grep -q EMBERLIN_FUZZ_COMMA_LOCALE "$source"; then
    if [ -n "$comma_locale" ]; then
      replay "$target" "$name" $((runs / 4)) LC_ALL="$comma_locale" \
        EMBERLIN_FUZZ_COMMA_LOCALE=1 || status=1
    else
      echo "== $name: no comma-decimal locale on this machine (make locale makes one)"
      status=1
    fi
  fi
  rm -rf "$scratch" "$scratch.log"
  return $status
}

status=0
logs=()
pids=()
for source in "$root"/fuzz/*_fuzz.cpp; do
  name=$(basename "$source" .cpp)
  target="$build/$name"
  if [ ! -x "$target" ]; then
    echo "== $name: not built in $build" >&2
    status=1
    continue
  fi
  corpus="$root/fuzz/corpus/${name%_fuzz}"
  regressions="$root/fuzz/regressions/${name%_fuzz}"
  mkdir -p "$corpus"
  dirs=("$corpus")
  [ -d "$regressions" ] && dirs+=("$regressions")
  runs=$(sed -n 's|^// fuzz-runs: *\([0-9][0-9]*\).*|\1|p' "$source" | head -n 1)
  runs=${runs:-100000}
  case "$mode" in
    replay)
      # The targets run side by side (each is one process, single-threaded); their reports
      # are printed in order once all have finished.
      log=$(mktemp)
      logs+=("$log")
      replay_target "$source" "$target" "$name" "$runs" > "$log" 2>&1 &
      pids+=($!)
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
for i in "${!pids[@]}"; do
  wait "${pids[$i]}" || status=1
  cat "${logs[$i]}"
  rm -f "${logs[$i]}"
done
exit $status
