// What the user-dictionary tests share: the fixture system dictionaries, names of blocks and mutexes
// that no other test meets, records made by hand, and reading a dictionary back through its view.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ime/lexicon/char_record.h"
#include "ime/lexicon/system_dictionaries.h"
#include "ime/lexicon/user_block.h"
#include "ime/lexicon/user_dictionary.h"
#include "ime/lexicon/user_index_order.h"
#include "ime/platform/utf.h"
#include "ime/lexicon/user_block_layout.h"
#include "ime/platform/file_system.h"
#include "ime/platform/shared_block.h"
#include "tests/support/fixture_dictionaries.h"
#include "tests/support/test_folder.h"

namespace kellavor::lexicon {

// The fixture dictionaries, mapped under names of their own.
inline std::unique_ptr<SystemDictionaries> MapFixtureDictionaries() {
  UseFixtureResources();
  auto dictionaries = std::make_unique<SystemDictionaries>(
      SystemMappingNames{u"KellavorTest_UserSi", u"KellavorTest_UserPh", u"KellavorTest_UserDe"});
  dictionaries->MapSystemFiles(FixtureDictionaryPath(u"data_si.bin"), FixtureDictionaryPath(u"data_ph.bin"),
                               FixtureDictionaryPath(u"data_de.bin"));
  return dictionaries;
}

// A block name and a mutex name unique to this call.
inline UserDictionaryOptions UniqueUserNames(const std::string& topic) {
  static int calls = 0;
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  const std::string base = "KellavorTest_User_" + topic + "_" + std::to_string(stamp) + "_" + std::to_string(++calls);
  UserDictionaryOptions options;
  options.blockName = platform::AsciiToUtf16(base);
  options.mutexName = platform::AsciiToUtf16(base + "_lock");
  return options;
}

inline CharRecord MakeCharRecord(uint32_t character, uint16_t syllable, uint16_t frequency, uint8_t charClass = 15) {
  CharRecord record{};
  std::memcpy(record.bytes + CharRecord::kCharacterOffset, &character, 4);
  std::memcpy(record.bytes + CharRecord::kFrequencyOffset, &frequency, 2);
  std::memcpy(record.bytes + CharRecord::kSyllableOffset, &syllable, 2);
  const uint16_t flags = CharFlags(charClass);
  std::memcpy(record.bytes + CharRecord::kFlagsOffset, &flags, 2);
  return record;
}

// A data_us.bin of count single characters with ascending values from firstCharacter, all of one
// reading, as a save writes it.
inline std::vector<uint8_t> BuildCharFile(uint32_t count, uint32_t firstCharacter, uint16_t syllable) {
  using namespace user_block;
  std::vector<uint8_t> file(kHeaderSize + 8 * static_cast<size_t>(count) + kSingleCharRecordSize * count);
  const auto put32 = [&](size_t at, uint32_t value) { std::memcpy(&file[at], &value, 4); };
  put32(kFormatField, 1);
  put32(kCountField, count);
  put32(kRecordAreaOffsetField, static_cast<uint32_t>(kHeaderSize + 8 * count));
  put32(kRecordAreaSizeField, static_cast<uint32_t>(kSingleCharRecordSize * count));
  put32(kIndex1OffsetField, static_cast<uint32_t>(kHeaderSize));
  put32(kIndex1SizeField, 4 * count);
  put32(kIndex2OffsetField, static_cast<uint32_t>(kHeaderSize + 4 * count));
  put32(kIndex2SizeField, 4 * count);
  for (uint32_t k = 0; k < count; ++k) {
    put32(kHeaderSize + 4 * k, k);
    put32(kHeaderSize + 4 * count + 4 * k, k);
    const size_t record = kHeaderSize + 8 * count + kSingleCharRecordSize * k;
    const uint16_t length = kSingleCharRecordSize;
    std::memcpy(&file[record], &length, 2);
    put32(record + 2, user_flags::kSingleChar | CharFlags(15));
    put32(record + 6, 1);
    put32(record + 14, firstCharacter + k);
    std::memcpy(&file[record + 18], &syllable, 2);
  }
  return file;
}

// Every learned record, in index 1 order.
inline std::vector<UserRecord> RecordsByIndex1(const UserBlockView& view) {
  std::vector<UserRecord> records;
  for (uint32_t k = 0; k < view.RecordCount(); ++k) records.push_back(view.RecordAt(view.Index1(k)));
  return records;
}

// The learned single character or text; empty when there is none.
inline UserRecord FindLearned(const UserBlockView& view, uint32_t character) {
  for (const UserRecord& record : RecordsByIndex1(view)) {
    if (record && record.isSingleChar() && record.character() == character) return record;
  }
  return {};
}

inline UserRecord FindLearned(const UserBlockView& view, std::u16string_view text, bool germanWord = false) {
  for (const UserRecord& record : RecordsByIndex1(view)) {
    if (record && !record.isSingleChar() && record.isGermanWord() == germanWord && record.text() == text) return record;
  }
  return {};
}

// Index 1 strictly ascending, index 2 never descending, and every record readable.
inline ::testing::AssertionResult IndexesAreSorted(const UserBlockView& view, const SyllableTable& syllables) {
  const uint32_t count = view.RecordCount();
  for (uint32_t k = 0; k < count; ++k) {
    if (!view.RecordAt(view.Index1(k)) || !view.RecordAt(view.Index2(k))) {
      return ::testing::AssertionFailure() << "entry " << k << " names no readable record";
    }
    if (k == 0) continue;
    if (IndexOrder1(view.RecordAt(view.Index1(k - 1)), view.RecordAt(view.Index1(k))) >= 0) {
      return ::testing::AssertionFailure() << "index 1 out of order at " << k;
    }
    if (IndexOrder2(view.RecordAt(view.Index2(k - 1)), view.RecordAt(view.Index2(k)), syllables) > 0) {
      return ::testing::AssertionFailure() << "index 2 out of order at " << k;
    }
  }
  return ::testing::AssertionSuccess();
}

inline std::string CurrentTestName() {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  return std::string(test->test_suite_name()) + "_" + test->name();
}

// A dictionary under names of its own, in a folder of its own, with the fixture system dictionaries;
// memory alarms are counted.
class UserDictionaryTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(FixtureDictionaryFolder().empty()) << "KELLAVOR_FIXTURE_DICTIONARIES is not set"; }

  uint16_t Syllable(std::u16string_view text) const {
    const std::optional<uint16_t> number = dictionaries_->Syllables().Find(text);
    EXPECT_TRUE(number.has_value()) << platform::Utf16ToUtf8(text);
    return number.value_or(kNoSyllable);
  }

  PhraseRecord FixturePhrase(std::u16string_view text) const {
    for (uint32_t i = 0; i < dictionaries_->PhraseRecordCount(); ++i) {
      const PhraseRecord phrase = dictionaries_->PhraseRecordAt(i);
      if (phrase.text() == text) return phrase;
    }
    ADD_FAILURE() << "no fixture phrase " << platform::Utf16ToUtf8(text);
    return {};
  }

  // The block as another process sees it; not valid when there is none.
  platform::SharedBlock Peek() const { return platform::SharedBlock::Open(names_.blockName, 1, platform::SharedBlockAccess::kReadOnly); }
  UserLayout LayoutNow() const {
    const platform::SharedBlock block = Peek();
    return ReadUserLayout(block.data(), block.size()).value_or(UserLayout{});
  }

  std::vector<uint8_t> FileBytes(const std::u16string& path) const {
    return platform::ReadWholeFile(path, user_block::kMaxFileSize).value_or(std::vector<uint8_t>{});
  }

  std::u16string Path() const { return folder_.Path(std::u16string(kUserFileName)); }
  UserBlockView View() const { return dictionary_.View(); }

  std::unique_ptr<SystemDictionaries> dictionaries_ = MapFixtureDictionaries();
  TestFolder folder_{CurrentTestName()};
  UserDictionaryOptions names_ = UniqueUserNames(CurrentTestName());
  int alarms_ = 0;
  UserDictionary dictionary_{*dictionaries_, names_, [this] { ++alarms_; }};
};

}  // namespace kellavor::lexicon
