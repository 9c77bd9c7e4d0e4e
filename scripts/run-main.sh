#!/usr/bin/env bash
# The main job: builds everything (native release and both Windows flavours) and says what was
# built and where. Installs what is missing first.
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
find build/native-release build/win64 build/win32 -type f \
  \( -name '*.ime' -o -name '*.exe' -o -name '*.bin' -o \( -perm -u+x ! -name '*.*' \) \) \
  ! -path '*/CMakeFiles/*' ! -path '*/wineprefix/*' ! -path '*/googletest/*' | sort
