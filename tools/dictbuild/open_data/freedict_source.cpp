#include "tools/dictbuild/open_data/freedict_source.h"

#include "tools/dictbuild/open_data/english_sense.h"
#include "tools/dictbuild/open_data/german_text.h"
#include "tools/dictbuild/open_data/source_text.h"

namespace kellavor::dictbuild {
namespace {

std::string_view HeadwordOf(std::string_view firstLine) {
  size_t end = firstLine.find(" /");
  if (end == std::string_view::npos) end = firstLine.find(" <");
  return TrimSpaces(firstLine.substr(0, end));
}

// An example line: "German text"  - English text
bool ParseExample(std::string_view line, BilingualExample& example) {
  line = TrimSpaces(line);
  if (!line.starts_with('"')) return false;
  const size_t close = line.find("\"  - ", 1);
  if (close == std::string_view::npos) return false;
  example.german = std::string(line.substr(1, close - 1));
  example.english = std::string(TrimSpaces(line.substr(close + 5)));
  return !example.german.empty() && !example.english.empty();
}

}  // namespace

FreeDictArticle ParseFreeDictArticle(std::string_view article) {
  FreeDictArticle parsed;
  size_t lineNumber = 0;
  ForEachLine(article, [&](std::string_view line) {
    if (lineNumber == 0) {
      parsed.headword = std::string(HeadwordOf(line));
      parsed.singleWord = IsSingleGermanWord(parsed.headword);
    } else if (lineNumber == 1) {
      for (const std::string_view part : SplitOutsideBrackets(line, ',')) {
        const std::string_view sense = TrimSpaces(part);
        if (!sense.empty()) parsed.senses.emplace_back(sense);
      }
    } else if (BilingualExample example; ParseExample(line, example)) {
      parsed.examples.push_back(std::move(example));
    }
    ++lineNumber;
  });
  return parsed;
}

}  // namespace kellavor::dictbuild
