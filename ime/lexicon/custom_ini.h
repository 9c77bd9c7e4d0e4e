// custom.ini, the user's phrase file: one entry a line, key=position,text.
//
// The file is UTF-8, with or without a byte-order mark; ill-formed sequences read as U+FFFD. A line
// ends at LF, and a CR just before the LF is dropped. A line holds at most kMaxCustomLineUnits
// UTF-16 units: a longer one is cut there (never between the two halves of a surrogate pair) and
// the rest of it, up to its line feed, is ignored. A NUL unit ends the line's content the same way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kellavor::lexicon {

inline constexpr size_t kMaxCustomLineUnits = 1023;
// A larger file is not read at all: a phrase file that the user keeps by hand stays far below it.
inline constexpr size_t kMaxCustomIniBytes = 4 * 1024 * 1024;

struct CustomIniEntry {
  std::u16string key;
  std::u16string text;
  int32_t position = 0;  // 0-based place in the candidate list
};

// One line without its line feed. The key runs up to the first space or "="; spaces and "=" after
// it are skipped, then a decimal number is read (leading white space and a sign accepted, stopping
// at the first non-digit, held to the 32-bit range); the text is everything after the first comma
// behind the number, with each backslash-n turned into a line feed. Nothing for a comment (";"),
// a line starting with CR, an empty key, a number below 1 or missing, and a missing or empty text.
std::optional<CustomIniEntry> ParseCustomLine(std::u16string_view line);

// The entries of a whole file, in file order.
std::vector<CustomIniEntry> ParseCustomIni(std::string_view fileBytes);

}  // namespace kellavor::lexicon
