#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, in a private prefix inside the build tree.
# The prefix is initialised once (under Xvfb, so that it gets its default IME window); tests that
# open windows set KELLAVOR_WINE_DISPLAY=1 and run under Xvfb themselves.
set -euo pipefail
program=$1
shift

# The build tree is the nearest folder above the program that holds CMakeCache.txt.
build_dir=$(cd "$(dirname "$program")" && pwd)
while [ "$build_dir" != / ] && [ ! -f "$build_dir/CMakeCache.txt" ]; do build_dir=$(dirname "$build_dir"); done
[ -f "$build_dir/CMakeCache.txt" ] || { echo "wine-run: no build tree above $program" >&2; exit 2; }

export WINEPREFIX="$build_dir/wineprefix"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

(
  flock 9
  if [ ! -f "$WINEPREFIX/.kellavor-ready" ]; then
    rm -rf "$WINEPREFIX"
    xvfb-run -a wineboot -i >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.kellavor-ready"
  fi
) 9>"$build_dir/wineprefix.lock"

if [ "${KELLAVOR_WINE_DISPLAY:-0}" = 1 ]; then
  exec xvfb-run -a wine "$program" "$@"
fi
exec wine "$program" "$@"
