#include "tools/dictbuild/open_data/ding_source.h"

#include "tools/dictbuild/open_data/english_sense.h"
#include "tools/dictbuild/open_data/german_text.h"
#include "tools/dictbuild/open_data/source_text.h"

namespace kellavor::dictbuild {
namespace {

// Ding writes verbs with the objects they take: "etw. kaufen", "sich freuen", "jdm./etw. helfen".
bool IsObjectPlaceholder(std::string_view token) {
  if (token.size() > 2 && token.front() == '(' && token.back() == ')') token = token.substr(1, token.size() - 2);
  if (token.empty()) return false;
  for (const std::string_view part : SplitFields(token, '/')) {
    if (part != "etw." && part != "jdn." && part != "jdm." && part != "jds." && part != "sich") return false;
  }
  return true;
}

// The headword line without the leading object placeholders of a verb.
std::string_view WithoutPlaceholders(std::string_view headword) {
  for (;;) {
    const size_t space = headword.find(' ');
    if (space == std::string_view::npos || !IsObjectPlaceholder(headword.substr(0, space))) return headword;
    headword = TrimSpaces(headword.substr(space + 1));
  }
}

}  // namespace

DingArticle ParseDingArticle(std::string_view article) {
  DingArticle parsed;
  std::string rest;
  bool first = true;
  bool inEnglish = false;
  ForEachLine(article, [&](std::string_view line) {
    if (first) {
      parsed.headword = std::string(TrimSpaces(line));
      first = false;
      return;
    }
    if (!inEnglish && line.starts_with("   ")) inEnglish = true;
    std::string& target = inEnglish ? parsed.english : rest;
    const std::string_view trimmed = TrimSpaces(line);
    if (trimmed.empty()) return;
    if (!target.empty()) target.push_back(' ');
    target += trimmed;
  });
  parsed.german = rest.empty() ? parsed.headword : parsed.headword + " " + rest;
  parsed.headword = std::string(WithoutPlaceholders(parsed.headword));
  parsed.singleWord = IsSingleGermanWord(parsed.headword) && HoldsOnlyRemarks(rest);
  parsed.adjective = rest.find("{adj}") != std::string::npos;
  return parsed;
}

std::vector<std::string_view> DingSenses(std::string_view english) {
  std::vector<std::string_view> senses;
  for (const std::string_view part : SplitOutsideBrackets(english, ';')) {
    const std::string_view sense = TrimSpaces(part);
    if (!sense.empty()) senses.push_back(sense);
  }
  return senses;
}

}  // namespace kellavor::dictbuild
