#include "tools/dictbuild/german_search_identity.h"

#include "ime/lexicon/candidate_text.h"
#include "ime/lexicon/german_key.h"
#include "ime/lexicon/german_near_keys.h"
#include "ime/lexicon/german_search.h"
#include "ime/lexicon/record_lists.h"
#include "ime/platform/utf.h"

namespace kellavor::dictbuild {
namespace {

constexpr size_t kReportedDifferences = 10;
constexpr int32_t kListCapacity = 10000;

bool SameMatches(const lexicon::NearKeyMatches& a, const lexicon::NearKeyMatches& b) {
  if (a.begins != b.begins || a.words.size() != b.words.size()) return false;
  for (size_t i = 0; i < a.words.size(); ++i) {
    if (a.words[i].first != b.words[i].first || a.words[i].last != b.words[i].last) return false;
  }
  return true;
}

bool SameLists(const base::GrowArray& a, const base::GrowArray& b) {
  const auto listA = lexicon::Records<lexicon::Candidate>(a);
  const auto listB = lexicon::Records<lexicon::Candidate>(b);
  if (listA.size() != listB.size()) return false;
  for (size_t i = 0; i < listA.size(); ++i) {
    char16_t scratchA[2];
    char16_t scratchB[2];
    if (listA[i].kind != listB[i].kind || listA[i].extent != listB[i].extent ||
        lexicon::CandidateTextView(listA[i], scratchA) != lexicon::CandidateTextView(listB[i], scratchB)) {
      return false;
    }
  }
  return true;
}

}  // namespace

GermanIdentityReport CompareGermanSearchPaths(const std::filesystem::path& folder,
                                              const std::vector<std::u16string>& words) {
  lexicon::SystemDictionaries dictionaries;
  dictionaries.MapSystemFiles(u"", u"", (folder / std::u16string(lexicon::kWordFileName)).u16string());
  lexicon::Speller noSpeller;
  lexicon::NearKeys kept;
  const lexicon::GermanSources keeping{dictionaries, noSpeller, lexicon::UserBlockView(), &kept};
  const lexicon::GermanSources afresh{dictionaries, noSpeller, lexicon::UserBlockView()};
  GermanIdentityReport report;
  base::GrowArray a(sizeof(lexicon::Candidate), kListCapacity);
  base::GrowArray b(sizeof(lexicon::Candidate), kListCapacity);
  for (const std::u16string& word : words) {
    for (size_t typed = 1; typed <= word.size(); ++typed) {
      const std::u16string_view input = std::u16string_view(word).substr(0, typed);
      const std::u16string folded = lexicon::FoldGermanKey(input);
      const lexicon::NearKeyMatches near = kept.Find(dictionaries, folded);
      const bool sameMatches = SameMatches(near, lexicon::NearKeys().Find(dictionaries, folded));
      lexicon::EmptyList(a);
      lexicon::EmptyList(b);
      lexicon::SearchGerman(keeping, input, a);
      lexicon::SearchGerman(afresh, input, b);
      ++report.searches;
      report.corrections += near.words.size();
      report.candidates += static_cast<size_t>(a.count());
      const bool same = sameMatches && SameLists(a, b);
      report.different += same ? 0 : 1;
      if (!same && report.differences.size() < kReportedDifferences) {
        report.differences.push_back(platform::Utf16ToUtf8(input) + ": " + std::to_string(a.count()) + " against " +
                                     std::to_string(b.count()) + " candidates" +
                                     (sameMatches ? "" : ", other corrections"));
      }
    }
  }
  return report;
}

}  // namespace kellavor::dictbuild
