// The byte images of the system dictionaries and resource tables, built from plain entries. Each
// builder enforces what the module relies on and leaves out, with a count in the log, every entry
// that cannot be stored. The same entries always give the same bytes, whatever their order.
#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>
#include <vector>

#include "tools/dictbuild/dictionary_source.h"

namespace kellavor::dictbuild {

// Every file starts with a header of this many 32-bit words; the words the module does not read
// are zero.
inline constexpr uint32_t kHeaderWords = 64;

// The conversion table resource of the module: 4-byte records of a simplified unit and its
// traditional form, sorted by the simplified unit.
inline constexpr std::u16string_view kConversionResourceType = u"Gbtobig5";
inline constexpr uint16_t kConversionResourceId = 161;
// The detail template, an HTML resource.
inline constexpr uint16_t kDetailTemplateResourceId = 168;

// data_si.bin. Records sorted by character and reading; all readings of one character carry the
// OR of their classes, so that any record found by character gives the same class. Entries of one
// character and reading are merged, keeping the larger frequency; frequencies saturate at 65535.
std::vector<uint8_t> BuildCharFile(const std::vector<CharEntry>& entries, std::ostream& log);

// data_ph.bin. Records in the order of the initials index (first letters of the first two
// syllables, then the readings, then the text), so that the index is 0, 1, 2 ...; entries of one
// text and reading are merged, keeping the larger frequency. Texts of more than 127 units and
// entries without exactly one known syllable per character are left out.
std::vector<uint8_t> BuildPhraseFile(const std::vector<PhraseEntry>& entries, std::ostream& log);

// data_de.bin. Records in key order (then by word); one record per word, the one of the largest
// frequency (then the smallest hint) when a word comes more than once. Words or hints of more than
// 127 units are left out.
std::vector<uint8_t> BuildWordFile(const std::vector<WordEntry>& entries, std::ostream& log);

// The syllable table resource "Pylist" 163: the shipped syllables, 14 bytes each.
std::vector<uint8_t> BuildSyllableTable();

// The conversion table resource: no identity records, no duplicates; a simplified unit given two
// different traditional forms is left out.
std::vector<uint8_t> BuildConversionTable(const std::vector<TraditionalPair>& pairs, std::ostream& log);

}  // namespace kellavor::dictbuild
