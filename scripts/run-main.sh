#!/usr/bin/env bash
# The main job: shows the engine as early as it can, then builds the Windows deliverables.
# First the native release (the console front end, the dictionary writer and the shipped
# dictionaries), and the engine runs in the console on those dictionaries: interactively when
# attached to a terminal, otherwise it types a short demonstration script and prints what every
# key did. Then both Windows flavours are built, as far as their tools could be installed, and the
# setup they make is installed into a private Wine prefix where notepad is typed into through the
# installed input method (demo/run_demo.sh).
# Installs what is missing first and ends with a summary of every stage.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh || echo "install-deps: the native tools are missing; the stages that need them are skipped"
source scripts/stages.sh

configure_and_build() {
  cmake --preset "$1" >/dev/null && cmake --build --preset "$1" "${@:2}"
}

console=build/native-release/tools/console/kellavor_console

# Pinyin: a word and a sentence, a punctuation mark behind a word; Shift tapped alone switches to
# German; a German word taken with Space and one with a digit; Shift back to pinyin.
demo='nihao{Space}woxiangqubeijing{Space}xiexie,{Shift}haus{Space}madchen1{Shift}zhongguo1'
console_demo() {
  echo "(the console front end: $console; --json prints one JSON object per key)"
  echo "kellavor_console --keys '$demo'"
  "$console" --keys "$demo"
}

# The console and the dictionaries it reads come first; the rest of the release (benchmarks, the
# tools' tests) is built after the demonstration.
stage "console" "native data npm" configure_and_build native-release --target kellavor_console kellavor_install_folder
if [ "$(stage_result "console")" = passed ]; then
  if [ -t 0 ] && [ -t 1 ]; then
    echo
    echo "== kellavor_console (F2 taps Shift alone to switch pinyin and German, Ctrl+D quits)"
    echo "   The Windows builds follow when you quit."
    "$console"
  else
    stage "console demonstration" "" console_demo
  fi
else
  stage_skip "console demonstration" "the console did not build"
fi

stage "native release" "native data npm" configure_and_build native-release
# win32 first: the 64-bit build makes the setup, which carries the 32-bit module as well.
for preset in win32 win64; do
  if [ "$(stage_result "native release")" != passed ]; then
    stage_skip "$preset build" "its dictionaries come from the native release, which did not build"
    continue
  fi
  echo "(building $preset: KellavorIme.ime and the install folder land in build/$preset)"
  stage "$preset build" "windows" configure_and_build "$preset"
done

# The real thing: the setup installed into a private Wine prefix, notepad typed into through the
# installed input method, screenshots in build/demo.
setup=build/win64/KellavorSetup.exe
driver=build/win64/demo/kellavor_demo.exe
if [ "$(stage_result "win64 build")" != passed ]; then
  stage_skip "notepad demonstration" "the win64 build, which makes the setup, did not pass"
elif [ ! -f "$setup" ] || [ ! -f "$driver" ]; then
  stage_skip "notepad demonstration" "the win64 build made no $(basename "$setup") or demo driver (makensis missing?)"
else
  echo "(installing $setup into build/demo/prefix and typing into notepad; screenshots in build/demo)"
  stage "notepad demonstration" "wine" demo/run_demo.sh "$setup" "$driver" build/demo
fi

echo
echo "Built:"
for preset in native-release win64 win32; do
  [ -d "build/$preset" ] || continue
  find "build/$preset" -maxdepth 4 -type f \( -name '*.ime' -o -name '*.exe' -o -name 'dictbuild' -o -name '*_bench' \
    -o -name 'kellavor_console' \) \
    ! -path '*/CMakeFiles/*' ! -path '*/wineprefix/*' ! -path '*/googletest/*' ! -name '*_tests.exe' | sort
  [ -d "build/$preset/install" ] && echo "build/$preset/install/ (install folder: $(ls "build/$preset/install" | tr '\n' ' '))"
done

stage_summary
