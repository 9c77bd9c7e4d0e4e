// The record of the system dictionary files that passed their full check, kept in the user folder.
// A later process that finds its file in the record skips the checks that only refuse a damaged file
// as a whole, and still makes those that keep every read inside the file (system_dictionaries.h).
//
// A file is vouched for by its stamp (size, last write time, identity) and a hash of
// its header as mapped: a file written since the record was made, or another file put in its place,
// no longer matches and is checked in full again. The record cannot vouch for a file changed in
// place with its time set back, or damaged on the disk without a write; reads of such a file stay
// inside it all the same.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "ime/platform/file_system.h"

namespace kellavor::lexicon {

// A file that passed its full check: which dictionary (SystemFile), its stamp, and the hash of its
// header (which decides where every part of the file lies).
struct CheckedFile {
  uint32_t dictionary = 0;
  platform::FileStamp stamp;
  uint32_t headerHash = 0;

  friend bool operator==(const CheckedFile&, const CheckedFile&) = default;
};

// FNV-1a over the first 256 bytes of a mapped file (all of it when it is shorter).
uint32_t HeaderHash(std::span<const uint8_t> view);

// The bytes of a record: a magic number, the number of entries, the entries, and an FNV-1a hash of
// everything before it.
std::vector<uint8_t> EncodeCheckRecord(std::span<const CheckedFile> files);
// The entries of a record; none when the bytes are not a whole record that matches its hash.
std::vector<CheckedFile> DecodeCheckRecord(std::span<const uint8_t> bytes);

// Whether the record at path holds exactly this file. False without a path, without a record or
// with a damaged one.
bool RecordVouchesFor(const std::u16string& path, const CheckedFile& file);
// Enters the file into the record at path, in place of an earlier entry of the same dictionary. The
// record is written under another name and renamed over the old one, so that a reader never finds
// half of it. Failures are passed over: the next process checks the file in full again.
void AddToCheckRecord(const std::u16string& path, const CheckedFile& file);

}  // namespace kellavor::lexicon
