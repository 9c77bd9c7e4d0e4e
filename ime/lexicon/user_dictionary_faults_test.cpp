// The user dictionary under faults: no block to share, a damaged file, a full dictionary, a damaged
// block, a creator that died, a save that fails, a process that may only read.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "ime/lexicon/user_dictionary.h"
#include "ime/lexicon/user_file.h"
#include "ime/platform/copy_data_receiver.h"
#include "ime/platform/named_mutex.h"
#include "tests/support/user_dictionary_fixture.h"

namespace kellavor::lexicon {
namespace {

using namespace learn_result;
using namespace user_block;
using platform::SharedBlock;

using UserDictionaryFaults = UserDictionaryTest;

TEST_F(UserDictionaryFaults, WithoutABlockToShareTheProcessLearnsIntoItsOwnMemory) {
  UserDictionaryOptions unusable = UniqueUserNames("private");
  unusable.blockName = u"Kellavor/No\\Such\\Block";
  UserDictionary dictionary(*dictionaries_, unusable);
  dictionary.OpenUserDictionary(Path());
  ASSERT_TRUE(dictionary.isOpen());
  EXPECT_FALSE(dictionary.isShared());
  EXPECT_FALSE(dictionary.readOnly());
  EXPECT_EQ(dictionary.LearnWord(u"Haus"), kLearned);
  EXPECT_EQ(dictionary.LearnWord(u"Haus"), kAlreadyPresent);
  ASSERT_TRUE(dictionary.SaveUserDictionary());

  dictionary.ReopenUserDictionary();
  ASSERT_EQ(dictionary.View().RecordCount(), 1u) << "the private block is loaded from the file too";
  EXPECT_EQ(FindLearned(dictionary.View(), u"Haus", true).useCount(), 2u);
}

TEST_F(UserDictionaryFaults, ADamagedFileIsKeptAsBadAndTheDictionaryStartsEmpty) {
  dictionary_.OpenUserDictionary(Path());
  dictionary_.LearnWord(u"Haus");
  dictionary_.LearnWord(u"Maus");
  ASSERT_TRUE(dictionary_.SaveUserDictionary());
  dictionary_.CloseUserDictionary();
  std::vector<uint8_t> cut = FileBytes(Path());
  cut.resize(cut.size() - 2);  // a save cut short
  ASSERT_TRUE(platform::WriteWholeFile(Path(), cut.data(), cut.size()));

  dictionary_.OpenUserDictionary(Path());
  ASSERT_TRUE(dictionary_.isOpen());
  EXPECT_NE(dictionary_.loadFault(), "");
  EXPECT_EQ(View().RecordCount(), 0u);
  EXPECT_FALSE(platform::FileExists(Path()));
  EXPECT_EQ(FileBytes(Path() + u".bad"), cut) << "the user's file is kept as it was";
  EXPECT_EQ(LayoutNow().recordAreaOffset, 40128u);
  EXPECT_FALSE(IsDirty(Peek().data()));

  EXPECT_EQ(dictionary_.LearnWord(u"Haus"), kLearned);
  ASSERT_TRUE(dictionary_.SaveUserDictionary());
  EXPECT_EQ(CheckUserFile(FileBytes(Path()), dictionaries_->Syllables()), "");
  dictionary_.CloseUserDictionary();

  // Far larger than any dictionary: not even read.
  const std::vector<uint8_t> huge(kMaxFileSize + 2, 0);
  ASSERT_TRUE(platform::WriteWholeFile(Path(), huge.data(), huge.size()));
  dictionary_.OpenUserDictionary(Path());
  EXPECT_NE(dictionary_.loadFault(), "");
  EXPECT_EQ(View().RecordCount(), 0u);
  EXPECT_EQ(platform::FileSize(Path() + u".bad"), huge.size());
  EXPECT_EQ(Peek().size() < 2 * kEmptyBlockSize, true) << "the block is sized for no file";
}

TEST_F(UserDictionaryFaults, AFullDictionaryRaisesTheAlarmAndStoresNothing) {
  dictionary_.OpenUserDictionary(Path());
  // Sentences of 127 units and 127 syllables: 526 bytes each, 498 of them fill the record room.
  const std::vector<uint16_t> codes(127, Syllable(u"zhong"));
  const auto sentence = [](int n) {
    std::u16string text(127, u'中');
    text[0] = static_cast<char16_t>(0x4E00 + n / 100);
    text[1] = static_cast<char16_t>(0x4E00 + n % 100);
    return text;
  };
  int stored = 0;
  while (dictionary_.LearnPhrase(sentence(stored), codes, 1) == kLearned) ++stored;
  EXPECT_EQ(stored, 498);
  EXPECT_EQ(alarms_, 1);
  EXPECT_EQ(View().RecordCount(), 498u);
  EXPECT_LT(LayoutNow().recordRoom, 526u);

  EXPECT_EQ(dictionary_.LearnPhrase(sentence(7), codes, 1), kAlreadyPresent) << "a known entry still counts its use";
  EXPECT_EQ(dictionary_.AddUserChar(MakeCharRecord(0x4E2D, Syllable(u"zhong"), 1)), kLearned) << "20 bytes still fit";
  EXPECT_EQ(alarms_, 1);

  dictionary_.ClearUserDictionary();
  EXPECT_EQ(dictionary_.LearnPhrase(sentence(0), codes, 1), kLearned);
}

TEST_F(UserDictionaryFaults, LearningStopsBeforeTheOffsetTableOutgrowsTheBlock) {
  // 6000 records loaded leave index room for 5000 more, but the offset table only for 4000.
  const std::vector<uint8_t> file = BuildCharFile(6000, 0x4E00, Syllable(u"yi"));
  ASSERT_TRUE(platform::WriteWholeFile(Path(), file.data(), file.size()));
  dictionary_.OpenUserDictionary(Path());
  ASSERT_EQ(dictionary_.loadFault(), "");
  ASSERT_EQ(View().RecordCount(), 6000u);

  uint32_t learned = 0;
  while (dictionary_.AddUserChar(MakeCharRecord(0x20000 + learned, Syllable(u"er"), 1)) == kLearned) ++learned;
  EXPECT_EQ(learned, 4000u);
  EXPECT_EQ(alarms_, 1);
  EXPECT_GE(LayoutNow().indexRoom, 4u) << "the index still had room";
  EXPECT_TRUE(IndexesAreSorted(View(), dictionaries_->Syllables()));

  ASSERT_TRUE(dictionary_.SaveUserDictionary());
  dictionary_.CloseUserDictionary();
  dictionary_.OpenUserDictionary(Path());
  EXPECT_EQ(dictionary_.loadFault(), "") << "10000 records load again";
  EXPECT_EQ(View().RecordCount(), 10000u);
  EXPECT_EQ(dictionary_.AddUserChar(MakeCharRecord(0x30000, Syllable(u"er"), 1)), kNoRoom);
}

TEST_F(UserDictionaryFaults, ADamagedBlockTakesNoLearningUntilItIsCleared) {
  dictionary_.OpenUserDictionary(Path());
  dictionary_.LearnWord(u"Haus");
  dictionary_.LearnWord(u"Maus");
  SharedBlock foreign = SharedBlock::Open(names_.blockName, 1);
  ASSERT_TRUE(foreign.valid());
  const uint32_t wild = 0x7FFFFFF0;
  std::memcpy(DictionaryOf(foreign.data()) + kIndex2OffsetField, &wild, 4);

  EXPECT_EQ(View().RecordCount(), 0u) << "an index outside the block is read as empty";
  EXPECT_EQ(dictionary_.LearnWord(u"Hund"), kNoRoom);
  EXPECT_EQ(alarms_, 1);
  EXPECT_EQ(dictionary_.BumpUserEntry(FindLearned(View(), u"Haus", true)), kNotLearnedHere);
  EXPECT_FALSE(dictionary_.SaveUserDictionary()) << "a damaged block is never saved";

  dictionary_.ClearUserDictionary();
  EXPECT_EQ(LayoutNow().index2Offset, 20128u) << "laid out anew";
  EXPECT_EQ(dictionary_.LearnWord(u"Hund"), kLearned);
  EXPECT_EQ(View().RecordCount(), 1u);
  EXPECT_TRUE(dictionary_.SaveUserDictionary());
}

TEST_F(UserDictionaryFaults, ABlockWhoseCreatorDiedBeforeLoadingIsLoadedByTheNextWriter) {
  const std::vector<uint8_t> file = BuildCharFile(3, 0x4E00, Syllable(u"yi"));
  ASSERT_TRUE(platform::WriteWholeFile(Path(), file.data(), file.size()));
  const SharedBlock abandoned = SharedBlock::Open(names_.blockName, UserBlockSize(file.size()));
  ASSERT_EQ(abandoned.origin(), platform::SharedBlockOrigin::kCreated);

  dictionary_.OpenUserDictionary(Path());
  EXPECT_EQ(View().RecordCount(), 3u);
  EXPECT_EQ(dictionary_.AddUserChar(MakeCharRecord(0x4E01, Syllable(u"yi"), 1)), kAlreadyPresent);
  dictionary_.CloseUserDictionary();

  // Made for no file, the block cannot take one of 200 records: the file is kept, not overwritten.
  const std::vector<uint8_t> larger = BuildCharFile(200, 0x4E00, Syllable(u"yi"));
  ASSERT_TRUE(platform::WriteWholeFile(Path(), larger.data(), larger.size()));
  const UserDictionaryOptions names = UniqueUserNames("small");
  const SharedBlock small = SharedBlock::Open(names.blockName, UserBlockSize(std::nullopt));
  UserDictionary dictionary(*dictionaries_, names);
  dictionary.OpenUserDictionary(Path());
  EXPECT_NE(dictionary.loadFault(), "");
  EXPECT_EQ(dictionary.View().RecordCount(), 0u);
  EXPECT_EQ(FileBytes(Path() + u".bad"), larger);
}

TEST_F(UserDictionaryFaults, AFailedSaveKeepsTheOldFileAndTriesAgainNextTime) {
  dictionary_.OpenUserDictionary(Path());
  dictionary_.LearnWord(u"Haus");
  ASSERT_TRUE(dictionary_.SaveUserDictionary());
  const std::vector<uint8_t> before = FileBytes(Path());
  dictionary_.LearnWord(u"Maus");

  ASSERT_TRUE(platform::CreateFolder(Path() + u".tmp"));  // the temporary file cannot be written
  EXPECT_FALSE(dictionary_.SaveUserDictionary());
  EXPECT_EQ(FileBytes(Path()), before);
  EXPECT_TRUE(IsDirty(Peek().data()));

  std::filesystem::remove(folder_.Native() / "data_us.bin.tmp");
  EXPECT_TRUE(dictionary_.SaveUserDictionary());
  EXPECT_EQ(CheckUserFile(FileBytes(Path()), dictionaries_->Syllables()), "");
  EXPECT_GT(FileBytes(Path()).size(), before.size());
}

TEST_F(UserDictionaryFaults, OpeningWaitsWhileAnotherProcessHoldsTheLock) {
  platform::NamedMutex other(names_.mutexName);
  std::atomic<bool> opened{false};
  std::thread opener;
  {
    platform::NamedMutexLock hold(other);
    opener = std::thread([&] {
      dictionary_.OpenUserDictionary(Path());
      opened = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(opened) << "the open went ahead while the lock was held";
  }
  opener.join();
  EXPECT_TRUE(opened);
  EXPECT_TRUE(dictionary_.isOpen());
}

TEST_F(UserDictionaryFaults, AReadOnlyProcessHandsItsLearningToTheWriter) {
  dictionary_.OpenUserDictionary(Path());
  const CharRecord zhong = MakeCharRecord(0x4E2D, Syllable(u"zhong"), 9000);
  dictionary_.AddUserChar(zhong);
  UserDictionaryOptions readOnly = names_;
  readOnly.readOnly = true;
  UserDictionary reader(*dictionaries_, readOnly);
  reader.OpenUserDictionary(Path());
  ASSERT_TRUE(reader.isOpen());
  ASSERT_TRUE(reader.readOnly());
  ASSERT_TRUE(reader.isShared());
  const UserRecord learned = FindLearned(reader.View(), 0x4E2D);
  ASSERT_TRUE(learned) << "the reader sees the writer's entries";

  const CharRecord guo = MakeCharRecord(0x56FD, Syllable(u"guo"), 8800);
  const Candidate si = MakeCandidate(candidate_kind::kSi, 1, 3, &guo);
  const PhraseRecord zhongguo = FixturePhrase(u"中国");
  const Candidate ph = MakeCandidate(candidate_kind::kPh, 0, 8, zhongguo.bytes());
  const Candidate us = MakeCandidate(candidate_kind::kUs, 1, 5, learned.bytes());
  const std::u16string sentence = u"你好";
  const std::vector<uint16_t> codes{Syllable(u"ni"), Syllable(u"hao")};
  const Candidate st = MakeCandidate(candidate_kind::kSt, 0, 5, sentence.c_str());
  const auto learnEverything = [&] {
    EXPECT_EQ(reader.LearnCandidate(si, {}, {}), kNotLearnedHere);
    EXPECT_EQ(reader.LearnCandidate(ph, {}, {}), kNotLearnedHere);
    EXPECT_EQ(reader.LearnCandidate(us, {}, {}), kNotLearnedHere);
    EXPECT_EQ(reader.LearnCandidate(st, sentence, codes), kNotLearnedHere);
    EXPECT_EQ(reader.LearnPhrase(sentence, codes, 0), kNotLearnedHere);
    EXPECT_EQ(reader.LearnWord(u"Haus"), kNotLearnedHere);
  };

  learnEverything();  // no writer: dropped
  platform::CopyDataReceiver writer(u"Tessal_ExtWriteCl", u"Tessal_ExtWriteWi");
  ASSERT_TRUE(writer.exists());
  learnEverything();
  const std::vector<platform::CopyDataMessage>& sent = writer.received();
  ASSERT_EQ(sent.size(), 5u) << "a phrase not to be forwarded is not sent";
  EXPECT_EQ(sent[0].dwData, 1u);
  ASSERT_EQ(sent[0].data.size(), 28u);
  EXPECT_EQ(std::memcmp(sent[0].data.data(), &si, 16), 0);
  EXPECT_EQ(std::memcmp(sent[0].data.data() + 16, guo.bytes, 12), 0);
  EXPECT_EQ(sent[1].dwData, 1u);
  EXPECT_EQ(sent[1].data.size(), 16u + zhongguo.length());
  EXPECT_EQ(sent[2].dwData, 1u);
  ASSERT_EQ(sent[2].data.size(), 16u + 20u);
  EXPECT_EQ(std::memcmp(sent[2].data.data() + 16, learned.bytes(), 20), 0);
  EXPECT_EQ(sent[3].dwData, 3u);
  EXPECT_EQ(sent[3].data.size(), 2u * (2 + 1) + 2u * (2 + 1));
  EXPECT_EQ(sent[4].dwData, 2u);
  EXPECT_EQ(sent[4].data.size(), 10u);

  EXPECT_EQ(View().RecordCount(), 1u) << "the block is not changed";
  EXPECT_EQ(FindLearned(View(), 0x4E2D).useCount(), 1u);
  reader.ClearUserDictionary();
  EXPECT_FALSE(reader.SaveUserDictionary());
  EXPECT_EQ(View().RecordCount(), 1u);
}

}  // namespace
}  // namespace kellavor::lexicon
