# Environment for every Wine process of the project (sourced, not run).
# WQ_ROOT must be the project root. A caller may set WINEPREFIX to a copy of
# the template prefix; by default the template itself is used.
: "${WQ_BUILD:=$WQ_ROOT/build}"
export WQ_BUILD
export WQ_TEMPLATE_PREFIX="$WQ_BUILD/wine/template"
export WINEPREFIX="${WINEPREFIX:-$WQ_TEMPLATE_PREFIX}"
export WINEARCH=win64
export WINEDEBUG=-all
# The target systems run code page 936: Wine takes the ANSI code page from
# the locale, which must really exist (compiled into the build folder). Only
# Wine's processes get it (wq_wine), so host tools keep their own locale.
WQ_LOCPATH="$WQ_BUILD/locale"
wq_wine() {
  LOCPATH="$WQ_LOCPATH" LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 "$WQ_WINE64" "$@"
}
# No X: the prefix selects Wine's null display driver. Screenshots set
# DISPLAY themselves.
unset DISPLAY WAYLAND_DISPLAY
export WINESERVER=/usr/lib/wine/wineserver
export WQ_WINE64=/usr/lib/wine/wine64
