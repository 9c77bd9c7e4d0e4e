#include "tools/dictbuild/german_probes.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "ime/base/grow_array.h"
#include "ime/lexicon/candidate.h"
#include "ime/lexicon/candidate_text.h"
#include "ime/lexicon/german_search.h"
#include "ime/lexicon/german_word_lookup.h"
#include "ime/lexicon/word_record.h"
#include "ime/platform/utf.h"

namespace kellavor::dictbuild {
namespace {

constexpr std::string_view kFile = "data_de.bin";

struct SearchProbe {
  std::u16string_view typed;
  std::u16string_view first;
};

// Words typed in full lead (ß and umlauts typed as plain letters); among words of one key the
// frequent one leads.
constexpr SearchProbe kSearchProbes[] = {
    {u"madchen", u"Mädchen"}, {u"strasse", u"Straße"}, {u"heisst", u"heißt"}, {u"fussball", u"Fußball"},
    {u"grun", u"grün"},       {u"uber", u"über"},      {u"fur", u"für"},      {u"kaufen", u"kaufen"},
    {u"gestern", u"gestern"},
};

struct GlossProbe {
  std::u16string_view word;
  std::vector<std::u16string_view> accepted;
};

const std::vector<GlossProbe>& GlossProbes() {
  static const std::vector<GlossProbe> probes = {
      {u"China", {u"中国"}},
      {u"Deutschland", {u"德国"}},
      {u"Kaffee", {u"咖啡"}},
      {u"Straße", {u"街", u"街道", u"马路", u"道路"}},
      {u"Stunde", {u"小时", u"钟头"}},
      {u"Monat", {u"月", u"月份", u"个月"}},
      {u"kaufen", {u"买", u"购买"}},
      {u"Haus", {u"房子", u"房屋", u"家"}},
      {u"Wasser", {u"水"}},
      // A present participle glossed as its verb, and one with a meaning of its own.
      {u"gehend", {u"去", u"走"}},
      {u"bedeutend", {u"重要", u"重大"}},
      // Homonyms through English, corrected in the table.
      {u"Nummer", {u"号码", u"编号"}},
      {u"Doppelpunkt", {u"冒号"}},
  };
  return probes;
}

std::string Utf8(std::u16string_view text) { return platform::Utf16ToUtf8(std::u16string(text)); }

std::u16string_view FirstGloss(std::u16string_view hint) { return hint.substr(0, hint.find(u"\\n")); }

}  // namespace

void CheckGermanProbes(const lexicon::SystemDictionaries& dictionaries, Violations& violations) {
  lexicon::Speller noSpeller;
  const lexicon::GermanSources sources{dictionaries, noSpeller, lexicon::UserBlockView()};
  base::GrowArray list(sizeof(lexicon::Candidate), lexicon::kGermanPrefixLimit);
  for (const SearchProbe& probe : kSearchProbes) {
    if (!lexicon::FindGermanWord(dictionaries, probe.first)) continue;
    list.SetCapacity(0);
    list.SetCapacity(lexicon::kGermanPrefixLimit);
    lexicon::SearchGerman(sources, probe.typed, list);
    char16_t scratch[2];
    const std::u16string_view first =
        list.count() > 0 ? lexicon::CandidateTextView(list.At<lexicon::Candidate>(0), scratch) : std::u16string_view();
    if (first != probe.first) {
      violations.Add(kFile, "a probe word is not listed first",
                     Utf8(probe.typed) + " lists " + Utf8(first) + " before " + Utf8(probe.first));
    }
  }
  for (const GlossProbe& probe : GlossProbes()) {
    const lexicon::WordRecord record = lexicon::FindGermanWord(dictionaries, probe.word);
    if (!record) continue;
    const std::u16string_view gloss = FirstGloss(record.hint());
    if (std::find(probe.accepted.begin(), probe.accepted.end(), gloss) == probe.accepted.end()) {
      violations.Add(kFile, "a probe word has a wrong gloss", Utf8(probe.word) + ": " + Utf8(gloss));
    }
  }
}

void PrintMostFrequentWords(const lexicon::SystemDictionaries& dictionaries, size_t count, std::ostream& out) {
  const lexicon::IndexView index = dictionaries.WordKeyIndex();
  std::vector<lexicon::WordRecord> records;
  records.reserve(index.size());
  for (uint32_t k = 0; k < index.size(); ++k) {
    if (const lexicon::WordRecord record = dictionaries.WordRecordAt(index[k])) records.push_back(record);
  }
  const size_t shown = std::min(count, records.size());
  std::partial_sort(records.begin(), records.begin() + static_cast<std::ptrdiff_t>(shown), records.end(),
                    [](const lexicon::WordRecord& a, const lexicon::WordRecord& b) {
                      return a.frequency() != b.frequency() ? a.frequency() > b.frequency() : a.word() < b.word();
                    });
  for (size_t i = 0; i < shown; ++i) {
    std::u16string hint(records[i].hint());
    for (size_t at = hint.find(u"\\n"); at != std::u16string::npos; at = hint.find(u"\\n", at + 3)) {
      hint.replace(at, 2, u" / ");
    }
    out << i + 1 << '\t' << Utf8(records[i].word()) << '\t' << records[i].frequency() << '\t' << Utf8(hint) << '\n';
  }
}

}  // namespace kellavor::dictbuild
