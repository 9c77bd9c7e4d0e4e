#!/usr/bin/env bash
# The main job: builds everything (native release, whose dictionary writer the Windows builds use,
# then both Windows flavours), says what was built and where, and runs the engine in the console
# front end on the shipped dictionaries: interactively when attached to a terminal, otherwise it
# types a short demonstration script and prints what every key did. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

for preset in native-release win64 win32; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

echo
echo "Built:"
for preset in native-release win64 win32; do
  find "build/$preset" -maxdepth 4 -type f \( -name '*.ime' -o -name '*.exe' -o -name 'dictbuild' -o -name '*_bench' \
    -o -name 'kellavor_console' \) \
    ! -path '*/CMakeFiles/*' ! -path '*/wineprefix/*' ! -path '*/googletest/*' ! -name '*_tests.exe' | sort
  [ -d "build/$preset/install" ] && echo "build/$preset/install/ (install folder: $(ls "build/$preset/install" | tr '\n' ' '))"
done

console=build/native-release/tools/console/kellavor_console
if [ -t 0 ] && [ -t 1 ]; then
  echo
  echo "== kellavor_console (F2 taps Shift alone to switch pinyin and German, Ctrl+D quits)"
  exec "$console"
fi

# Pinyin: a word and a sentence, a punctuation mark behind a word; Shift tapped alone switches to
# German; a German word taken with Space and one with a digit; Shift back to pinyin.
demo='nihao{Space}woxiangqubeijing{Space}xiexie,{Shift}haus{Space}madchen2{Shift}zhongguo1'
echo
echo "== kellavor_console --keys '$demo'"
"$console" --keys "$demo"
echo
echo "(the same with --json prints one JSON object per key)"
