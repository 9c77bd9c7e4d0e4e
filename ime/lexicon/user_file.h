// The file "data_us.bin": the 128-byte dictionary header, index 1, index 2 and the record area, back
// to back; the header's offsets say so (index 1 at 128, index 2 behind it, the records behind that).
// The offset table is not stored: loading rebuilds it by walking the records.
//
// The file is the user's and may be truncated, cut short by a full disk, or written by anything.
// CheckUserFile accepts it only when every size, offset, count, record length, index entry and
// index order agrees with the others and with the file's size; loading trusts nothing else.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ime/lexicon/syllable_table.h"

namespace kellavor::lexicon {

// Why the file cannot be loaded; empty when it can.
std::string CheckUserFile(std::span<const uint8_t> file, const SyllableTable& syllables);

// Lays a checked file out in a block made for it: the header as the file has it, both indexes and
// the record area each followed by its full room, the offset table filled by walking the records,
// the dictionary offset stored last. False, and the block not marked as laid out, when the block is
// too small for the file.
bool LoadUserFile(std::span<const uint8_t> file, uint8_t* block, size_t size);

// What a save writes for the block's dictionary: its header with the offsets of the file, then
// index 1, index 2 and the record area. None when the block's layout fails its checks.
std::optional<std::vector<uint8_t>> UserFileImage(const uint8_t* block, size_t size);

}  // namespace kellavor::lexicon
