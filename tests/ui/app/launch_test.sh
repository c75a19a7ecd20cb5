#!/usr/bin/env bash
# The program as a shell starts it: a batch command and --version run without loading the
# toolkit; without a command it loads its windows library (which, with no display named,
# says so), and that library leaves the drawing modules for later; moved away from that
# library, the program says it cannot load the windows.
# Usage: launch_test.sh PROGRAM
set -u
program=$1
failures=0
fail() {
  echo "launch_test: $*" >&2
  failures=$((failures + 1))
}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Libraries the dynamic loader opened for a run, by name (LD_DEBUG=libs writes to stderr).
opened_qt() { LD_DEBUG=libs "$@" 2>&1 >/dev/null | grep -o 'init: [^ ]*libQt6[A-Za-z]*' | sort -u; }

printf 'id,mon,temp,rh,ws,prec\nS1,6,20,40,10,0\nS1,6,22,35,12,0\n' >"$scratch/days.csv"
for run in "--version" "fwi $scratch/days.csv -o $scratch/out.csv" "fbp --help"; do
  # shellcheck disable=SC2086 # the runs are word lists
  qt=$(opened_qt "$program" $run)
  [ -z "$qt" ] || fail "'emberlin $run' loaded the toolkit: $qt"
done
[ "$(wc -l <"$scratch/out.csv")" -eq 3 ] || fail "fwi wrote $(wc -l <"$scratch/out.csv") lines, not 3"

# The windows start from the library: with no display, its own refusal and status 1.
status=0
message=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" 2>&1 >/dev/null) ||
  status=$?
[ "$status" -eq 1 ] || fail "no display: status $status, not 1"
grep -q "EMBERLIN needs a display" <<<"$message" ||
  fail "no display: the windows library did not answer: $message"

# The windows library loads the drawing modules (charts, SVG, printing) only when a window
# opens: it must not name them as libraries it needs.
library=$(dirname "$program")/libemberlin_windows.so
needed=$(readelf -d "$library" | grep -Eo 'libQt6(Charts|Svg|PrintSupport|OpenGL)[^]]*' || true)
[ -z "$needed" ] || fail "the windows library needs $needed at start"

# The program alone, without its windows library: it says so, status 1.
cp "$program" "$scratch/emberlin"
status=0
message=$("$scratch/emberlin" 2>&1 >/dev/null) || status=$?
[ "$status" -eq 1 ] || fail "without its library: status $status, not 1"
grep -q "^emberlin: the windows could not be loaded" <<<"$message" ||
  fail "without its library: $message"

[ "$failures" -eq 0 ] || exit 1
echo "launch_test: passed"
