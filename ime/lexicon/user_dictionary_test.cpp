#include "ime/lexicon/user_dictionary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ime/lexicon/german_word_lookup.h"
#include "ime/lexicon/user_block_layout.h"
#include "ime/lexicon/user_file.h"
#include "ime/platform/file_system.h"
#include "tests/support/user_dictionary_fixture.h"

namespace kellavor::lexicon {
namespace {

using namespace learn_result;
using namespace user_block;
using platform::SharedBlock;

TEST_F(UserDictionaryTest, AFreshInstallStartsEmptyAndWritesNothingUntilSomethingIsLearned) {
  dictionary_.OpenUserDictionary(Path());
  ASSERT_TRUE(dictionary_.isOpen());
  EXPECT_TRUE(dictionary_.isShared());
  EXPECT_FALSE(dictionary_.readOnly());
  EXPECT_EQ(dictionary_.loadFault(), "");

  const SharedBlock block = Peek();
  ASSERT_TRUE(block.valid());
  EXPECT_GE(block.size(), 342296u);
  const UserLayout layout = LayoutNow();
  EXPECT_EQ(layout.count, 0u);
  EXPECT_EQ(layout.index2Offset, 20128u);
  EXPECT_EQ(layout.recordAreaOffset, 40128u);
  EXPECT_EQ(layout.indexRoom, 20000u);
  EXPECT_EQ(layout.recordRoom, 262144u);
  EXPECT_GE(layout.offsetTableCapacity, kMaxRecords) << "40000 bytes for the offset table, or the page they end in";
  EXPECT_EQ(LoadU32(DictionaryOf(block.data()) + kFormatField), 1u);
  EXPECT_FALSE(IsDirty(block.data()));

  EXPECT_FALSE(dictionary_.SaveUserDictionary());
  EXPECT_FALSE(platform::FileExists(Path()));
}

TEST_F(UserDictionaryTest, ACharacterIsStoredOnceWhateverItsReadingAndCountsEachUse) {
  dictionary_.OpenUserDictionary(Path());
  const CharRecord xing = MakeCharRecord(0x884C, Syllable(u"xing"), 3000, 13);  // 行
  const CharRecord hang = MakeCharRecord(0x884C, Syllable(u"hang"), 2000, 15);
  const Candidate selected = MakeCandidate(candidate_kind::kSi, 1, 4, &xing);

  EXPECT_EQ(dictionary_.LearnCandidate(selected, {}, {}), kLearned);
  UserRecord learned = FindLearned(dictionary_.View(), 0x884C);
  ASSERT_TRUE(learned);
  EXPECT_EQ(learned.length(), 20);
  EXPECT_EQ(learned.flags(), user_flags::kSingleChar | CharFlags(13));
  EXPECT_EQ(learned.charClass(), 13);
  EXPECT_EQ(learned.useCount(), 1u);
  EXPECT_EQ(learned.baseFrequency(), 3000u);
  EXPECT_EQ(learned.syllable(), Syllable(u"xing"));
  EXPECT_TRUE(IsDirty(Peek().data()));

  EXPECT_EQ(dictionary_.LearnCandidate(selected, {}, {}), kAlreadyPresent);
  EXPECT_EQ(dictionary_.AddUserChar(hang), kAlreadyPresent) << "found by its character alone";
  learned = FindLearned(dictionary_.View(), 0x884C);
  EXPECT_EQ(learned.useCount(), 3u);
  EXPECT_EQ(learned.syllable(), Syllable(u"xing")) << "the first reading stays";

  EXPECT_EQ(dictionary_.LearnCandidate(MakeCandidate(candidate_kind::kUs, 1, 4, learned.bytes()), {}, {}), kLearned);
  EXPECT_EQ(FindLearned(dictionary_.View(), 0x884C).useCount(), 4u);
  EXPECT_EQ(dictionary_.LearnCandidate(MakeCandidate(candidate_kind::kUs, 1, 4, &xing), {}, {}), kNotLearnedHere)
      << "a Us entry outside the block is not read";
  EXPECT_EQ(dictionary_.View().RecordCount(), 1u);
  EXPECT_EQ(alarms_, 0);
}

TEST_F(UserDictionaryTest, PhrasesKeepTheirSourceAndSentencesAreMarkedComposed) {
  dictionary_.OpenUserDictionary(Path());
  const PhraseRecord zhongguo = FixturePhrase(u"中国");
  ASSERT_TRUE(zhongguo);
  EXPECT_EQ(dictionary_.LearnCandidate(MakeCandidate(candidate_kind::kPh, 0, 9, zhongguo.bytes()), {}, {}), kLearned);
  UserRecord phrase = FindLearned(dictionary_.View(), u"中国");
  ASSERT_TRUE(phrase);
  EXPECT_EQ(phrase.length(), 14 + 2 * 3 + 2 * 3);
  EXPECT_FALSE(phrase.isComposed());
  EXPECT_EQ(phrase.charClass(), zhongguo.charClass());
  EXPECT_EQ(phrase.baseFrequency(), zhongguo.frequency());
  ASSERT_EQ(phrase.syllableCount(), 2);
  EXPECT_EQ(phrase.syllableAt(0), Syllable(u"zhong"));
  EXPECT_EQ(phrase.syllableAt(1), Syllable(u"guo"));

  const std::vector<uint16_t> zhongguoCodes{Syllable(u"zhong"), Syllable(u"guo")};
  EXPECT_EQ(dictionary_.LearnPhrase(u"中国", zhongguoCodes, 1), kAlreadyPresent) << "the same text is the same entry";
  EXPECT_EQ(FindLearned(dictionary_.View(), u"中国").useCount(), 2u);

  // The class of a sentence joins the classes of its characters; an unknown one adds nothing.
  const std::vector<uint16_t> xianyu{Syllable(u"xian"), Syllable(u"yu")};
  EXPECT_EQ(dictionary_.LearnPhrase(u"仙彧", xianyu, 1), kLearned);
  const UserRecord composed = FindLearned(dictionary_.View(), u"仙彧");
  ASSERT_TRUE(composed);
  EXPECT_TRUE(composed.isComposed());
  EXPECT_EQ(composed.charClass(), 14);
  EXPECT_EQ(composed.baseFrequency(), 0u);

  const std::u16string sentence = u"现在你好";
  const std::vector<uint16_t> sentenceCodes{Syllable(u"xian"), Syllable(u"zai"), Syllable(u"ni"), Syllable(u"hao")};
  EXPECT_EQ(dictionary_.LearnCandidate(MakeCandidate(candidate_kind::kSt, 0, 11, sentence.c_str()), sentence, sentenceCodes),
            kLearned);
  const UserRecord assembled = FindLearned(dictionary_.View(), sentence);
  ASSERT_TRUE(assembled);
  EXPECT_TRUE(assembled.isComposed());
  EXPECT_EQ(assembled.syllableCount(), 4);

  EXPECT_EQ(dictionary_.LearnPhrase(u"", {}, 1), kNotLearnedHere);
  EXPECT_EQ(dictionary_.LearnPhrase(std::u16string(128, u'中'), {}, 1), kNotLearnedHere)
      << "a text longer than its 7-bit length field would spill into the flags";
  const Candidate custom = MakeCandidate(candidate_kind::kSs, 0, 0, u"text");
  EXPECT_EQ(dictionary_.LearnCandidate(custom, {}, {}), kNotLearnedHere);
  EXPECT_EQ(dictionary_.View().RecordCount(), 3u);
}

TEST_F(UserDictionaryTest, GermanWordsTakeTheirHintFromTheDictionaryOrAreMarkedUnknown) {
  dictionary_.OpenUserDictionary(Path());
  EXPECT_EQ(dictionary_.LearnWord(u"Haus"), kLearned);
  const WordRecord entry = FindGermanWord(*dictionaries_, u"Haus");
  ASSERT_TRUE(entry);
  const UserRecord haus = FindLearned(dictionary_.View(), u"Haus", true);
  ASSERT_TRUE(haus);
  EXPECT_EQ(haus.flags(), user_flags::kGermanWord | (4u << 4));
  EXPECT_EQ(haus.hint(), entry.hint());
  EXPECT_EQ(haus.key(), u"haus");
  EXPECT_EQ(haus.baseFrequency(), 900u);
  EXPECT_EQ(haus.length(), 14 + 2 * (4 + entry.hint().size() + 4 + 3));

  EXPECT_EQ(dictionary_.LearnWord(u"Quatsch"), kLearned);
  const UserRecord unknown = FindLearned(dictionary_.View(), u"Quatsch", true);
  ASSERT_TRUE(unknown);
  EXPECT_TRUE(unknown.isComposed()) << "bit 11: not in the German dictionary";
  EXPECT_EQ(unknown.hint(), u"");
  EXPECT_EQ(unknown.key(), u"");
  EXPECT_EQ(unknown.baseFrequency(), 0u);
  EXPECT_EQ(unknown.length(), 14 + 2 * (7 + 3));

  EXPECT_FALSE(FindGermanWord(*dictionaries_, u"haus")) << "the key matches, the word does not";
  EXPECT_EQ(dictionary_.LearnWord(u"haus"), kLearned) << "case-sensitive: another word";
  EXPECT_TRUE(FindLearned(dictionary_.View(), u"haus", true).isComposed());
  EXPECT_EQ(dictionary_.LearnWord(u"Haus"), kAlreadyPresent);
  EXPECT_EQ(FindLearned(dictionary_.View(), u"Haus", true).useCount(), 2u);
  EXPECT_FALSE(FindLearned(dictionary_.View(), u"Haus", false)) << "a word is not a phrase of the same text";
  EXPECT_EQ(dictionary_.LearnWord(u""), kNotLearnedHere);
}

TEST_F(UserDictionaryTest, ClearingGivesTheRoomBackAndTheNextSaveWritesAnEmptyFile) {
  dictionary_.OpenUserDictionary(Path());
  dictionary_.LearnWord(u"Haus");
  dictionary_.LearnPhrase(u"仙彧", std::vector<uint16_t>{Syllable(u"xian"), Syllable(u"yu")}, 1);
  dictionary_.AddUserChar(MakeCharRecord(0x4E2D, Syllable(u"zhong"), 9000));
  ASSERT_TRUE(dictionary_.SaveUserDictionary());
  const UserLayout before = LayoutNow();
  EXPECT_EQ(platform::FileSize(Path()), 128u + 8 * 3 + before.recordAreaSize);
  EXPECT_FALSE(IsDirty(Peek().data()));
  EXPECT_FALSE(dictionary_.SaveUserDictionary()) << "nothing changed since";

  dictionary_.ClearUserDictionary();
  EXPECT_EQ(dictionary_.View().RecordCount(), 0u);
  EXPECT_FALSE(FindLearned(dictionary_.View(), u"Haus", true));
  const UserLayout cleared = LayoutNow();
  EXPECT_EQ(cleared.indexRoom, 20000u);
  EXPECT_EQ(cleared.recordRoom, 262144u);
  EXPECT_EQ(cleared.recordAreaSize, 0u);
  EXPECT_EQ(cleared.index2Offset, before.index2Offset);
  ASSERT_TRUE(dictionary_.SaveUserDictionary());
  EXPECT_EQ(platform::FileSize(Path()), 128u);

  EXPECT_EQ(dictionary_.LearnWord(u"Haus"), kLearned) << "learned anew after the clear";
  EXPECT_EQ(dictionary_.View().RecordCount(), 1u);
}

TEST_F(UserDictionaryTest, ASavedDictionaryReloadsByteForByteButForItsRoom) {
  dictionary_.OpenUserDictionary(Path());
  dictionary_.AddUserChar(MakeCharRecord(0x4E2D, Syllable(u"zhong"), 9000));
  dictionary_.AddUserChar(MakeCharRecord(0xD840 | (0xDC00u << 16), Syllable(u"ke"), 1));  // a surrogate pair
  dictionary_.AddUserChar(MakeCharRecord(0x4E2D, Syllable(u"zhong"), 9000));
  dictionary_.LearnWord(u"Mädchen");
  dictionary_.LearnWord(u"Quatsch");
  dictionary_.LearnPhrase(u"现在你好", std::vector<uint16_t>{Syllable(u"xian"), Syllable(u"zai"), Syllable(u"ni"), Syllable(u"hao")}, 1);
  dictionary_.AddUserPhrase(u"中国", 9000, 15, false, std::vector<uint16_t>{Syllable(u"zhong"), Syllable(u"guo")});
  ASSERT_TRUE(dictionary_.SaveUserDictionary());
  const std::vector<uint8_t> saved = FileBytes(Path());
  dictionary_.CloseUserDictionary();
  EXPECT_FALSE(Peek().valid()) << "the last holder's close ends the block";

  dictionary_.ReopenUserDictionary();
  ASSERT_TRUE(dictionary_.isOpen());
  EXPECT_EQ(dictionary_.loadFault(), "");
  const UserBlockView view = dictionary_.View();
  ASSERT_EQ(view.RecordCount(), 6u);
  EXPECT_EQ(FindLearned(view, 0x4E2D).useCount(), 2u);
  EXPECT_EQ(FindLearned(view, u"Mädchen", true).key(), u"madchen");
  EXPECT_TRUE(IndexesAreSorted(view, dictionaries_->Syllables()));

  // The loaded block holds the file's header and parts; only the rooms are those of a new block.
  const SharedBlock block = Peek();
  const std::vector<uint8_t> loaded = UserFileImage(block.data(), block.size()).value();
  EXPECT_EQ(LoadU32(&loaded[kIndexRoomField]), 20000u);
  EXPECT_EQ(LoadU32(&loaded[kRecordRoomField]), 262144u);
  std::vector<uint8_t> withSavedRooms = loaded;
  ASSERT_EQ(withSavedRooms.size(), saved.size());
  std::copy_n(saved.begin() + kIndexRoomField, 8, withSavedRooms.begin() + kIndexRoomField);
  EXPECT_EQ(withSavedRooms, saved);
}

}  // namespace
}  // namespace kellavor::lexicon
