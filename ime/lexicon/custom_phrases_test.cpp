#include "ime/lexicon/custom_phrases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <list>
#include <string>
#include <vector>

#include "ime/lexicon/candidate.h"
#include "ime/lexicon/candidate_text.h"
#include "ime/lexicon/char_record.h"
#include "ime/lexicon/custom_ini.h"
#include "ime/lexicon/word_record.h"
#include "ime/platform/file_system.h"
#include "tests/support/test_folder.h"

namespace kellavor::lexicon {
namespace {

using Texts = std::vector<std::u16string>;

// Saturday, 1 February 2014, 13:07.
platform::LocalTime FixedTime() {
  platform::LocalTime time;
  time.year = 2014;
  time.month = 2;
  time.day = 1;
  time.dayOfWeek = 6;
  time.hour = 13;
  time.minute = 7;
  return time;
}

class CustomPhrasesTest : public testing::Test {
 protected:
  std::u16string WriteIni(const std::string& content) {
    const std::u16string path = folder_.Path(u"custom.ini");
    EXPECT_TRUE(platform::WriteWholeFile(path, content.data(), content.size()));
    return path;
  }
  void Load(const std::string& content) { phrases_.InitCustomPhrases(WriteIni(content), true); }

  // The list as a search leaves it: German dictionary words (Ph), or a character (Si) for a
  // one-unit text, each laid out as its dictionary stores it.
  void Fill(const Texts& texts) {
    candidates_.Init(sizeof(Candidate), 10000);
    for (const std::u16string& text : texts) {
      const bool character = text.size() == 1;
      const size_t offset = character ? 0 : WordRecord::kWordOffset;
      std::vector<uint8_t>& record = records_.emplace_back(std::max(offset + (text.size() + 1) * 2, sizeof(CharRecord)), 0);
      std::memcpy(record.data() + offset, text.data(), text.size() * 2);
      const Candidate candidate =
          MakeCandidate(character ? candidate_kind::kSi : candidate_kind::kPh, 0, 0, record.data());
      candidates_.InsertAt(&candidate, 1, candidates_.count());
    }
  }

  Texts Shown() const {
    Texts texts;
    for (int32_t i = 0; i < candidates_.count(); ++i) {
      char16_t scratch[2];
      texts.emplace_back(CandidateTextView(candidates_.At<Candidate>(i), scratch));
    }
    return texts;
  }
  // Which places hold custom phrases, as a string of S (custom) and - (other).
  std::string Kinds() const {
    std::string kinds;
    for (int32_t i = 0; i < candidates_.count(); ++i) {
      kinds += candidates_.At<Candidate>(i).kind == candidate_kind::kSs ? 'S' : '-';
    }
    return kinds;
  }

  TestFolder folder_{"custom_phrases"};
  CustomPhrases phrases_{FixedTime};
  base::GrowArray candidates_{sizeof(Candidate), 10000};
  std::list<std::vector<uint8_t>> records_;  // a list, so records keep their addresses
};

TEST_F(CustomPhrasesTest, LoadsOnlyWithTheSettingAndAReadableFile) {
  const std::u16string path = WriteIni("mfg=1,Mit freundlichen Grüßen\nvg=1,Viele Grüße\n");
  phrases_.InitCustomPhrases(path, false);
  EXPECT_EQ(phrases_.phrases().count(), 0);
  phrases_.InitCustomPhrases(folder_.Path(u"missing.ini"), true);
  EXPECT_EQ(phrases_.Search(u"mfg", candidates_), 0);
  phrases_.InitCustomPhrases(path, true);
  EXPECT_EQ(phrases_.phrases().count(), 2);

  // A reload takes up what the file holds now.
  WriteIni("mfg=1,MfG\n");
  phrases_.ClearCustomPhrases();
  phrases_.LoadCustomPhrases(true);
  EXPECT_EQ(phrases_.Search(u"mfg", candidates_), 1);
  EXPECT_EQ(phrases_.Search(u"vg", candidates_), 1);
  EXPECT_EQ(Shown(), Texts{u"MfG"});

  // Beyond the size limit the file is not read at all.
  Load("ok=1,fine\n" + std::string(kMaxCustomIniBytes, ';'));
  EXPECT_EQ(phrases_.phrases().count(), 0);

  phrases_.DestroyCustomPhrases();
  EXPECT_TRUE(phrases_.path().empty());
}

TEST_F(CustomPhrasesTest, PhrasesOfAnyLetterCaseTakeTheirPlaces) {
  Load("Mfg=1,Mit freundlichen Grüßen\nlg=3,Liebe Grüße\nweit=99,ganz hinten\n");
  Fill({u"Mfgabc", u"Mofa"});
  EXPECT_EQ(phrases_.Search(u"MFG", candidates_), 3);
  EXPECT_EQ(Shown(), (Texts{u"Mit freundlichen Grüßen", u"Mfgabc", u"Mofa"}));
  EXPECT_EQ(Kinds(), "S--");
  EXPECT_EQ(candidates_.At<Candidate>(0).extent + candidates_.At<Candidate>(0).consumed, 0);

  Fill({u"Lage", u"lang", u"Lauf"});
  phrases_.Search(u"LG", candidates_);
  EXPECT_EQ(Shown(), (Texts{u"Lage", u"lang", u"Liebe Grüße", u"Lauf"}));
  // A place beyond the end of the list is its end.
  Fill({u"weit"});
  phrases_.Search(u"Weit", candidates_);
  EXPECT_EQ(Shown(), (Texts{u"weit", u"ganz hinten"}));

  EXPECT_EQ(phrases_.Search(u"wei", candidates_), 2);
  EXPECT_EQ(phrases_.Search(nullptr, candidates_), 2);
  base::GrowArray otherRecords(8, 10);
  EXPECT_EQ(phrases_.Search(u"weit", otherRecords), 0);
}

TEST_F(CustomPhrasesTest, TheSameWordAmongTheFirstTwentyMovesToThePhrasesPlace) {
  Load("haus=1,Haus\nbaum=2,Baum\nzhong=1,中\n");
  Texts words(25, u"wort");
  words[19] = u"Haus";
  words[3] = words[22] = u"Baum";
  Fill(words);
  phrases_.Search(u"haus", candidates_);
  Texts expected = words;
  expected.erase(expected.begin() + 19);
  expected.insert(expected.begin(), u"Haus");
  EXPECT_EQ(Shown(), expected);
  EXPECT_EQ(Kinds(), "S" + std::string(24, '-'));

  // Only the first same word goes.
  Fill(words);
  phrases_.Search(u"baum", candidates_);
  expected = words;
  expected.erase(expected.begin() + 3);
  expected.insert(expected.begin() + 1, u"Baum");
  EXPECT_EQ(Shown(), expected);
  EXPECT_EQ(Kinds(), "-S" + std::string(23, '-'));

  words[19] = u"wort";
  words[20] = u"Haus";
  Fill(words);
  EXPECT_EQ(phrases_.Search(u"haus", candidates_), 26);

  Fill({u"中", u"国"});
  phrases_.Search(u"zhong", candidates_);
  EXPECT_EQ(Shown(), (Texts{u"中", u"国"}));
  EXPECT_EQ(Kinds(), "S-");
}

TEST_F(CustomPhrasesTest, SeveralEntriesOfOneKey) {
  Load("gr=1,Grüße\nxx=1,other\ngr=1,Grüezi\nGR=3,gr\n");
  Fill({u"grau", u"groß", u"grün", u"gr"});
  EXPECT_EQ(phrases_.Search(u"gr", candidates_), 6);
  const Texts texts = Shown();
  // Entries of equal keys come in no defined order, so equal places may come out either way.
  EXPECT_TRUE((texts[0] == u"Grüße" && texts[1] == u"Grüezi") || (texts[0] == u"Grüezi" && texts[1] == u"Grüße"));
  EXPECT_EQ(std::count(texts.begin(), texts.end(), u"gr"), 1);
  const std::string kinds = Kinds();
  EXPECT_EQ(std::count(kinds.begin(), kinds.end(), 'S'), 3);
}

TEST_F(CustomPhrasesTest, TemplatesLineFeedsAndPlainAtSigns) {
  Load("datum=1,@day.@month.@year @halfhour@ampm\n"
       "rq=1,@year_cn年@month_cn月@day_cn日 星期@weekday_cn @ampm_cn@halfhour_cn点@minute_cn分\n"
       "mail=1,info@example.org\n"
       "adr=1,Hauptstr. 1\\nBerlin\n");
  Fill({u"Datum"});
  phrases_.Search(u"datum", candidates_);
  EXPECT_EQ(Shown(), (Texts{u"1.2.2014 01PM", u"Datum"}));
  Fill({});
  phrases_.Search(u"rq", candidates_);
  EXPECT_EQ(Shown(), Texts{u"二○一四年二月一日 星期六 下午零一点零七分"});

  // An "@" that starts no template leaves the text as it is, and takes no candidate away.
  Fill({u"info@example.org"});
  phrases_.Search(u"mail", candidates_);
  EXPECT_EQ(Shown(), (Texts{u"info@example.org", u"info@example.org"}));
  EXPECT_EQ(Kinds(), "S-");

  Fill({});
  phrases_.Search(u"adr", candidates_);
  EXPECT_EQ(Shown(), Texts{u"Hauptstr. 1\nBerlin"});
}

TEST_F(CustomPhrasesTest, CandidatesKeepTheirTextWhileTheTableGrows) {
  std::string file = "a=1,first\n";
  for (int i = 0; i < 300; ++i) file += "k" + std::to_string(i) + "=1,t\n";
  Load(file + "\xEF\xBB\xBF\r\n" + std::string(5000, 'q') + "=1,x\r\n");
  Fill({});
  phrases_.Search(u"A", candidates_);
  const auto* text = static_cast<const char16_t*>(candidates_.At<Candidate>(0).entry);
  // Loading again without clearing appends every line once more and sorts the table anew.
  phrases_.LoadCustomPhrases(true);
  EXPECT_EQ(phrases_.phrases().count(), 602);
  EXPECT_EQ(std::u16string(text), u"first");
}

}  // namespace
}  // namespace kellavor::lexicon
