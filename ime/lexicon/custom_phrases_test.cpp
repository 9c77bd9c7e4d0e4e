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
#include "ime/lexicon/remove_same_candidate.h"
#include "ime/lexicon/word_record.h"
#include "ime/platform/file_system.h"
#include "tests/support/test_folder.h"

namespace kellavor::lexicon {
namespace {

// Saturday, 1 February 2014, 13:07:09.
platform::LocalTime FixedTime() {
  platform::LocalTime time;
  time.year = 2014;
  time.month = 2;
  time.day = 1;
  time.dayOfWeek = 6;
  time.hour = 13;
  time.minute = 7;
  time.second = 9;
  return time;
}

class CustomPhrasesTest : public testing::Test {
 protected:
  CustomPhrasesTest() : folder_("custom_phrases"), phrases_(FixedTime) {}

  std::u16string WriteIni(const std::string& content) {
    const std::u16string path = folder_.Path(u"custom.ini");
    EXPECT_TRUE(platform::WriteWholeFile(path, content.data(), content.size()));
    return path;
  }

  void Load(const std::string& content) { phrases_.InitCustomPhrases(WriteIni(content), true); }

  // A German dictionary word laid out as the word file stores it, as a Ph candidate.
  Candidate Word(std::u16string_view text) {
    std::vector<uint8_t>& record = records_.emplace_back(WordRecord::kWordOffset + (text.size() + 1) * 2, 0);
    std::memcpy(record.data() + WordRecord::kWordOffset, text.data(), text.size() * 2);
    return MakeCandidate(candidate_kind::kPh, 0, static_cast<uint8_t>(text.size()), record.data());
  }

  Candidate Character(char16_t unit) {
    std::vector<uint8_t>& record = records_.emplace_back(sizeof(CharRecord), 0);
    std::memcpy(record.data(), &unit, 2);
    return MakeCandidate(candidate_kind::kSi, 1, 1, record.data());
  }

  void Fill(const std::vector<Candidate>& list) {
    candidates_.Init(sizeof(Candidate), 10000);
    for (const Candidate& candidate : list) candidates_.InsertAt(&candidate, 1, candidates_.count());
  }

  void FillWords(const std::vector<std::u16string>& words) {
    std::vector<Candidate> list;
    for (const std::u16string& word : words) list.push_back(Word(word));
    Fill(list);
  }

  std::vector<std::u16string> Shown() const {
    std::vector<std::u16string> texts;
    for (int32_t i = 0; i < candidates_.count(); ++i) {
      char16_t scratch[2];
      texts.emplace_back(CandidateTextView(candidates_.At<Candidate>(i), scratch));
    }
    return texts;
  }

  uint16_t KindAt(int32_t i) const { return candidates_.At<Candidate>(i).kind; }

  TestFolder folder_;
  CustomPhrases phrases_;
  core::GrowArray candidates_{sizeof(Candidate), 10000};
  std::list<std::vector<uint8_t>> records_;  // a list, so records keep their addresses
};

using Texts = std::vector<std::u16string>;

TEST_F(CustomPhrasesTest, LoadsOnlyWithTheSettingAndAReadableFile) {
  const std::u16string path = WriteIni("mfg=1,Mit freundlichen Grüßen\nvg=1,Viele Grüße\n");
  phrases_.InitCustomPhrases(path, false);
  EXPECT_EQ(phrases_.phrases().count(), 0);
  EXPECT_EQ(phrases_.path(), path);

  phrases_.InitCustomPhrases(folder_.Path(u"missing.ini"), true);
  EXPECT_EQ(phrases_.phrases().count(), 0);
  EXPECT_EQ(phrases_.Search(u"mfg", candidates_), 0);

  phrases_.InitCustomPhrases(path, true);
  EXPECT_EQ(phrases_.phrases().count(), 2);

  // A reload after an edit: the table holds what the file holds now.
  WriteIni("mfg=1,MfG\n");
  phrases_.ClearCustomPhrases();
  EXPECT_EQ(phrases_.phrases().count(), 0);
  phrases_.LoadCustomPhrases(true);
  EXPECT_EQ(phrases_.Search(u"mfg", candidates_), 1);
  EXPECT_EQ(Shown(), Texts{u"MfG"});
  EXPECT_EQ(phrases_.Search(u"vg", candidates_), 1);

  phrases_.DestroyCustomPhrases();
  EXPECT_EQ(phrases_.phrases().count(), 0);
  EXPECT_TRUE(phrases_.path().empty());
}

TEST_F(CustomPhrasesTest, PutsPhrasesOfAnyLetterCaseAtTheirPlaces) {
  Load("Mfg=1,Mit freundlichen Grüßen\nlg=3,Liebe Grüße\nweit=99,ganz hinten\n");
  FillWords({u"Mfgabc", u"Mofa", u"Museum"});
  EXPECT_EQ(phrases_.Search(u"MFG", candidates_), 4);
  EXPECT_EQ(Shown(), (Texts{u"Mit freundlichen Grüßen", u"Mfgabc", u"Mofa", u"Museum"}));
  EXPECT_EQ(KindAt(0), candidate_kind::kSs);
  EXPECT_EQ(candidates_.At<Candidate>(0).extent, 0);
  EXPECT_EQ(candidates_.At<Candidate>(0).consumed, 0);

  FillWords({u"Lage", u"lang"});
  phrases_.Search(u"LG", candidates_);
  EXPECT_EQ(Shown(), (Texts{u"Lage", u"lang", u"Liebe Grüße"}));

  // A place beyond the end of the list is the end.
  FillWords({u"weit", u"weiter"});
  phrases_.Search(u"Weit", candidates_);
  EXPECT_EQ(Shown(), (Texts{u"weit", u"weiter", u"ganz hinten"}));

  FillWords({u"Mfgabc"});
  EXPECT_EQ(phrases_.Search(u"mf", candidates_), 1);
  EXPECT_EQ(phrases_.Search(u"", candidates_), 1);
  EXPECT_EQ(phrases_.Search(nullptr, candidates_), 1);
}

TEST_F(CustomPhrasesTest, MovesTheSameWordFromTheTopOfTheListToThePhrasesPlace) {
  Load("haus=1,Haus\nbaum=2,Baum\n");
  std::vector<std::u16string> words;
  for (int i = 0; i < 25; ++i) words.push_back(u"w" + std::u16string(1, static_cast<char16_t>(u'a' + i)));
  words[19] = u"Haus";
  words[3] = u"Baum";
  words[22] = u"Baum";
  FillWords(words);
  phrases_.Search(u"haus", candidates_);
  Texts expected = words;
  expected.erase(expected.begin() + 19);
  expected.insert(expected.begin(), u"Haus");
  EXPECT_EQ(Shown(), expected);
  EXPECT_EQ(KindAt(0), candidate_kind::kSs);

  // Only the first same word goes, and only within the first twenty.
  FillWords(words);
  phrases_.Search(u"baum", candidates_);
  expected = words;
  expected.erase(expected.begin() + 3);
  expected.insert(expected.begin() + 1, u"Baum");
  EXPECT_EQ(Shown(), expected);
  EXPECT_EQ(KindAt(1), candidate_kind::kSs);
  EXPECT_EQ(KindAt(22), candidate_kind::kPh);

  words[3] = u"w";
  words[19] = u"w";
  words[20] = u"Haus";
  FillWords(words);
  EXPECT_EQ(phrases_.Search(u"haus", candidates_), 26);
  EXPECT_EQ(KindAt(21), candidate_kind::kPh);
}

TEST_F(CustomPhrasesTest, SameTextCandidatesOfEveryKindAreRemoved) {
  const char16_t sentence[] = u"ab";
  Fill({Word(u"x"), Character(u'中'), MakeCandidate(candidate_kind::kSt, 0, 2, sentence)});
  EXPECT_TRUE(RemoveSameCandidate(candidates_, u"中"));
  EXPECT_TRUE(RemoveSameCandidate(candidates_, u"ab"));
  EXPECT_FALSE(RemoveSameCandidate(candidates_, u"y"));
  EXPECT_FALSE(RemoveSameCandidate(candidates_, u""));
  EXPECT_EQ(Shown(), Texts{u"x"});
}

TEST_F(CustomPhrasesTest, SeveralEntriesOfOneKeyEachTakeTheirPlace) {
  Load("gr=1,Grüße\nxx=1,other\ngr=1,Grüezi\nGR=3,gr\n");
  FillWords({u"grau", u"groß", u"grün", u"gr"});
  EXPECT_EQ(phrases_.Search(u"gr", candidates_), 6);
  const Texts texts = Shown();
  // Entries of equal keys come in no defined order, so equal places may come out either way.
  EXPECT_TRUE((texts[0] == u"Grüße" && texts[1] == u"Grüezi") || (texts[0] == u"Grüezi" && texts[1] == u"Grüße"));
  ASSERT_EQ(std::count(texts.begin(), texts.end(), u"gr"), 1);
  EXPECT_EQ(KindAt(static_cast<int32_t>(std::find(texts.begin(), texts.end(), u"gr") - texts.begin())),
            candidate_kind::kSs);
}

TEST_F(CustomPhrasesTest, ExpandsTemplatesWithTheClockOfTheSearch) {
  Load("datum=1,@day.@month.@year @halfhour@ampm\n"
       "datum=2,@year_cn年@month_cn月@day_cn日 星期@weekday_cn @ampm_cn@halfhour_cn点@minute_cn分\n"
       "mail=1,info@example.org\n"
       "adr=1,Hauptstr. 1\\nBerlin\n");
  FillWords({u"Datum"});
  EXPECT_EQ(phrases_.Search(u"datum", candidates_), 3);
  const Texts texts = Shown();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), u"1.2.2014 01PM"), 1);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), u"二○一四年二月一日 星期六 下午零一点零七分"), 1);

  // An "@" that starts no template is copied unchanged, and takes no candidate away.
  FillWords({u"info@example.org"});
  EXPECT_EQ(phrases_.Search(u"mail", candidates_), 2);
  EXPECT_EQ(Shown(), (Texts{u"info@example.org", u"info@example.org"}));
  EXPECT_EQ(KindAt(0), candidate_kind::kSs);
  EXPECT_EQ(KindAt(1), candidate_kind::kPh);

  FillWords({});
  phrases_.Search(u"adr", candidates_);
  EXPECT_EQ(Shown(), Texts{u"Hauptstr. 1\nBerlin"});
}

TEST_F(CustomPhrasesTest, CandidatesKeepTheirTextWhileTheTableGrows) {
  std::string file = "a=1,first\n";
  for (int i = 0; i < 300; ++i) file += "k" + std::to_string(i) + "=1,t\n";
  Load(file);
  FillWords({});
  phrases_.Search(u"A", candidates_);
  const char16_t* text = static_cast<const char16_t*>(candidates_.At<Candidate>(0).entry);
  // Loading again without clearing appends a second copy of every line and sorts the table anew.
  phrases_.LoadCustomPhrases(true);
  EXPECT_EQ(phrases_.phrases().count(), 602);
  EXPECT_EQ(std::u16string(text), u"first");
}

TEST_F(CustomPhrasesTest, BadFilesNeverBreakTheTable) {
  std::string garbage;
  uint32_t state = 99;
  for (int i = 0; i < 100000; ++i) {
    state = state * 1103515245u + 12345u;
    garbage.push_back(static_cast<char>(state >> 24));
  }
  Load("\xEF\xBB\xBFok=1,fine\r\n" + garbage + "\nbad=1,\xC0\xAF\n" + std::string(5000, 'q') + "=1,x\n");
  EXPECT_EQ(phrases_.Search(u"ok", candidates_), 1);
  EXPECT_EQ(Shown(), Texts{u"fine"});
  FillWords({});
  phrases_.Search(u"bad", candidates_);
  EXPECT_EQ(Shown(), Texts{u"\uFFFD\uFFFD"});
  FillWords({});
  EXPECT_EQ(phrases_.Search(std::u16string(5000, u'q').c_str(), candidates_), 0);
  EXPECT_EQ(phrases_.Search(std::u16string(kMaxCustomLineUnits, u'q').c_str(), candidates_), 0);

  // A list of records of another size is left alone.
  core::GrowArray wrong(8, 10);
  EXPECT_EQ(phrases_.Search(u"ok", wrong), 0);

  // Beyond the size limit the file is not read.
  Load("ok=1,fine\n" + std::string(kMaxCustomIniBytes, ';'));
  EXPECT_EQ(phrases_.phrases().count(), 0);
}

}  // namespace
}  // namespace kellavor::lexicon
