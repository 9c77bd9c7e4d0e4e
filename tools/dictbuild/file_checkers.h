// The checks of the check mode, one function per file. Each runs on a dictionary that the module's
// readers accepted (so every record can be read) and adds what it finds to the violations.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <span>
#include <string_view>

#include "ime/lexicon/index_view.h"
#include "ime/lexicon/system_dictionaries.h"
#include "tools/dictbuild/violations.h"

namespace kellavor::dictbuild {

// The header holds every word that is read and ends before the data, which starts at dataStart;
// the words that are not read are zero.
void CheckHeader(std::span<const uint8_t> file, std::string_view name, std::initializer_list<uint32_t> readWords,
                 uint64_t dataStart, Violations& violations);

// Every record number below count appears exactly once in the index.
void CheckIndexNamesEachOnce(const lexicon::IndexView& index, uint32_t count, std::string_view name,
                             Violations& violations);

// Whether [aStart, aStart + aLength) and [bStart, bStart + bLength) share a byte.
bool Overlap(uint64_t aStart, uint64_t aLength, uint64_t bStart, uint64_t bLength);

void CheckCharFile(const lexicon::SystemDictionaries& dictionaries, std::span<const uint8_t> file,
                   Violations& violations);
void CheckPhraseFile(lexicon::SystemDictionaries& dictionaries, std::span<const uint8_t> file,
                     Violations& violations);
void CheckWordFile(const lexicon::SystemDictionaries& dictionaries, std::span<const uint8_t> file,
                   Violations& violations);

// The language model: accepted by the reader, every word found by its text, every pair where it
// is stored.
void CheckModelFile(std::span<const uint8_t> file, Violations& violations);

// The syllable table and the conversion table in the folder. False when the syllable table is
// missing or not the shipped one, so that nothing that depends on syllable texts can be checked.
bool CheckResourceTables(const std::filesystem::path& folder, Violations& violations);

}  // namespace kellavor::dictbuild
