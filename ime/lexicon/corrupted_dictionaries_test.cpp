// Damaged dictionary files: each fault found when the file is mapped and checked leaves that
// dictionary absent, and no byte pattern makes the readers read outside the file.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "ime/lexicon/char_file.h"
#include "ime/lexicon/german_key.h"
#include "ime/lexicon/phrase_file.h"
#include "ime/lexicon/system_dictionaries.h"
#include "ime/lexicon/word_file.h"
#include "ime/platform/file_system.h"
#include "tests/support/fixture_dictionaries.h"
#include "tests/support/test_folder.h"

namespace kellavor::lexicon {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes ReadFixture(const std::u16string& name) {
  std::optional<Bytes> bytes = platform::ReadWholeFile(FixtureDictionaryPath(name), 1u << 20);
  EXPECT_TRUE(bytes.has_value()) << "KELLAVOR_FIXTURE_DICTIONARIES must name the fixture dictionaries";
  return bytes.value_or(Bytes{});
}

uint32_t Word(const Bytes& file, uint32_t word) { return HeaderWord(file.data(), word); }
void SetWord(Bytes& file, size_t offset, uint32_t value) { std::memcpy(file.data() + offset, &value, 4); }
void SetUnit(Bytes& file, size_t offset, uint16_t value) { std::memcpy(file.data() + offset, &value, 2); }

// Reads every record, index entry and text the dictionaries offer, as the searches would.
uint64_t ReadEverything(SystemDictionaries& dictionaries) {
  uint64_t sum = 0;
  for (uint32_t i = 0; i < dictionaries.CharRecordCount(); ++i) {
    const CharRecord* record = dictionaries.CharRecordAt(i);
    sum += record->character() + record->frequency() + record->charClass() + dictionaries.SyllableText(record->syllable()).size();
  }
  const IndexView charIndex = dictionaries.CharIndex();
  for (uint32_t k = 0; k < charIndex.size(); ++k) sum += dictionaries.CharRecordAt(charIndex[k])->syllable();
  for (char16_t unit : std::u16string_view(u"中国行长々A")) sum += dictionaries.CharClass(unit);
  for (uint32_t n = 0; n < dictionaries.PhraseRecordCount(); ++n) {
    const PhraseRecord phrase = dictionaries.PhraseRecordAt(n);
    for (char16_t unit : phrase.text()) sum += unit;
    for (uint32_t i = 0; i < phrase.syllableCount(); ++i) sum += dictionaries.SyllableText(phrase.syllable(i)).size();
    sum += phrase.frequency() + phrase.charClass();
  }
  const IndexView initials = dictionaries.PhraseInitialsIndex();
  for (uint32_t k = 0; k < initials.size(); ++k) sum += dictionaries.PhraseRecordAt(initials[k]).syllable(1);
  const IndexView keys = dictionaries.WordKeyIndex();
  for (uint32_t k = 0; k < keys.size(); ++k) {
    const WordRecord word = dictionaries.WordRecordAt(keys[k]);
    sum += FoldGermanKey(word.word()).size() + word.hint().size() + word.key().size() + word.frequency() + word.wordLength();
  }
  return sum;
}

// The same reading on an exact-size heap copy, where the address sanitizer sees every byte past the end.
uint64_t ReadEverythingInPlace(const Bytes& chars, const Bytes& phrases, const Bytes& words) {
  uint64_t sum = 0;
  std::string fault;
  if (const std::optional<CharFileLayout> layout = LocateCharFile(chars, fault)) {
    const auto* table = reinterpret_cast<const CharRecord*>(chars.data() + layout->tableOffset);
    const IndexView index(chars.data() + layout->indexOffset, layout->count);
    for (uint32_t k = 0; k < index.size(); ++k) sum += table[index[k]].character() + table[k].flags();
  }
  if (const std::optional<PhraseFileLayout> layout = LocatePhraseFile(phrases, fault)) {
    std::vector<uint32_t> records;
    if (WalkPhraseArea(phrases, *layout, records, fault)) {
      for (const uint32_t offset : records) {
        const PhraseRecord phrase(phrases.data() + offset);
        for (char16_t unit : phrase.text()) sum += unit;
        for (uint32_t i = 0; i < phrase.syllableCount(); ++i) sum += phrase.syllable(i);
      }
    }
  }
  if (const std::optional<WordFileLayout> layout = LocateWordFile(words, fault)) {
    const IndexView index(words.data() + layout->keyIndexOffset, layout->count);
    for (uint32_t k = 0; k < index.size(); ++k) {
      const WordRecord word(words.data() + index[k]);
      sum += word.word().size() + word.hint().size() + word.key().size() + word.frequency();
    }
  }
  return sum;
}

class CorruptedDictionaries : public ::testing::Test {
 protected:
  void SetUp() override {
    UseFixtureResources();
    chars_ = ReadFixture(u"data_si.bin");
    phrases_ = ReadFixture(u"data_ph.bin");
    words_ = ReadFixture(u"data_de.bin");
  }

  // Maps the three files as given and returns the dictionaries, after reading everything in them.
  SystemDictionaries& Map(const Bytes& chars, const Bytes& phrases, const Bytes& words) {
    EXPECT_TRUE(platform::WriteWholeFile(folder_.Path(u"si.bin"), chars.data(), chars.size()));
    EXPECT_TRUE(platform::WriteWholeFile(folder_.Path(u"ph.bin"), phrases.data(), phrases.size()));
    EXPECT_TRUE(platform::WriteWholeFile(folder_.Path(u"de.bin"), words.data(), words.size()));
    dictionaries_.emplace(SystemMappingNames{u"KellavorTest_Si_Broken", u"KellavorTest_Ph_Broken", u"KellavorTest_De_Broken"});
    dictionaries_->MapSystemFiles(folder_.Path(u"si.bin"), folder_.Path(u"ph.bin"), folder_.Path(u"de.bin"));
    ReadEverything(*dictionaries_);
    return *dictionaries_;
  }

  // The fault that made the dictionary absent, or "present".
  std::string Outcome(SystemFile file, const Bytes& bytes) {
    dictionaries_.reset();
    SystemDictionaries& mapped = Map(file == SystemFile::kChars ? bytes : chars_, file == SystemFile::kPhrases ? bytes : phrases_,
                                     file == SystemFile::kWords ? bytes : words_);
    if (!mapped.IsPresent(file)) return mapped.Fault(file);
    return "present";
  }

  TestFolder folder_{"corrupted_dictionaries"};
  std::optional<SystemDictionaries> dictionaries_;
  Bytes chars_;
  Bytes phrases_;
  Bytes words_;
};

::testing::AssertionResult Rejected(const std::string& outcome, const std::string& expected) {
  if (outcome.find(expected) != std::string::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "outcome: " << outcome << "; expected a fault with: " << expected;
}

// The start maps only the character file; the phrase and German files are mapped and checked when
// they are first read, so a file damaged in between is refused then.
TEST_F(CorruptedDictionaries, FilesDamagedAfterTheStartAreCheckedAtTheirFirstUse) {
  ASSERT_TRUE(platform::WriteWholeFile(folder_.Path(u"si.bin"), chars_.data(), chars_.size()));
  ASSERT_TRUE(platform::WriteWholeFile(folder_.Path(u"ph.bin"), phrases_.data(), phrases_.size()));
  ASSERT_TRUE(platform::WriteWholeFile(folder_.Path(u"de.bin"), words_.data(), words_.size()));
  SystemDictionaries& started =
      dictionaries_.emplace(SystemMappingNames{u"KellavorTest_Si_Late", u"KellavorTest_Ph_Late", u"KellavorTest_De_Late"});
  started.MapSystemFiles(folder_.Path(u"si.bin"), folder_.Path(u"ph.bin"), folder_.Path(u"de.bin"));
  ASSERT_TRUE(platform::WriteWholeFile(folder_.Path(u"ph.bin"), phrases_.data(), phrases_.size() / 2));
  ASSERT_TRUE(platform::WriteWholeFile(folder_.Path(u"de.bin"), words_.data(), words_.size() / 2));
  ReadEverything(started);
  EXPECT_TRUE(started.IsPresent(SystemFile::kChars));
  EXPECT_TRUE(Rejected(started.Fault(SystemFile::kPhrases), "past the end"));
  EXPECT_FALSE(started.IsPresent(SystemFile::kWords));
  EXPECT_EQ(started.PhraseRecordAt(0).bytes(), nullptr);
  EXPECT_EQ(started.WordKeyIndex().size(), 0u);
}

TEST_F(CorruptedDictionaries, IntactFilesArePresent) {
  EXPECT_EQ(Outcome(SystemFile::kChars, chars_), "present");
  EXPECT_EQ(Outcome(SystemFile::kPhrases, phrases_), "present");
  EXPECT_EQ(Outcome(SystemFile::kWords, words_), "present");
  Bytes padded = words_;
  padded.resize(padded.size() + 3, 0xEE);
  EXPECT_EQ(Outcome(SystemFile::kWords, padded), "present") << "bytes after the data do no harm";
}

TEST_F(CorruptedDictionaries, CharacterFileWithOffsetsOrEntriesOutsideIsAbsent) {
  const uint32_t count = Word(chars_, header_word::kEntryCount);
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kChars, Bytes(chars_.begin(), chars_.begin() + 100)), "header"));
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kChars, Bytes(chars_.begin(), chars_.end() - 4)), "index"));

  Bytes bytes = chars_;
  SetWord(bytes, 4 * header_word::kCharTable, static_cast<uint32_t>(bytes.size()));
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kChars, bytes), "record table"));
  bytes = chars_;
  SetWord(bytes, 4 * header_word::kCharIndex, 0xFFFFFFF0u);
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kChars, bytes), "index"));
  bytes = chars_;
  SetWord(bytes, 4 * header_word::kEntryCount, 0x40000000u);
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kChars, bytes), "past the end"));
  bytes = chars_;
  SetWord(bytes, Word(chars_, header_word::kCharIndex) + 4 * 7, count);
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kChars, bytes), "entry 7"));
  EXPECT_EQ(dictionaries_->CharRecordCount(), 0u);
  EXPECT_EQ(dictionaries_->CharClass(u'中'), 0);
  EXPECT_EQ(dictionaries_->PhraseRecordCount(), 18u) << "the other dictionaries stay";
}

TEST_F(CorruptedDictionaries, PhraseFileWhoseWalkDisagreesWithTheHeaderIsAbsent) {
  const uint32_t count = Word(phrases_, header_word::kEntryCount);
  const uint32_t area = Word(phrases_, header_word::kPhraseArea);
  Bytes bytes = phrases_;
  SetWord(bytes, 4 * header_word::kEntryCount, count - 1);
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kPhrases, bytes), "more than the"));
  bytes = phrases_;
  SetWord(bytes, 4 * header_word::kEntryCount, count + 1);
  bytes.resize(bytes.size() + 4, 0);  // room for one more index entry
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kPhrases, bytes), "the header says"));
  bytes = phrases_;
  SetWord(bytes, 4 * header_word::kPhraseAreaLength, Word(phrases_, header_word::kPhraseAreaLength) - 2);
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kPhrases, bytes), "past the end of the area"));
  bytes = phrases_;
  SetWord(bytes, 4 * header_word::kPhraseAreaLength, 0xFFFFFF00u);
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kPhrases, bytes), "record area"));
  bytes = phrases_;
  SetWord(bytes, 4 * header_word::kPhraseArea, area + 1);
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kPhrases, bytes), "odd offset"));
  bytes = phrases_;
  SetWord(bytes, Word(phrases_, header_word::kPhraseInitialsIndex), count);
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kPhrases, bytes), "initials index entry 0"));
  EXPECT_FALSE(dictionaries_->PhraseRecordAt(0));
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kPhrases, Bytes(phrases_.begin(), phrases_.end() - 8)), "initials index"));
}

TEST_F(CorruptedDictionaries, PhraseRecordsShorterThanTheirFieldsAreRejected) {
  const uint32_t area = Word(phrases_, header_word::kPhraseArea);
  const uint16_t length = LoadU16(phrases_.data() + area);
  const uint32_t textUnits = PhraseRecord(phrases_.data() + area).textLength();
  Bytes bytes = phrases_;
  SetUnit(bytes, area, 0);
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kPhrases, bytes), "phrase record 0 is shorter than its fields"));
  bytes = phrases_;
  SetUnit(bytes, area, static_cast<uint16_t>(length + 1));
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kPhrases, bytes), "odd length"));
  bytes = phrases_;
  SetUnit(bytes, area + PhraseRecord::kTextOffset + 2 * textUnits, u'x');
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kPhrases, bytes), "no zero unit"));
  bytes = phrases_;
  SetUnit(bytes, area + PhraseRecord::kTextOffset + 2 * textUnits + 2, 1);
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kPhrases, bytes), "fewer than two syllables"));
  bytes = phrases_;
  SetUnit(bytes, area + PhraseRecord::kTextOffset + 2 * textUnits + 2, 40);
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kPhrases, bytes), "shorter than its syllables"));
  bytes = phrases_;
  SetWord(bytes, area + PhraseRecord::kFlagsOffset, PhraseRecord::Flags(127, 15));
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kPhrases, bytes), "shorter than its text"));
}

TEST_F(CorruptedDictionaries, WordFileWithEntriesOutsideOrUnterminatedTextsIsAbsent) {
  const uint32_t index = Word(words_, header_word::kWordKeyIndex);
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kWords, Bytes(words_.begin(), words_.begin() + index)), "key index"));
  Bytes bytes = words_;
  SetWord(bytes, index + 4 * 3, static_cast<uint32_t>(bytes.size()));
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kWords, bytes), "key index entry 3"));
  bytes = words_;
  SetWord(bytes, index, LoadU32(words_.data() + index) + 1);
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kWords, bytes), "key index entry 0"));

  // One record whose key runs to the end of the file without its zero unit.
  Bytes unterminated(4 * 64, 0);
  SetWord(unterminated, 4 * header_word::kEntryCount, 1);
  SetWord(unterminated, 4 * header_word::kWordKeyIndex, 4 * 62);
  SetWord(unterminated, 4 * 62, 4 * 64);
  const std::u16string_view record(u"\0\0\0\0\0Haus\0房子\0hau", 16);  // fields, word, hint, key cut short
  for (char16_t unit : record) unterminated.insert(unterminated.end(), {static_cast<uint8_t>(unit), static_cast<uint8_t>(unit >> 8)});
  EXPECT_TRUE(Rejected(Outcome(SystemFile::kWords, unterminated), "terminated"));
  unterminated.insert(unterminated.end(), {'s', 0, 0, 0});
  EXPECT_EQ(Outcome(SystemFile::kWords, unterminated), "present");
  EXPECT_EQ(dictionaries_->WordRecordAt(4 * 64).key(), u"haus");
}

TEST_F(CorruptedDictionaries, NoMutationMakesTheReadersReadOutsideTheFiles) {
  std::mt19937 random(20261209);
  auto below = [&](size_t limit) { return std::uniform_int_distribution<size_t>(0, limit - 1)(random); };
  auto mutate = [&](Bytes bytes, std::initializer_list<uint32_t> offsetWords) {
    switch (below(4)) {
      case 0:  // a header word pointed somewhere else
        SetWord(bytes, 4 * *(offsetWords.begin() + below(offsetWords.size())), static_cast<uint32_t>(below(bytes.size() + 64)));
        break;
      case 1:  // cut short
        bytes.resize(below(bytes.size()));
        break;
      default:  // a few bytes anywhere
        for (size_t n = 1 + below(8); n > 0 && !bytes.empty(); --n) bytes[below(bytes.size())] = static_cast<uint8_t>(random());
        break;
    }
    return bytes;
  };
  using namespace header_word;
  uint64_t sum = 0;
  for (int round = 0; round < 150; ++round) {
    const Bytes chars = mutate(chars_, {kEntryCount, kCharTable, kCharIndex});
    const Bytes phrases = mutate(phrases_, {kEntryCount, kPhraseArea, kPhraseAreaLength, kPhraseInitialsIndex});
    const Bytes words = mutate(words_, {kEntryCount, kWordKeyIndex});
    sum += ReadEverythingInPlace(chars, phrases, words);
    dictionaries_.reset();
    sum += ReadEverything(Map(chars, phrases, words));
  }
  EXPECT_GT(sum, 0u);
}

}  // namespace
}  // namespace kellavor::lexicon
