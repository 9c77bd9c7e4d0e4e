// A reader for the few JSON shapes the open data sets use: objects, arrays, strings and scalars,
// read in order. Every operation fails cleanly on malformed input, never reading past the text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kellavor::dictbuild {

class JsonReader {
 public:
  explicit JsonReader(std::string_view text) : text_(text) {}

  // Skips white space and takes c when it comes next.
  bool Take(char c);
  // Skips white space and tells whether c comes next, without taking it.
  bool Sees(char c);
  // A string value, its escapes resolved (\uXXXX to UTF-8, surrogate pairs joined).
  std::optional<std::string> ReadString();
  // Any value, nested at most kDeepestNesting deep.
  bool SkipValue();

  static constexpr int kDeepestNesting = 64;

 private:
  void SkipSpace();
  bool SkipValue(int depth);
  std::optional<char32_t> ReadHex4();

  std::string_view text_;
  size_t position_ = 0;
};

}  // namespace kellavor::dictbuild
