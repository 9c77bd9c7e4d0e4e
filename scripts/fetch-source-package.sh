#!/usr/bin/env bash
# Unpacks Debian's source package of an installed library, the version of its installed binary
# package, into a folder of the build tree, so that the Windows build compiles exactly the library
# the native build uses. Prints the unpacked folder on its last line of output.
#
#   scripts/fetch-source-package.sh BINARY-PACKAGE SOURCE-PACKAGE PROOF-FILE [DESTINATION]
#
# PROOF-FILE is a path inside the unpacked source that shows the unpacking is complete; the
# destination defaults to build/third_party. Example: libhunspell-dev hunspell src/hunspell/hunspell.cxx.
#
# Idempotent: when the folder holds that version already, nothing is fetched. Otherwise the source
# entries apt needs are derived from the machine's own binary entries (same archives, suites,
# components and keys; written once into a file of their own), the package lists are updated once
# and `apt-get source` fetches and unpacks the package (dpkg-dev does the unpacking). The unpacked
# source is also kept in the user's cache folder, so that later clones on the same machine need no
# download; a failed list update is not fatal as long as the source can still be fetched.
set -euo pipefail
cd "$(dirname "$0")/.."

binary=${1:?binary package}
package=${2:?source package}
proof=${3:?proof file}
destination=${4:-build/third_party}
source_list=/etc/apt/sources.list.d/kellavor-deb-src
apt_dir=/etc/apt

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

version=$(dpkg-query -W -f='${source:Version}' "$binary" 2>/dev/null) || {
  echo "fetch-source-package: $binary is not installed (run scripts/install-deps.sh)" >&2
  exit 1
}
upstream=${version#*:}
upstream=${upstream%-*}
mkdir -p "$destination"
destination=$(cd "$destination" && pwd)
folder="$destination/$package-$upstream"
marker="$folder/.kellavor-source-version"

exec 9>"$destination/$package.lock"
flock 9

is_unpacked() { [ -f "$1/.kellavor-source-version" ] && [ "$(cat "$1/.kellavor-source-version")" = "$version" ] && [ -f "$1/$proof" ]; }

if is_unpacked "$folder"; then
  echo "$folder"
  exit 0
fi

cache="${XDG_CACHE_HOME:-$HOME/.cache}/kellavor/$package-$upstream"
if is_unpacked "$cache"; then
  rm -rf "$folder"
  cp -a "$cache" "$folder"
  echo "$folder"
  exit 0
fi

# Source entries already configured anywhere (deb822 "Types: ... deb-src" or one-line "deb-src")?
has_source_entries() {
  local files=()
  shopt -s nullglob
  files=("$apt_dir"/sources.list "$apt_dir"/sources.list.d/*.list "$apt_dir"/sources.list.d/*.sources)
  shopt -u nullglob
  [ ${#files[@]} -gt 0 ] && grep -qsE '^[[:space:]]*(Types:.*[[:space:]]deb-src([[:space:]]|$)|deb-src[[:space:]])' "${files[@]}"
}

# Writes deb-src twins of the machine's binary entries: each deb822 stanza whose Types include
# "deb" is repeated with "Types: deb-src"; each one-line "deb" entry becomes a "deb-src" line.
derive_source_entries() {
  local file stanzas="" lines=""
  shopt -s nullglob
  for file in "$apt_dir"/sources.list.d/*.sources; do
    [ "$file" = "$source_list.sources" ] && continue
    stanzas+=$(awk '
      function flush() { if (stanza != "" && binary) printf "%s\n", stanza; stanza = ""; binary = 0 }
      /^[[:space:]]*$/ { flush(); next }
      /^#/ { next }
      /^Types:/ {
        for (i = 2; i <= NF; i++) if ($i == "deb") binary = 1
        stanza = stanza "Types: deb-src\n"; next
      }
      { stanza = stanza $0 "\n" }
      END { flush() }' "$file")
    stanzas+=$'\n\n'
  done
  for file in "$apt_dir"/sources.list "$apt_dir"/sources.list.d/*.list; do
    [ -f "$file" ] || continue
    lines+=$(sed -nE 's/^[[:space:]]*deb[[:space:]]+/deb-src /p' "$file")
    lines+=$'\n'
  done
  shopt -u nullglob
  if [ -n "${stanzas//[[:space:]]/}" ]; then
    printf '%s' "$stanzas" | as_root tee "$source_list.sources" >/dev/null
  fi
  if [ -n "${lines//[[:space:]]/}" ]; then
    printf '%s' "$lines" | as_root tee "$source_list.list" >/dev/null
  fi
}

if ! has_source_entries; then
  echo "fetch-source-package: adding source entries beside the machine's binary entries" >&2
  derive_source_entries
  as_root apt-get update -qq || echo "fetch-source-package: the package lists could not all be updated" >&2
elif ! apt-cache showsrc "$package=$version" 2>/dev/null | grep -q '^Package:'; then
  as_root apt-get update -qq || echo "fetch-source-package: the package lists could not all be updated" >&2
fi

work=$(mktemp -d "$destination/fetch.XXXXXX")
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get source -qq "$package=$version" >&2)
unpacked=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name "$package-*" | head -n 1)
[ -n "$unpacked" ] && [ -f "$unpacked/$proof" ] || {
  echo "fetch-source-package: apt-get source did not unpack $package $version" >&2
  exit 1
}
rm -rf "$folder"
mv "$unpacked" "$folder"
echo "$version" >"$marker"
mkdir -p "$(dirname "$cache")"
rm -rf "$cache"
cp -a "$folder" "$cache"
echo "$folder"
