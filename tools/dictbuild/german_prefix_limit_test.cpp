// The German search keeps at most 5000 dictionary words of a prefix, the first in key order, and
// ranks only those: a dictionary of 6000 words sharing a prefix, written by the writer.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "ime/lexicon/candidate_text.h"
#include "ime/lexicon/german_search.h"
#include "ime/platform/module_resources.h"
#include "ime/platform/utf.h"
#include "tests/support/test_folder.h"
#include "tools/dictbuild/dictionary_writer.h"

namespace kellavor::dictbuild {
namespace {

std::u16string Numbered(int i) {
  std::string digits = std::to_string(i);
  digits.insert(0, 4 - digits.size(), '0');
  return u"Wort" + platform::AsciiToUtf16(digits);
}

TEST(GermanPrefixLimit, KeepsTheFirst5000InKeyOrderBeforeRanking) {
  DictionarySource source;
  for (int i = 0; i < 6000; ++i) source.words.push_back({Numbered(i), u"", static_cast<uint32_t>(i)});
  TestFolder folder("german_prefix_limit");
  std::ostringstream log;
  WriteDictionaryFolder(BuildDictionaryImages(source, log), folder.Native(), {}, log);

  platform::SetResourceFolder(folder.Folder());
  lexicon::SystemDictionaries dictionaries({u"KellavorTest_LimitSi", u"KellavorTest_LimitPh", u"KellavorTest_LimitDe"});
  dictionaries.MapSystemFiles(folder.Path(u"data_si.bin"), folder.Path(u"data_ph.bin"), folder.Path(u"data_de.bin"));
  ASSERT_EQ(dictionaries.WordIndexCount(), 6000u);

  lexicon::Speller noSpeller;
  base::GrowArray list(sizeof(lexicon::Candidate), 10000);
  EXPECT_EQ(lexicon::SearchGerman({dictionaries, noSpeller, {}}, u"wort", list), lexicon::kGermanPrefixLimit);
  char16_t scratch[2];
  EXPECT_EQ(lexicon::CandidateTextView(list.At<lexicon::Candidate>(0), scratch), Numbered(4999))
      << "the most frequent of the kept words leads; the more frequent ones beyond the limit are not there";
}

}  // namespace
}  // namespace kellavor::dictbuild
