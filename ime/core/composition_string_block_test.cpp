#include "ime/core/composition_string_block.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "ime/core/block_fields.h"

namespace kellavor::core {
namespace {

namespace cs = composition_string;

// A block of the layout's size inside a larger buffer whose tail shows any write past the block.
class CompositionStringBlockTest : public testing::Test {
 protected:
  static constexpr uint8_t kGuard = 0xA5;
  CompositionStringBlockTest() : buffer_(kCompositionStringBlockSize + 16, kGuard) {}

  std::span<uint8_t> block() { return std::span(buffer_).first(kCompositionStringBlockSize); }
  bool TailUntouched() const {
    for (size_t i = kCompositionStringBlockSize; i < buffer_.size(); ++i) {
      if (buffer_[i] != kGuard) return false;
    }
    return true;
  }
  char16_t ResultUnit(size_t index) {
    char16_t unit = 0;
    std::memcpy(&unit, buffer_.data() + cs::kResultStrArea + 2 * index, 2);
    return unit;
  }

  std::vector<uint8_t> buffer_;
};

TEST_F(CompositionStringBlockTest, InitialisationByteForByte) {
  ASSERT_TRUE(InitCompositionStringBlock(block()));
  std::vector<uint8_t> expected(kCompositionStringBlockSize, 0);
  auto put = [&](size_t offset, uint32_t value) { std::memcpy(expected.data() + offset, &value, 4); };
  put(0, 1892);
  put(24, 612);
  put(32, 1124);
  put(48, 100);
  put(88, 1380);
  EXPECT_EQ(std::vector<uint8_t>(block().begin(), block().end()), expected);
  EXPECT_TRUE(TailUntouched());

  std::vector<uint8_t> small(kCompositionStringBlockSize - 1, kGuard);
  EXPECT_FALSE(InitCompositionStringBlock(small));
  EXPECT_EQ(small, std::vector<uint8_t>(kCompositionStringBlockSize - 1, kGuard));
}

TEST_F(CompositionStringBlockTest, ResultStringReadsBackWithItsLength) {
  InitCompositionStringBlock(block());
  EXPECT_EQ(WriteResultString(block(), u"國語 Straße"), 9u);
  EXPECT_EQ(ReadResultString(block()), u"國語 Straße");
  EXPECT_EQ(ReadField(block(), cs::kResultStrLen), 9u);
  EXPECT_EQ(ResultUnit(9), 0) << "terminated";
  EXPECT_EQ(ReadCompositionString(block()), u"");

  EXPECT_EQ(WriteResultString(block(), u","), 1u);
  EXPECT_EQ(ReadResultString(block()), u",");
}

TEST_F(CompositionStringBlockTest, LongCommitIsCutAtACharacterBoundaryInsideTheArea) {
  InitCompositionStringBlock(block());
  const std::u16string longText(400, u'字');
  EXPECT_EQ(WriteResultString(block(), longText), 255u);
  EXPECT_EQ(ReadResultString(block()), longText.substr(0, 255));
  EXPECT_EQ(ResultUnit(255), 0) << "the NUL takes the area's last unit";
  EXPECT_TRUE(TailUntouched());

  // A surrogate pair that would straddle the end of the area stays out whole.
  const std::u16string straddling = std::u16string(254, u'a') + u"\U0001F600" + u"b";
  EXPECT_EQ(WriteResultString(block(), straddling), 254u);
  EXPECT_EQ(ReadResultString(block()), std::u16string(254, u'a'));
  // One that ends exactly at the end of the area fits.
  const std::u16string fitting = std::u16string(253, u'a') + u"\U0001F600";
  EXPECT_EQ(WriteResultString(block(), fitting), 255u);
  EXPECT_EQ(ReadResultString(block()), fitting);
  EXPECT_TRUE(TailUntouched());

  std::vector<uint8_t> small(100, 0);
  EXPECT_EQ(WriteResultString(small, u"x"), 0u);
}

TEST_F(CompositionStringBlockTest, ClearingEmptiesStringsAndLengthsButKeepsTheLayout) {
  InitCompositionStringBlock(block());
  WriteResultString(block(), u"你好");
  for (size_t field : {cs::kCompReadAttrLen, cs::kCompReadClauseLen, cs::kCompReadStrLen, cs::kCompAttrLen,
                       cs::kCompClauseLen, cs::kCompStrLen, cs::kResultReadClauseLen, cs::kResultReadStrLen,
                       cs::kResultClauseLen, cs::kCursorPos, cs::kDeltaStart}) {
    WriteField(block(), field, 3);
  }
  const char16_t x = u'x';
  std::memcpy(block().data() + cs::kCompStrArea, &x, 2);
  std::vector<uint8_t> expected(kCompositionStringBlockSize);
  InitCompositionStringBlock(expected);
  // The second unit of the old result stays; only its first unit and the lengths are cleared.
  std::memcpy(expected.data() + cs::kResultStrArea + 2, u"好", 2);

  ClearCompositionStringBlock(block());
  EXPECT_EQ(std::vector<uint8_t>(block().begin(), block().end()), expected);
  EXPECT_EQ(ReadResultString(block()), u"");
}

TEST_F(CompositionStringBlockTest, HeaderPointingOutsideTheBlockReadsAsEmpty) {
  InitCompositionStringBlock(block());
  WriteField(block(), cs::kResultStrLen, 4);
  WriteField(block(), cs::kResultStrOffset, kCompositionStringBlockSize - 6);
  EXPECT_EQ(ReadResultString(block()), u"");
  WriteField(block(), cs::kResultStrOffset, 0xFFFFFFF0);
  EXPECT_EQ(ReadResultString(block()), u"");
  EXPECT_EQ(ReadResultString(std::span<const uint8_t>()), u"");
}

}  // namespace
}  // namespace kellavor::core
