// The text of one private-profile file, held losslessly in the units of its own encoding so that
// an edit changes only the line it touches and every other byte of the file stays as it was.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kellavor::platform {

class ProfileDocument {
 public:
  // Bytes starting with FF FE are UTF-16LE; everything else is 8-bit text, taken as UTF-8 (with
  // or without its byte-order mark). Any bytes at all are accepted.
  static ProfileDocument FromBytes(std::string_view bytes);
  // Text already decoded (ReadProfileText), for reading only.
  static ProfileDocument FromText(std::u16string text);

  // The value of the first key named key in the first section named section; none when the
  // section or the key is missing or the key's line has no "=".
  std::optional<std::u16string> Find(std::u16string_view section, std::u16string_view key) const;

  // A name as lookups compare it: up to its first NUL, without white space around it, ASCII
  // letters in lower case.
  static std::u16string NameKey(std::u16string_view name);

  // Every section and key Find reaches, read in one pass: the NameKey of each, and what Find
  // returns for them. Sorted by section, then key; each pair once.
  struct Entry {
    std::u16string section;
    std::u16string key;
    std::optional<std::u16string> value;
  };
  std::vector<Entry> Entries() const;

  // Replaces the value of that key, or adds the key at the end of the section (the section at the
  // end of the file when it is missing). New lines end with CR LF.
  void Set(std::u16string_view section, std::u16string_view key, std::u16string_view value);

  std::string ToBytes() const;

 private:
  enum class Encoding { kEightBit, kUtf16Le };

  struct Line;
  struct Place;

  Line LineAt(size_t begin) const;
  Place Locate(std::u16string_view section, std::u16string_view key) const;
  // The value of a key line whose "=" is at equals: white space before it, anything from a NUL on
  // and one pair of matching quotes around it dropped.
  std::u16string ValueOf(const Line& line, size_t equals) const;
  std::u16string Decode(size_t begin, size_t end) const;
  std::u16string Encode(std::u16string_view text) const;

  Encoding encoding_ = Encoding::kEightBit;
  std::string prefix_;  // byte-order mark, kept as found
  std::u16string units_;  // one unit per byte of an 8-bit file, per UTF-16 unit otherwise
  std::string suffix_;  // the odd last byte of a UTF-16 file, kept as found
};

}  // namespace kellavor::platform
