#!/usr/bin/env bash
# Runs every test of both builds: the native build with sanitizers, then the Windows build in
# both flavours under Wine. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

configure_and_build() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" "${@:2}"
}

status=0
echo "== native-test"
configure_and_build native-test
ctest --preset native-test || status=1

# The Windows builds make their data with the native dictionary writer of the release build.
echo "== native-release (dictionary writer)"
configure_and_build native-release --target dictbuild

for preset in win64 win32; do
  echo "== $preset"
  configure_and_build "$preset"
  ctest --preset "$preset" || status=1
done
exit $status
