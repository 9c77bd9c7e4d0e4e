// The side-by-side check of the kept and the fresh search paths on the fixture dictionaries with a
// language model, so that the sentence lattice and its path search take part: every prefix of
// sentences and of random letter runs typed letter by letter, one word after the other (so that the
// input also goes back to a shorter text), with and without fuzzy pairs, at two character sets.
#include "tools/dictbuild/search_identity.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "ime/lexicon/lexicon.h"
#include "ime/lexicon/record_lists.h"
#include "ime/platform/module_resources.h"
#include "tests/support/test_folder.h"
#include "tools/dictbuild/dictionary_writer.h"
#include "tools/dictbuild/fixture_source.h"

namespace kellavor::dictbuild {
namespace {

std::vector<std::u16string> Words() {
  std::vector<std::u16string> words = {u"zhongguorenminxianzaihenhao", u"womenxianzaiqutiananmen",
                                       u"xianhuafanganyinhanghangzhang", u"nihaowomenshizhongguoren",
                                       u"xiexienvrenlvren", u"zgrmxzwm", u"xianxianxianxian", u"fanganfanganfangan"};
  std::mt19937 random(23);
  const std::u16string letters = u"zhongaiuxmnfrwtyvle";
  for (int k = 0; k < 200; ++k) {
    std::u16string word(1 + random() % 30, u'a');
    for (char16_t& c : word) c = letters[random() % letters.size()];
    words.push_back(word);
  }
  return words;
}

TEST(SearchIdentity, KeptAndFreshPathsGiveTheSameListsAndSentences) {
  const char* sources = std::getenv("KELLAVOR_FIXTURE_SOURCES");
  ASSERT_NE(sources, nullptr) << "KELLAVOR_FIXTURE_SOURCES must name tests/fixtures/dictionary";
  DictionarySource source = ReadFixtureSource(sources);
  for (const char16_t* clause : {u"中国人民现在很好", u"我们现在去天安门", u"你好我们是中国人", u"鲜花方案银行行长",
                                 u"谢谢女人", u"西安人民", u"现在我们", u"反感方案", u"汉语你好"}) {
    source.corpus.emplace_back(clause);
  }
  const TestFolder folder("search_identity");
  std::ostringstream log;
  WriteDictionaryFolder(BuildDictionaryImages(source, log), folder.Native(), {}, log);
  std::ofstream(folder.Native() / "mohuyin.Ini") << "[Fuzzy]\n1=z,zh\n2=n,l\n3=an,ang\n4=f,h\n5=in,ing\n";

  // The model is there: long inputs get a sentence.
  platform::SetResourceFolder(folder.Folder());
  lexicon::Lexicon probe({u"IdentityProbeSi", u"IdentityProbePh", u"IdentityProbeDe", u"IdentityProbeLm"});
  probe.Initialise({folder.Path(u"data_si.bin"), folder.Path(u"data_ph.bin"), folder.Path(u"data_de.bin"), {},
                    folder.Path(u"data_lm.bin")},
                   false);
  base::GrowArray list(sizeof(lexicon::Candidate), 1000);
  probe.SearchPinyin(u"womenxianzaiqutiananmen", list, 2, true);
  ASSERT_EQ(probe.ModelFault(), "");
  ASSERT_FALSE(probe.SentenceText().empty());

  const std::vector<std::u16string> words = Words();
  for (const bool fuzzy : {false, true}) {
    for (const uint8_t mask : {uint8_t{2}, uint8_t{15}}) {
      const SearchIdentityReport report = CompareSearchPaths(folder.Native(), words, fuzzy, mask);
      EXPECT_EQ(report.different, 0u) << (report.differences.empty() ? "" : report.differences[0]);
      EXPECT_GT(report.candidates, report.searches);
    }
  }
}

}  // namespace
}  // namespace kellavor::dictbuild
