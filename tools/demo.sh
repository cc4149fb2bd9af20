#!/bin/bash
# make demo: lays down a demo installation in a throw-away Wine prefix and
# runs the uninstaller on it.
WQ_ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$WQ_ROOT/scripts/wine-env.sh"
demo="$WQ_BUILD/win64/tools/VelmoDemo.exe"
[ -f "$demo" ] || { echo "demo: $demo is not built" >&2; exit 1; }
name=demo
export WINEPREFIX="$WQ_BUILD/wine/$name"
"$WQ_ROOT/tests/wine-prefix" create "$name" || exit 1
trap '"$WQ_ROOT/tests/wine-prefix" remove "$name"' EXIT
"$WQ_ROOT/tests/wine-run" "$demo" install </dev/null || exit 1
echo "demo: a Velmo installation, as laid down:"
"$WQ_ROOT/tests/wine-run" "$demo" report </dev/null
echo "demo: the uninstaller is not assembled yet; nothing to run." >&2
exit 2
