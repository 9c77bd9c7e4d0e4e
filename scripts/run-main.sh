#!/usr/bin/env bash
# The main job: builds everything (native release, whose dictionary writer the Windows builds use,
# then both Windows flavours) and says what was built and where. Installs what is missing first.
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
  find "build/$preset" -maxdepth 4 -type f \( -name '*.ime' -o -name '*.exe' -o -name 'dictbuild' -o -name '*_bench' \) \
    ! -path '*/CMakeFiles/*' ! -path '*/wineprefix/*' ! -path '*/googletest/*' ! -name '*_tests.exe' | sort
  [ -d "build/$preset/install" ] && echo "build/$preset/install/ (install folder: $(ls "build/$preset/install" | tr '\n' ' '))"
done
