#include "ime/lexicon/user_block.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace kellavor::lexicon {
namespace {

using namespace user_block;

// A block with an empty dictionary laid out as a fresh install lays it out, and records appended
// by hand (the learning code is not needed to read).
class HandMadeBlock {
 public:
  HandMadeBlock() : bytes_(kBlockHeaderSize + 40128 + kRecordRoom + kOffsetTableRoom) {
    Put32(kDictionaryOffsetField, kBlockHeaderSize);
    Put32(kOffsetTableField, 40128 + kRecordRoom);
    PutDictionary32(kFormatField, 1);
    PutDictionary32(kIndex1OffsetField, 128);
    PutDictionary32(kIndex2OffsetField, 20128);
    PutDictionary32(kRecordAreaOffsetField, 40128);
  }

  void Append(const std::vector<uint8_t>& record) {
    const uint32_t count = Dictionary32(kCountField);
    const uint32_t offset = Dictionary32(kRecordAreaOffsetField) + Dictionary32(kRecordAreaSizeField);
    std::memcpy(&bytes_[kBlockHeaderSize + offset], record.data(), record.size());
    PutDictionary32(Block32(kOffsetTableField) + 4 * count, offset);
    PutDictionary32(128 + 4 * count, count);
    PutDictionary32(20128 + 4 * count, count);
    PutDictionary32(kCountField, count + 1);
    PutDictionary32(kIndex1SizeField, 4 * (count + 1));
    PutDictionary32(kIndex2SizeField, 4 * (count + 1));
    PutDictionary32(kRecordAreaSizeField, Dictionary32(kRecordAreaSizeField) + static_cast<uint32_t>(record.size()));
  }

  void PutDictionary32(size_t field, uint32_t value) { Put32(kBlockHeaderSize + field, value); }
  uint32_t Dictionary32(size_t field) const { return Block32(kBlockHeaderSize + field); }
  UserBlockView View() const { return {bytes_.data(), bytes_.size()}; }

 private:
  void Put32(size_t at, uint32_t value) { std::memcpy(&bytes_[at], &value, 4); }
  uint32_t Block32(size_t at) const { return LoadU32(&bytes_[at]); }

  std::vector<uint8_t> bytes_;
};

std::vector<uint8_t> Record(uint32_t flags, const std::u16string& body16, const std::vector<uint8_t>& extra = {}) {
  const size_t length = kRecordHeaderSize + 2 * body16.size() + extra.size();
  std::vector<uint8_t> record(length);
  const auto length16 = static_cast<uint16_t>(length);
  const uint32_t useCount = 3;
  std::memcpy(&record[0], &length16, 2);
  std::memcpy(&record[2], &flags, 4);
  std::memcpy(&record[6], &useCount, 4);
  if (!body16.empty()) std::memcpy(&record[kRecordHeaderSize], body16.data(), 2 * body16.size());
  if (!extra.empty()) std::memcpy(&record[kRecordHeaderSize + 2 * body16.size()], extra.data(), extra.size());
  return record;
}

TEST(UserBlockView, ReadsTheThreeKindsOfRecord) {
  HandMadeBlock block;
  block.Append(Record(user_flags::kSingleChar | (15u << 1), u"", {0x2D, 0x4E, 0, 0, 7, 0}));  // 中, syllable 7
  block.Append(Record((2u << 4) | (2u << 12) | user_flags::kComposed, std::u16string(u"中国") + u'\0',
                      {2, 0, 0x0A, 0, 0x0B, 0}));
  block.Append(Record(user_flags::kGermanWord | (4u << 4), std::u16string(u"Haus") + u'\0' + u"房子" + u'\0' + u"haus" + u'\0'));
  const UserBlockView view = block.View();
  ASSERT_EQ(view.RecordCount(), 3u);

  const UserRecord single = view.RecordAt(view.Index1(0));
  ASSERT_TRUE(single);
  EXPECT_TRUE(single.isSingleChar());
  EXPECT_EQ(single.character(), 0x4E2Du);
  EXPECT_EQ(single.syllable(), 7);
  EXPECT_EQ(single.charClass(), 15);
  EXPECT_EQ(single.useCount(), 3u);

  const UserRecord phrase = view.RecordAt(1);
  EXPECT_TRUE(phrase.isPhrase());
  EXPECT_TRUE(phrase.isComposed());
  EXPECT_EQ(phrase.text(), u"中国");
  EXPECT_EQ(phrase.charClass(), 2);
  ASSERT_EQ(phrase.syllableCount(), 2);
  EXPECT_EQ(phrase.syllableAt(1), 0x0B);

  const UserRecord word = view.RecordAt(2);
  EXPECT_TRUE(word.isGermanWord());
  EXPECT_EQ(word.text(), u"Haus");
  EXPECT_EQ(word.hint(), u"房子");
  EXPECT_EQ(word.key(), u"haus");
  EXPECT_FALSE(view.RecordAt(3));
}

TEST(UserBlockView, NeverReadsOutsideABrokenBlock) {
  HandMadeBlock block;
  block.Append(Record((2u << 4), std::u16string(u"中国") + u'\0', {2, 0, 1, 0, 2, 0}));
  UserBlockView view = block.View();
  ASSERT_EQ(view.RecordCount(), 1u);

  block.PutDictionary32(kCountField, 0x7FFFFFFF);
  EXPECT_EQ(block.View().RecordCount(), 1u) << "the count is cut to what the indexes hold";
  block.PutDictionary32(kIndex1SizeField, 0xFFFFFFF0);
  block.PutDictionary32(kIndex2SizeField, 0xFFFFFFF0);
  EXPECT_EQ(block.View().RecordCount(), 0u) << "indexes reaching past the block make it empty";
  block.PutDictionary32(kIndex1SizeField, 4);
  block.PutDictionary32(kIndex2SizeField, 4);
  block.PutDictionary32(kCountField, 1);

  block.PutDictionary32(kRecordAreaSizeField, 10);
  EXPECT_FALSE(block.View().RecordAt(0)) << "a record longer than the area is not read";
  block.PutDictionary32(kRecordAreaSizeField, 0xFFFFFF00);
  EXPECT_FALSE(block.View().RecordAt(0)) << "an area reaching past the block is not read";

  EXPECT_EQ(UserBlockView(nullptr, 0).RecordCount(), 0u);
  const uint8_t tiny[8] = {};
  EXPECT_EQ(UserBlockView(tiny, sizeof tiny).RecordCount(), 0u);
}

TEST(UserRecord, TextsAreCutAtTheRecordEnd) {
  const std::vector<uint8_t> bytes = Record((3u << 4), u"abc", {});  // no zero unit, no codes
  const UserRecord record(bytes.data(), static_cast<uint16_t>(bytes.size()));
  EXPECT_EQ(record.text(), u"abc");
  EXPECT_EQ(record.syllableCount(), 0);
}

}  // namespace
}  // namespace kellavor::lexicon
