#!/usr/bin/env bash
# Runs every test of both builds: the native build with sanitizers, then the Windows build in
# both flavours under Wine. Installs what is missing first, runs every stage whose tools could be
# installed (a Windows flavour still compiles when its Wine is missing), and ends with a summary
# of every stage. Exits non-zero when a stage that ran failed.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh || echo "install-deps: the native tools are missing; the stages that need them are skipped"
source scripts/stages.sh

configure_and_build() {
  cmake --preset "$1" >/dev/null && cmake --build --preset "$1" "${@:2}"
}

build_and_test() {
  configure_and_build "$1" && ctest --preset "$1"
}

stage native-test "native data" build_and_test native-test

# The fuzz targets briefly, then the key storms: a million keys under the sanitizers (the
# native-test build), a shorter storm under valgrind (a build without sanitizers).
stage fuzz "native fuzz" bash scripts/fuzz.sh "${KELLAVOR_FUZZ_SECONDS:-7}"
if [ "$(stage_result native-test)" = passed ]; then
  stage "key storm" "native data" ctest --preset storm
else
  stage_skip "key storm" "the native-test build did not pass"
fi
stage "valgrind storm" "native data fuzz" eval \
  'configure_and_build native-release --target kellavor_engine_tests && ctest --preset storm-valgrind'

# The Windows builds make their data with the native dictionary writer of the release build.
stage "dictionary writer" "native" configure_and_build native-release --target dictbuild

# win32 first: the 64-bit build makes the setup, which carries the 32-bit module as well.
for preset in win32 win64; do
  wine_group=wine
  [ "$preset" = win32 ] && wine_group="wine wine32"
  if [ "$(stage_result "dictionary writer")" != passed ]; then
    stage_skip "$preset build" "the dictionary writer was not built"
    stage_skip "$preset tests" "the dictionary writer was not built"
    continue
  fi
  stage "$preset build" "native data npm windows" configure_and_build "$preset"
  if [ "$(stage_result "$preset build")" != passed ]; then
    stage_skip "$preset tests" "the $preset build did not pass"
    continue
  fi
  stage "$preset tests" "$wine_group" ctest --preset "$preset"
done

stage_summary
