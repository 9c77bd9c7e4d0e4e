#include "tools/dictbuild/open_data/english_sense.h"

#include <array>


namespace kellavor::dictbuild {
namespace {

constexpr int kDeepestBracket = 64;

bool IsOpening(char c) { return c == '(' || c == '[' || c == '{' || c == '<'; }
bool IsClosing(char c) { return c == ')' || c == ']' || c == '}' || c == '>'; }

// Letters, digits, apostrophes, hyphens and every byte of a multi-byte UTF-8 sequence belong to
// words; all else separates them.
bool IsWordByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '\'' ||
         c == '-' || byte >= 0x80;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The words outside brackets, lower-cased; a word is trimmed of hyphens and apostrophes at its ends.
std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  int depth = 0;
  auto finish = [&] {
    while (!word.empty() && (word.back() == '-' || word.back() == '\'')) word.pop_back();
    size_t start = 0;
    while (start < word.size() && (word[start] == '-' || word[start] == '\'')) ++start;
    if (start < word.size()) words.push_back(word.substr(start));
    word.clear();
  };
  for (const char c : text) {
    if (IsOpening(c)) {
      finish();
      if (depth < kDeepestBracket) ++depth;
    } else if (IsClosing(c)) {
      finish();
      if (depth > 0) --depth;
    } else if (depth == 0 && IsWordByte(c)) {
      word.push_back(LowerAscii(c));
    } else {
      finish();
    }
  }
  finish();
  return words;
}

// The text without abbreviations between slashes, as Ding writes them after a sense
// ("month /mo./ /mth/"); a slash inside a word ("he/she") stays.
std::string WithoutAbbreviations(std::string_view text) {
  std::string kept;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '/' && (i == 0 || text[i - 1] == ' ')) {
      const size_t close = text.find('/', i + 1);
      const size_t space = text.find(' ', i + 1);
      if (close != std::string_view::npos && close < space && close > i + 1) {
        i = close;
        continue;
      }
    }
    kept.push_back(text[i]);
  }
  return kept;
}

std::string Join(const std::vector<std::string>& words, size_t from) {
  std::string joined;
  for (size_t i = from; i < words.size(); ++i) {
    if (!joined.empty()) joined.push_back(' ');
    joined += words[i];
  }
  return joined;
}

}  // namespace

std::vector<std::string_view> SplitOutsideBrackets(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  int depth = 0;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (IsOpening(c)) {
      if (depth < kDeepestBracket) ++depth;
    } else if (IsClosing(c)) {
      if (depth > 0) --depth;
    } else if (c == separator && depth == 0) {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  parts.push_back(text.substr(start));
  return parts;
}

std::string NormaliseSense(std::string_view sense) {
  std::vector<std::string> words;
  for (std::string& word : Words(WithoutAbbreviations(sense))) {
    if (word != "sth" && word != "sb" && word != "sth's" && word != "sb's") {
      words.push_back(std::move(word));
    }
  }
  static constexpr std::array<std::string_view, 4> kLeading = {"to", "a", "an", "the"};
  size_t from = 0;
  if (words.size() > 1) {
    for (const std::string_view leading : kLeading) {
      if (words[0] == leading) from = 1;
    }
  }
  return Join(words, from);
}

bool IsProperSense(std::string_view sense) {
  const std::vector<std::string_view> parts = SplitOutsideBrackets(sense, ' ');
  for (const std::string_view part : parts) {
    if (part.empty() || IsOpening(part[0]) || part == "the") continue;
    return part[0] >= 'A' && part[0] <= 'Z' && part != "I";
  }
  return false;
}

bool IsVerbalSense(std::string_view sense) {
  const size_t start = sense.find_first_not_of(' ');
  if (start != std::string_view::npos && sense.substr(start).starts_with("(to)")) return true;
  const std::vector<std::string> words = Words(sense);
  return words.size() > 1 && words[0] == "to";
}

std::string NormaliseEnglishText(std::string_view text) {
  std::string normalised = " ";
  for (const std::string& word : Words(text)) {
    normalised += word;
    normalised.push_back(' ');
  }
  return normalised;
}

std::string SingularSense(std::string_view normalisedSense) {
  const size_t lastSpace = normalisedSense.rfind(' ');
  const std::string_view last =
      lastSpace == std::string_view::npos ? normalisedSense : normalisedSense.substr(lastSpace + 1);
  const std::string head(normalisedSense.substr(0, normalisedSense.size() - last.size()));
  if (last.size() < 4 || last.back() != 's' || last.ends_with("ss") || last.ends_with("us") ||
      last.ends_with("is")) {
    return {};
  }
  if (last.ends_with("ies")) return head + std::string(last.substr(0, last.size() - 3)) + "y";
  if (last.ends_with("ches") || last.ends_with("shes") || last.ends_with("xes") ||
      last.ends_with("sses")) {
    return head + std::string(last.substr(0, last.size() - 2));
  }
  return head + std::string(last.substr(0, last.size() - 1));
}

}  // namespace kellavor::dictbuild
