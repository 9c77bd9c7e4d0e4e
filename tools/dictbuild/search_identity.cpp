#include "tools/dictbuild/search_identity.h"

#include <memory>

#include "ime/lexicon/candidate_text.h"
#include "ime/lexicon/lexicon.h"
#include "ime/lexicon/record_lists.h"
#include "ime/platform/module_resources.h"
#include "ime/platform/utf.h"

namespace kellavor::dictbuild {
namespace {

constexpr size_t kReportedDifferences = 10;
constexpr int32_t kListCapacity = 10000;

std::unique_ptr<lexicon::Lexicon> LexiconOn(const std::filesystem::path& folder, const std::u16string& name, bool fuzzy,
                                            bool reuse) {
  auto result = std::make_unique<lexicon::Lexicon>(lexicon::SystemMappingNames{
      u"KellavorIdentity_Si_" + name, u"KellavorIdentity_Ph_" + name, u"KellavorIdentity_De_" + name,
      u"KellavorIdentity_Lm_" + name});
  const auto path = [&](std::u16string_view file) { return (folder / std::u16string(file)).u16string(); };
  result->Initialise({path(lexicon::kCharFileName), path(lexicon::kPhraseFileName), path(lexicon::kWordFileName),
                      path(u"mohuyin.Ini"), path(lexicon::kModelFileName)},
                     fuzzy);
  result->SetSearchReuse(reuse);
  return result;
}

// One line per candidate: kind, extent, letters covered, text and syllable numbers.
std::string Describe(const lexicon::Lexicon& lexicon, const lexicon::Candidate& candidate) {
  char16_t scratch[2];
  std::string line = std::to_string(candidate.kind) + " " + std::to_string(candidate.extent) + " " +
                     std::to_string(candidate.consumed) + " " +
                     platform::Utf16ToUtf8(lexicon::CandidateTextView(candidate, scratch));
  for (const uint16_t code : lexicon.SyllableCodes(candidate)) line += " " + std::to_string(code);
  return line;
}

}  // namespace

SearchIdentityReport CompareSearchPaths(const std::filesystem::path& folder, const std::vector<std::u16string>& words,
                                        bool fuzzy, uint8_t mask) {
  // The syllable table is a resource of the install folder.
  platform::SetResourceFolder(folder.u16string() + u"/");
  const std::u16string flavour = fuzzy ? u"f" : u"p";
  const std::unique_ptr<lexicon::Lexicon> kept = LexiconOn(folder, u"kept" + flavour, fuzzy, true);
  const std::unique_ptr<lexicon::Lexicon> fresh = LexiconOn(folder, u"fresh" + flavour, fuzzy, false);
  SearchIdentityReport report;
  base::GrowArray a(sizeof(lexicon::Candidate), kListCapacity);
  base::GrowArray b(sizeof(lexicon::Candidate), kListCapacity);
  for (const std::u16string& word : words) {
    for (size_t typed = 1; typed <= word.size(); ++typed) {
      const std::u16string_view input = std::u16string_view(word).substr(0, typed);
      lexicon::EmptyList(a);
      lexicon::EmptyList(b);
      kept->SearchPinyin(input, a, mask, true);
      fresh->SearchPinyin(input, b, mask, true);
      ++report.searches;
      const auto listA = lexicon::Records<lexicon::Candidate>(a);
      const auto listB = lexicon::Records<lexicon::Candidate>(b);
      bool same = listA.size() == listB.size() && kept->SentenceText() == fresh->SentenceText();
      for (size_t i = 0; same && i < listA.size(); ++i) same = Describe(*kept, listA[i]) == Describe(*fresh, listB[i]);
      report.candidates += listA.size();
      report.different += same ? 0 : 1;
      if (!same && report.differences.size() < kReportedDifferences) {
        report.differences.push_back(platform::Utf16ToUtf8(input) + ": " + std::to_string(listA.size()) + " against " +
                                     std::to_string(listB.size()) + " candidates");
      }
    }
  }
  return report;
}

}  // namespace kellavor::dictbuild
