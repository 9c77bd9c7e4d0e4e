#include "ime/lexicon/fuzzy_pairs.h"

#include <algorithm>
#include <string>
#include <utility>

#include "ime/settings/ini_file.h"

namespace kellavor::lexicon {
namespace {

bool IsSeparator(char16_t c) { return c == u'\t' || c == u'\n' || c == u'\r' || c == u',' || c == u';'; }

// The next token of value from position `at` on, which moves past it; empty at the end.
std::u16string_view NextToken(std::u16string_view value, size_t& at) {
  while (at < value.size() && IsSeparator(value[at])) ++at;
  const size_t begin = at;
  while (at < value.size() && !IsSeparator(value[at])) ++at;
  return value.substr(begin, at - begin);
}

constexpr int32_t kListStep = 5;

}  // namespace

std::optional<FuzzyPair> ParseFuzzyPair(std::u16string_view value) {
  size_t at = 0;
  std::u16string_view a = NextToken(value, at);
  std::u16string_view b = NextToken(value, at);
  // The syllable rules replace and skip the first sound as a prefix of the second (z inside zh):
  // the shorter sound goes first, so that zh,z works as z,zh does.
  if (b.size() < a.size()) std::swap(a, b);
  if (a.empty() || b.empty() || a.size() > kMaxSoundLetters || b.size() > kMaxSoundLetters) return std::nullopt;
  FuzzyPair pair;
  std::copy(a.begin(), a.end(), pair.soundA);
  std::copy(b.begin(), b.end(), pair.soundB);
  pair.lengthA = static_cast<uint16_t>(a.size());
  pair.lengthB = static_cast<uint16_t>(b.size());
  return pair;
}

FuzzyPairList::FuzzyPairList() : pairs_(sizeof(FuzzyPair), kListStep) {}

void FuzzyPairList::LoadFuzzyPairs(const std::u16string& mohuyinPath, bool useFuzzy) {
  pairs_.Init(sizeof(FuzzyPair), kListStep);
  if (!useFuzzy) return;
  settings::IniFile file;
  file.Load(mohuyinPath);
  for (int32_t key = 1; key <= kMaxFuzzyPairs; ++key) {
    const std::string name = std::to_string(key);
    const std::optional<std::u16string> value = file.ReadString(u"Fuzzy", std::u16string(name.begin(), name.end()));
    if (!value) continue;
    if (const std::optional<FuzzyPair> pair = ParseFuzzyPair(*value)) pairs_.InsertAt(&*pair, 1, pairs_.count());
  }
}

}  // namespace kellavor::lexicon
