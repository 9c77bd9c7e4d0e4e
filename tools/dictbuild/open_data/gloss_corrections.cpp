#include "tools/dictbuild/open_data/gloss_corrections.h"

#include <vector>

#include "ime/platform/utf.h"
#include "tools/dictbuild/open_data/chinese_hints.h"
#include "tools/dictbuild/open_data/source_text.h"

namespace kellavor::dictbuild {

std::optional<std::unordered_map<std::u16string, std::u16string>> ParseGlossCorrections(std::string_view text) {
  std::unordered_map<std::u16string, std::u16string> corrections;
  bool malformed = false;
  ForEachLine(text, [&](std::string_view line) {
    if (TrimSpaces(line).empty() || line.starts_with('#')) return;
    const std::vector<std::string_view> fields = SplitFields(line, '\t');
    if (fields.size() < 3 || TrimSpaces(fields[0]).empty() || TrimSpaces(fields[2]).empty()) {
      malformed = true;
      return;
    }
    std::vector<std::u16string> glosses;
    for (const std::string_view gloss : SplitFields(fields[1], '|')) {
      if (!TrimSpaces(gloss).empty()) glosses.push_back(platform::Utf8ToUtf16(TrimSpaces(gloss)));
    }
    if (!corrections.try_emplace(platform::Utf8ToUtf16(TrimSpaces(fields[0])), JoinHint(glosses)).second) {
      malformed = true;
    }
  });
  if (malformed) return std::nullopt;
  return corrections;
}

}  // namespace kellavor::dictbuild
