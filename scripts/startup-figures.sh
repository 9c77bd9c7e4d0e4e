#!/usr/bin/env bash
# The module's start-up figures under Wine: LoadLibrary and the start (the first ImeInquire) over
# load cycles in one process, the process's committed memory, and new applications (processes of
# their own) typing "ni" and Escape, their first key against their later keys. Medians, p90 and
# maxima in milliseconds, from tests/wine/figures/kellavor_module_figures of a Windows build
# (cmake --build --preset win64 --target kellavor_module_figures).
#
#   scripts/startup-figures.sh [BUILD] [CYCLES] [PROCESSES]    (default build/win64, 20, 12)
#
# Runs under Xvfb in a Wine prefix of its own inside the build tree (BUILD/figures-prefix); the
# work folder BUILD/figures-work holds the installed copy.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build/win64}" && pwd)"
cycles="${2:-20}"
processes="${3:-12}"
program="$build/tests/wine/figures/kellavor_module_figures.exe"
[ -f "$program" ] || { echo "startup-figures: $program is not built" >&2; exit 2; }

export WINEPREFIX="$build/figures-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
[ -d "$WINEPREFIX" ] && wineserver -w
xvfb-run -a wine "$program" "$build/install" "$build/ime/module/KellavorIme.ime" "$build/figures-work" \
  "$cycles" "$processes" 2>&1 | grep -v '^X connection'
wineserver -w
