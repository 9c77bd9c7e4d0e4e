#include "tools/dictbuild/open_data/german_text.h"

#include "tools/dictbuild/open_data/source_text.h"

namespace kellavor::dictbuild {
namespace {

constexpr size_t kShortestWord = 2;
constexpr size_t kLongestWord = 64;
constexpr int kDeepestBracket = 64;

bool IsLetter(char32_t c) {
  return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') ||
         (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) || c == 0x1E9E;
}

}  // namespace

std::vector<std::u16string> GermanWords(std::string_view text) {
  const std::u32string points = DecodeUtf8(text);
  std::vector<std::u16string> words;
  std::u32string word;
  int depth = 0;
  auto finish = [&] {
    if (!word.empty()) words.push_back(CodePointsToUtf16(word));
    word.clear();
  };
  for (size_t i = 0; i < points.size(); ++i) {
    const char32_t c = points[i];
    if (c == U'{' || c == U'[' || c == U'(') {
      finish();
      if (depth < kDeepestBracket) ++depth;
    } else if (c == U'}' || c == U']' || c == U')') {
      finish();
      if (depth > 0) --depth;
    } else if (depth > 0) {
      continue;
    } else if (IsLetter(c)) {
      word.push_back(c);
    } else if (c == U'-' && !word.empty() && i + 1 < points.size() && IsLetter(points[i + 1])) {
      word.push_back(c);
    } else {
      finish();
    }
  }
  finish();
  return words;
}

std::vector<RunningWord> RunningTextWords(std::string_view text) {
  const std::u32string points = DecodeUtf8(text);
  std::vector<RunningWord> words;
  std::u32string word;
  bool sentenceStart = true;
  auto finish = [&] {
    if (word.empty()) return;
    words.push_back(RunningWord{CodePointsToUtf16(word), sentenceStart});
    word.clear();
    sentenceStart = false;
  };
  for (size_t i = 0; i < points.size(); ++i) {
    const char32_t c = points[i];
    if (IsLetter(c)) {
      word.push_back(c);
      continue;
    }
    if (c == U'-' && !word.empty() && i + 1 < points.size() && IsLetter(points[i + 1])) {
      word.push_back(c);
      continue;
    }
    finish();
    if (c == U'\n' || c == U'.' || c == U'!' || c == U'?' || c == U':') sentenceStart = true;
  }
  finish();
  return words;
}

bool IsSingleGermanWord(std::string_view text) {
  const std::u32string points = DecodeUtf8(text);
  if (points.size() < kShortestWord || points.size() > kLongestWord) return false;
  for (size_t i = 0; i < points.size(); ++i) {
    const char32_t c = points[i];
    const bool innerHyphen = c == U'-' && i > 0 && i + 1 < points.size() &&
                             IsLetter(points[i - 1]) && IsLetter(points[i + 1]);
    if (!IsLetter(c) && !innerHyphen) return false;
  }
  return true;
}

bool HoldsOnlyRemarks(std::string_view text) {
  int depth = 0;
  bool inAbbreviation = false;
  for (const char c : text) {
    if (c == '/' && depth == 0) {
      inAbbreviation = !inAbbreviation;
    } else if (inAbbreviation) {
      continue;
    } else if (c == '(' || c == '[' || c == '{') {
      if (depth < kDeepestBracket) ++depth;
    } else if (c == ')' || c == ']' || c == '}') {
      if (depth > 0) --depth;
    } else if (depth == 0 && c != ' ' && c != '\t') {
      return false;
    }
  }
  return !inAbbreviation;
}

}  // namespace kellavor::dictbuild
