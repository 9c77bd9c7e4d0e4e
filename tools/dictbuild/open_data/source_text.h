// Small text helpers shared by the readers of the open data sets: reading a (possibly gzip- or
// dictzip-compressed) file, walking its lines, splitting fields and decoding UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kellavor::dictbuild {

// The whole content of the file; a gzip or dictzip (.dz) file is decompressed on the way.
// Absent when the file cannot be read or its content exceeds maxBytes.
std::optional<std::string> ReadSourceText(const std::string& path, size_t maxBytes = size_t{1} << 30);

// Calls visit(line) for each line of text, without its line end ("\n" or "\r\n").
template <typename Visit>
void ForEachLine(std::string_view text, Visit&& visit) {
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    visit(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

// The fields of text between separators; an empty text gives one empty field.
std::vector<std::string_view> SplitFields(std::string_view text, char separator);

std::string_view TrimSpaces(std::string_view text);

// A decimal number of at most nine digits and nothing else.
std::optional<uint32_t> ParseDecimal(std::string_view text);

// Code points of UTF-8 text; each ill-formed sequence becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view text);
std::u16string CodePointsToUtf16(std::u32string_view text);

}  // namespace kellavor::dictbuild
