#!/bin/sh
# session-test.sh NAME PROGRAM: the checks of app_session_check that need
# more than one program run, in a private prefix build/wine/NAME:
#   Restart.Prepare, end the wine session (all its processes end and the
#   next session carries out the pending renames, as Windows does at a
#   restart), then Restart.Check;
#   WindowsXp.* with the program set to report Windows XP, which Wine takes
#   per program from AppDefaults.
WQ_ROOT=$(cd "$(dirname "$0")/../.." && pwd)
. "$WQ_ROOT/scripts/wine-env.sh"
name=$1
program=$2
[ -n "$program" ] || { echo "usage: session-test.sh NAME PROGRAM" >&2; exit 2; }
export WINEPREFIX="$WQ_BUILD/wine/$name"
"$WQ_ROOT/tests/wine-prefix" create "$name" || exit 1
log=$(mktemp)
trap 'rm -f "$log"; "$WQ_ROOT/tests/wine-prefix" remove "$name"' EXIT

# Runs the cases matching $1. gtest passes a filter that matches nothing,
# so at least one case must have passed. The output goes through a file:
# helpers that outlive the program keep its output open.
run() {
  "$WQ_ROOT/tests/wine-run" "$program" --gtest_filter="$1" </dev/null >"$log" 2>&1
  status=$?
  cat "$log"
  [ $status -eq 0 ] && grep -q '^\[  PASSED  \] [1-9]' "$log"
}

status=0
if run 'Restart.Prepare'; then
  "$WQ_ROOT/tests/wine-server" stop
  run 'Restart.Check' || status=1
else
  status=1
fi
"$WQ_ROOT/tests/wine-run" reg add 'HKCU\Software\Wine\AppDefaults\app_session_check.exe' \
  /v Version /d winxp /f </dev/null >/dev/null 2>&1 || status=1
run 'WindowsXp.*' || status=1
exit $status
