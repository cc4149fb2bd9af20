#!/bin/bash
# Idempotent set-up: Debian packages, the zh_CN.UTF-8 locale and the template
# Wine prefix. Safe to run any number of times; does only what is missing.
set -euo pipefail
WQ_ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$WQ_ROOT/scripts/wine-env.sh"

packages=(
  cmake ninja-build make g++ googletest libgtest-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  wine wine64          # 64-bit Wine only: 32-bit code cannot run here
  xvfb xauth imagemagick
  fonts-wqy-microhei   # CJK glyphs for code page 936 texts
  fonts-liberation     # metric-compatible Latin fonts (Arial's metrics)
  locales
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if [ "$(id -u)" != 0 ]; then
    echo "setup: run as root to install packages" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# A real zh_CN.UTF-8 locale: without it Wine falls back to code page 1252.
if [ ! -f "$WQ_LOCPATH/zh_CN.UTF-8/LC_CTYPE" ]; then
  echo "setup: compiling the zh_CN.UTF-8 locale"
  mkdir -p "$WQ_LOCPATH"
  localedef -i zh_CN -f UTF-8 "$WQ_LOCPATH/zh_CN.UTF-8" || [ -f "$WQ_LOCPATH/zh_CN.UTF-8/LC_CTYPE" ]
fi

# Template prefix, rebuilt whenever its settings or Wine change.
stamp_want=$( { cat "$WQ_ROOT/scripts/wine-prefix.reg"; "$WQ_WINE64" --version; } | sha1sum | cut -d' ' -f1)
stamp="$WQ_TEMPLATE_PREFIX/.wq-stamp"
if [ "$(cat "$stamp" 2>/dev/null)" != "$stamp_want" ]; then
  echo "setup: creating the template Wine prefix"
  "$WINESERVER" -k >/dev/null 2>&1 || true
  rm -rf "$WQ_TEMPLATE_PREFIX"
  mkdir -p "$(dirname "$WQ_TEMPLATE_PREFIX")"
  export WINEPREFIX="$WQ_TEMPLATE_PREFIX"
  # No Mono or Gecko prompts: the project needs neither.
  WINEDLLOVERRIDES="mscoree,mshtml=" wq_wine wineboot -i </dev/null >/dev/null 2>&1
  reg_file="Z:$(printf %s "$WQ_ROOT/scripts/wine-prefix.reg" | tr / '\\')"
  wq_wine regedit /S "$reg_file" </dev/null >/dev/null 2>&1
  "$WINESERVER" -w
  echo "$stamp_want" > "$stamp"
fi
