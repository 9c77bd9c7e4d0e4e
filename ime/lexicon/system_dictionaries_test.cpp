#include "ime/lexicon/system_dictionaries.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "ime/lexicon/german_key.h"
#include "ime/platform/module_resources.h"
#include "tests/support/fixture_dictionaries.h"

namespace kellavor::lexicon {
namespace {

// Each test maps under names of its own, so that no view of another test is shared.
SystemMappingNames NamesFor(const std::u16string& test) {
  return {u"KellavorTest_Si_" + test, u"KellavorTest_Ph_" + test, u"KellavorTest_De_" + test};
}

class FixtureDictionaries : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(FixtureDictionaryFolder().empty()) << "KELLAVOR_FIXTURE_DICTIONARIES is not set";
    UseFixtureResources();
    dictionaries_.MapSystemFiles(FixtureDictionaryPath(u"data_si.bin"), FixtureDictionaryPath(u"data_ph.bin"),
                                 FixtureDictionaryPath(u"data_de.bin"));
  }

  char16_t SyllableInitial(uint16_t number) const {
    const std::u16string_view text = dictionaries_.SyllableText(number);
    return text.empty() ? u'\0' : text.front();
  }

  // The phrases whose first two syllables start with these letters: an equal range of the
  // initials index, as the phrase search takes it.
  std::set<std::u16string> PhrasesWithInitials(char16_t first, char16_t second) {
    std::set<std::u16string> texts;
    const IndexView index = dictionaries_.PhraseInitialsIndex();
    for (uint32_t k = 0; k < index.size(); ++k) {
      const PhraseRecord phrase = dictionaries_.PhraseRecordAt(index[k]);
      if (dictionaries_.SyllableText(phrase.syllable(0)).front() == first &&
          dictionaries_.SyllableText(phrase.syllable(1)).front() == second) {
        texts.insert(std::u16string(phrase.text()));
      }
    }
    return texts;
  }

  // The record whose key is the folded word, by binary search of the key index.
  WordRecord FindWord(std::u16string_view word) const {
    const std::u16string key = FoldGermanKey(word);
    const IndexView index = dictionaries_.WordKeyIndex();
    uint32_t low = 0;
    uint32_t high = index.size();
    while (low < high) {
      const uint32_t middle = (low + high) / 2;
      if (dictionaries_.WordRecordAt(index[middle]).key() < key) {
        low = middle + 1;
      } else {
        high = middle;
      }
    }
    for (; low < index.size() && dictionaries_.WordRecordAt(index[low]).key() == key; ++low) {
      if (dictionaries_.WordRecordAt(index[low]).word() == word) return dictionaries_.WordRecordAt(index[low]);
    }
    return {};
  }

  SystemDictionaries dictionaries_{NamesFor(u"Fixture")};
};

TEST_F(FixtureDictionaries, MapsAllThreeWithTheSyllableTableOfTheModule) {
  EXPECT_TRUE(dictionaries_.IsPresent(SystemFile::kChars)) << dictionaries_.Fault(SystemFile::kChars);
  EXPECT_TRUE(dictionaries_.IsPresent(SystemFile::kPhrases)) << dictionaries_.Fault(SystemFile::kPhrases);
  EXPECT_TRUE(dictionaries_.IsPresent(SystemFile::kWords)) << dictionaries_.Fault(SystemFile::kWords);
  EXPECT_EQ(dictionaries_.Fault(SystemFile::kChars), "");
  EXPECT_EQ(dictionaries_.CharRecordCount(), 38u);
  EXPECT_EQ(dictionaries_.CharIndex().size(), 38u);
  EXPECT_EQ(dictionaries_.PhraseRecordCount(), 18u);
  EXPECT_EQ(dictionaries_.PhraseInitialsIndex().size(), 18u);
  EXPECT_EQ(dictionaries_.WordIndexCount(), 26u);
  EXPECT_EQ(dictionaries_.WordKeyIndex().size(), 26u);
  ASSERT_EQ(dictionaries_.SyllableCount(), 445u);
  EXPECT_EQ(dictionaries_.SyllableText(416), u"zh");
  EXPECT_EQ(dictionaries_.SyllableText(kNoSyllable), u"");
}

TEST_F(FixtureDictionaries, CharacterRecordsAndTheirIndexByFirstLetter) {
  std::set<std::u16string> x;
  std::u16string lastWithReading;
  const IndexView index = dictionaries_.CharIndex();
  for (uint32_t k = 0; k < index.size(); ++k) {
    const CharRecord* record = dictionaries_.CharRecordAt(index[k]);
    ASSERT_NE(record, nullptr);
    if (SyllableInitial(record->syllable()) == u'x') x.insert(std::u16string(1, static_cast<char16_t>(record->character())));
  }
  EXPECT_EQ(x, (std::set<std::u16string>{u"西", u"先", u"现", u"鲜", u"仙", u"谢", u"行"}));
  const CharRecord* last = dictionaries_.CharRecordAt(index[index.size() - 1]);
  EXPECT_EQ(last->character(), u'々');
  EXPECT_EQ(last->syllable(), kNoSyllable) << "a record without a reading comes last";
  EXPECT_EQ(dictionaries_.CharRecordAt(38), nullptr);

  int readings = 0;
  bool supplementary = false;
  for (uint32_t i = 0; i < dictionaries_.CharRecordCount(); ++i) {
    const CharRecord* record = dictionaries_.CharRecordAt(i);
    if (record->character() == u'行') {
      ++readings;
      EXPECT_TRUE(dictionaries_.SyllableText(record->syllable()) == u"xing" || dictionaries_.SyllableText(record->syllable()) == u"hang");
    }
    if (record->character() == StoredCharacter(0x20000)) {
      supplementary = true;
      EXPECT_EQ(record->character(), 0xDC00D840u) << "first unit low, second unit high";
      EXPECT_EQ(dictionaries_.SyllableText(record->syllable()), u"he");
    }
    if (record->character() == u'中') {
      EXPECT_EQ(record->frequency(), 9000);
      EXPECT_EQ(record->charClass(), 15);
    }
  }
  EXPECT_EQ(readings, 2);
  EXPECT_TRUE(supplementary);
}

TEST_F(FixtureDictionaries, CharClassFindsAnyReadingAndOnlySingleUnits) {
  EXPECT_EQ(dictionaries_.CharClass(u'中'), 15);
  EXPECT_EQ(dictionaries_.CharClass(u'行'), 15);
  EXPECT_EQ(dictionaries_.CharClass(u'仙'), 14);
  EXPECT_EQ(dictionaries_.CharClass(u'彧'), 14);
  EXPECT_EQ(dictionaries_.CharClass(u'㐀'), 8);
  EXPECT_EQ(dictionaries_.CharClass(u'々'), 8);
  EXPECT_EQ(dictionaries_.CharClass(0xD840), 0) << "a character stored as a surrogate pair is not found by a unit";
  EXPECT_EQ(dictionaries_.CharClass(u'A'), 0);
  EXPECT_EQ(dictionaries_.CharClass(u'龘'), 0);
}

TEST_F(FixtureDictionaries, PhrasesByWalkPositionAndByInitials) {
  PhraseRecord zhongguo;
  for (uint32_t n = 0; n < dictionaries_.PhraseRecordCount(); ++n) {
    if (dictionaries_.PhraseRecordAt(n).text() == u"中国") zhongguo = dictionaries_.PhraseRecordAt(n);
  }
  ASSERT_TRUE(zhongguo);
  EXPECT_EQ(zhongguo.text().data()[2], u'\0') << "the text is zero-terminated in place";
  EXPECT_EQ(zhongguo.textLength(), 2u);
  EXPECT_EQ(zhongguo.frequency(), 9000u);
  EXPECT_EQ(zhongguo.charClass(), 15);
  ASSERT_EQ(zhongguo.syllableCount(), 2);
  EXPECT_EQ(dictionaries_.SyllableText(zhongguo.syllable(0)), u"zhong");
  EXPECT_EQ(dictionaries_.SyllableText(zhongguo.syllable(1)), u"guo");
  EXPECT_FALSE(dictionaries_.PhraseRecordAt(18));

  EXPECT_EQ(PhrasesWithInitials(u'x', u'a'), (std::set<std::u16string>{u"西安"}));
  EXPECT_EQ(PhrasesWithInitials(u'f', u'a'), (std::set<std::u16string>{u"方案"}));
  EXPECT_EQ(PhrasesWithInitials(u'f', u'g'), (std::set<std::u16string>{u"反感"}));
  EXPECT_EQ(PhrasesWithInitials(u'z', u'g'), (std::set<std::u16string>{u"中国", u"中国人", u"中国人民"}));
  EXPECT_EQ(PhrasesWithInitials(u't', u'a'), (std::set<std::u16string>{u"天安门"}));
  EXPECT_EQ(PhrasesWithInitials(u'n', u'h'), (std::set<std::u16string>{u"你好"}));
  EXPECT_EQ(PhrasesWithInitials(u'x', u'z'), (std::set<std::u16string>{u"现在"}));

  // The index entries are in order of those letter pairs.
  const IndexView index = dictionaries_.PhraseInitialsIndex();
  for (uint32_t k = 1; k < index.size(); ++k) {
    const PhraseRecord a = dictionaries_.PhraseRecordAt(index[k - 1]);
    const PhraseRecord b = dictionaries_.PhraseRecordAt(index[k]);
    EXPECT_LE(std::make_pair(SyllableInitial(a.syllable(0)), SyllableInitial(a.syllable(1))),
              std::make_pair(SyllableInitial(b.syllable(0)), SyllableInitial(b.syllable(1))));
  }
}

TEST_F(FixtureDictionaries, ReleasedPhraseTableIsRebuiltOnTheNextLookup) {
  const PhraseRecord before = dictionaries_.PhraseRecordAt(5);
  dictionaries_.ReleasePhraseTable();
  EXPECT_EQ(dictionaries_.PhraseRecordCount(), 18u);
  EXPECT_EQ(dictionaries_.PhraseRecordAt(5).bytes(), before.bytes());
  dictionaries_.ReleasePhraseTable();
  EXPECT_EQ(PhrasesWithInitials(u'z', u'g').size(), 3u);
}

TEST_F(FixtureDictionaries, GermanWordsByKey) {
  const WordRecord madchen = FindWord(u"Mädchen");
  ASSERT_TRUE(madchen);
  EXPECT_EQ(madchen.key(), u"madchen");
  EXPECT_EQ(madchen.hint(), u"女孩\\n姑娘") << "alternatives are joined by backslash and n";
  EXPECT_EQ(madchen.wordLength(), 7u);
  EXPECT_EQ(madchen.frequency(), 500u);

  EXPECT_EQ(FindWord(u"Straße").key(), u"strasse");
  EXPECT_EQ(FindWord(u"Ärger").key(), u"Ärger");
  EXPECT_EQ(FindWord(u"Œuvre").key(), u"uvre");
  EXPECT_EQ(FindWord(u"und").hint(), u"");
  EXPECT_FALSE(FindWord(u"Haut"));

  const IndexView index = dictionaries_.WordKeyIndex();
  for (uint32_t k = 1; k < index.size(); ++k) {
    EXPECT_LE(dictionaries_.WordRecordAt(index[k - 1]).key(), dictionaries_.WordRecordAt(index[k]).key());
  }
  EXPECT_FALSE(dictionaries_.WordRecordAt(index[0] + 1)) << "an odd offset holds no record";
  EXPECT_FALSE(dictionaries_.WordRecordAt(0xFFFFFFF0u));
}

TEST_F(FixtureDictionaries, ModuleCarriesTheConversionTableAndTheDetailTemplate) {
  const std::span<const uint8_t> conversion = platform::FindModuleResource(u"Gbtobig5", 161);
  ASSERT_EQ(conversion.size(), 9u * 4);
  EXPECT_EQ(LoadU16(conversion.data()), u'们');
  EXPECT_EQ(LoadU16(conversion.data() + 2), u'們');
  const std::span<const uint8_t> detail = platform::FindModuleResource(platform::kHtmlResourceType, 168);
  EXPECT_EQ(std::string(detail.begin(), detail.end()), "<cfg><word>@word</word><sentence>@sent</sentence></cfg>");
  EXPECT_TRUE(platform::FindModuleResource(u"Pylist", 164).empty());
}

TEST(SystemDictionaries, MissingFilesLeaveEveryDictionaryAbsent) {
  UseFixtureResources();
  SystemDictionaries dictionaries(NamesFor(u"Missing"));
  EXPECT_FALSE(dictionaries.IsPresent(SystemFile::kChars));
  const std::u16string missing = FixtureDictionaryPath(u"missing.bin");
  dictionaries.MapSystemFiles(missing, missing, missing);
  for (SystemFile file : {SystemFile::kChars, SystemFile::kPhrases, SystemFile::kWords}) {
    EXPECT_FALSE(dictionaries.IsPresent(file));
    EXPECT_NE(dictionaries.Fault(file), "");
  }
  EXPECT_EQ(dictionaries.CharRecordCount(), 0u);
  EXPECT_TRUE(dictionaries.CharIndex().empty());
  EXPECT_EQ(dictionaries.CharRecordAt(0), nullptr);
  EXPECT_EQ(dictionaries.CharClass(u'中'), 0);
  EXPECT_EQ(dictionaries.PhraseRecordCount(), 0u);
  EXPECT_FALSE(dictionaries.PhraseRecordAt(0));
  EXPECT_TRUE(dictionaries.PhraseInitialsIndex().empty());
  EXPECT_EQ(dictionaries.WordIndexCount(), 0u);
  EXPECT_FALSE(dictionaries.WordRecordAt(256));
  EXPECT_EQ(dictionaries.SyllableCount(), 445u) << "the syllable table comes from the module, not the files";
}

}  // namespace
}  // namespace kellavor::lexicon
