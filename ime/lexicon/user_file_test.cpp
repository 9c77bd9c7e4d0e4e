#include "ime/lexicon/user_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "ime/lexicon/user_block_layout.h"
#include "tests/support/user_dictionary_fixture.h"

namespace kellavor::lexicon {
namespace {

using namespace user_block;

// A saved dictionary of six records of every type: two characters, two German words, two phrases.
class UserFileTest : public UserDictionaryTest {
 protected:
  void SetUp() override {
    UserDictionaryTest::SetUp();
    dictionary_.OpenUserDictionary(Path());
    dictionary_.AddUserChar(MakeCharRecord(0x4E2D, Syllable(u"zhong"), 9000));
    dictionary_.AddUserChar(MakeCharRecord(0xD840 | (0xDC00u << 16), Syllable(u"ke"), 1));
    dictionary_.LearnWord(u"Haus");
    dictionary_.LearnWord(u"Quatsch");
    dictionary_.LearnPhrase(u"现在", std::vector<uint16_t>{Syllable(u"xian"), Syllable(u"zai")}, 1);
    dictionary_.LearnPhrase(u"你好吗", std::vector<uint16_t>{Syllable(u"ni"), Syllable(u"hao"), Syllable(u"ma")}, 1);
    ASSERT_TRUE(dictionary_.SaveUserDictionary());
    file_ = FileBytes(Path());
    ASSERT_EQ(LoadU32(&file_[kCountField]), 6u);
  }

  std::string Check(const std::vector<uint8_t>& file) const { return CheckUserFile(file, dictionaries_->Syllables()); }

  // Byte offsets in the file.
  size_t Index1() const { return kHeaderSize; }
  size_t Index2() const { return kHeaderSize + 24; }
  size_t Area() const { return kHeaderSize + 48; }
  // Where record `number` starts, by walking the area.
  size_t RecordStart(uint32_t number) const {
    size_t at = Area();
    for (uint32_t k = 0; k < number; ++k) at += LoadU16(&file_[at]);
    return at;
  }

  std::vector<uint8_t> file_;
};

void Put16(std::vector<uint8_t>& file, size_t at, uint16_t value) { StoreU16(&file[at], value); }
void Put32(std::vector<uint8_t>& file, size_t at, uint32_t value) { StoreU32(&file[at], value); }

TEST_F(UserFileTest, ASavedFilePassesAndEveryBrokenRuleIsCaught) {
  ASSERT_EQ(Check(file_), "");
  // Records in the order learned: 0 中, 1 the surrogate pair, 2 Haus, 3 Quatsch, 4 现在, 5 你好吗.
  const size_t quatsch = RecordStart(3);
  const size_t xianzai = RecordStart(4);
  const std::vector<std::pair<std::string, std::function<void(std::vector<uint8_t>&)>>> breaks = {
      {"header cut", [](auto& f) { f.resize(kHeaderSize - 1); }},
      {"count one more", [](auto& f) { Put32(f, kCountField, 7); }},
      {"count beyond the offset table", [](auto& f) { Put32(f, kCountField, 0xFFFFFFFF); }},
      {"index 1 size", [](auto& f) { Put32(f, kIndex1SizeField, 28); }},
      {"index 2 offset", [](auto& f) { Put32(f, kIndex2OffsetField, 156); }},
      {"record area offset", [](auto& f) { Put32(f, kRecordAreaOffsetField, 0); }},
      {"record area longer than the file", [](auto& f) { Put32(f, kRecordAreaSizeField, LoadU32(&f[kRecordAreaSizeField]) + 2); }},
      {"bytes after the records", [](auto& f) { f.insert(f.end(), {0, 0}); }},
      {"record length 0", [&](auto& f) { Put16(f, Area(), 0); }},
      {"record length odd", [&](auto& f) { Put16(f, Area(), 21); }},
      {"record length past the area", [&](auto& f) { Put16(f, Area(), 0xFFFE); }},
      {"phrase marked as a character", [&](auto& f) { Put32(f, xianzai + 2, LoadU32(&f[xianzai + 2]) | user_flags::kSingleChar); }},
      {"text length in the flags", [&](auto& f) { Put32(f, xianzai + 2, LoadU32(&f[xianzai + 2]) + (1u << 4)); }},
      {"word without its zero unit", [&](auto& f) { Put16(f, quatsch + 14 + 2 * 7, u'x'); }},
      {"phrase with more syllables than bytes", [&](auto& f) { Put16(f, xianzai + 14 + 2 * 3, 3); }},
      {"index entry out of range", [&](auto& f) { Put32(f, Index1(), 6); }},
      {"index entry twice", [&](auto& f) { Put32(f, Index2(), LoadU32(&f[Index2() + 4])); }},
      {"index 1 out of order", [&](auto& f) {
         const uint32_t first = LoadU32(&f[Index1()]);
         Put32(f, Index1(), LoadU32(&f[Index1() + 20]));
         Put32(f, Index1() + 20, first);
       }},
      {"index 2 out of order", [&](auto& f) {
         const uint32_t first = LoadU32(&f[Index2()]);
         Put32(f, Index2(), LoadU32(&f[Index2() + 20]));
         Put32(f, Index2() + 20, first);
       }},
      {"two records the same", [&](auto& f) { Put32(f, RecordStart(1) + 14, 0x4E2D); }},
  };
  for (const auto& [name, breakIt] : breaks) {
    std::vector<uint8_t> broken = file_;
    breakIt(broken);
    EXPECT_NE(Check(broken), "") << name;
  }
  for (size_t length = 0; length < file_.size(); ++length) {
    EXPECT_NE(Check(std::vector<uint8_t>(file_.begin(), file_.begin() + static_cast<ptrdiff_t>(length))), "") << length;
  }
}

TEST_F(UserFileTest, LoadingRefusesWhatWouldNotFit) {
  std::vector<uint8_t> block(UserBlockSize(file_.size()));
  EXPECT_FALSE(LoadUserFile(file_, block.data(), block.size() - 1)) << "a block too small";
  std::vector<uint8_t> inconsistent = file_;
  Put32(inconsistent, kCountField, 9000);
  EXPECT_FALSE(LoadUserFile(inconsistent, block.data(), block.size())) << "parts that do not fill the file";
  EXPECT_FALSE(ReadUserLayout(block.data(), block.size())) << "nothing laid out";
  ASSERT_TRUE(LoadUserFile(file_, block.data(), block.size()));
  EXPECT_EQ(ReadUserLayout(block.data(), block.size())->offsetTableCapacity, kMaxRecords);
}

TEST_F(UserFileTest, DamagedFilesNeverLoadBadData) {
  std::mt19937 random(20240611);
  int accepted = 0;
  for (int round = 0; round < 3000; ++round) {
    std::vector<uint8_t> damaged = file_;
    const int flips = 1 + static_cast<int>(random() % 3);
    for (int i = 0; i < flips; ++i) damaged[random() % damaged.size()] ^= static_cast<uint8_t>(1 + random() % 255);
    if (!Check(damaged).empty()) continue;
    ++accepted;
    std::vector<uint8_t> block(UserBlockSize(damaged.size()));
    ASSERT_TRUE(LoadUserFile(damaged, block.data(), block.size()));
    const UserBlockView view(block.data(), block.size());
    ASSERT_EQ(view.RecordCount(), 6u);
    ASSERT_TRUE(IndexesAreSorted(view, dictionaries_->Syllables())) << round;
    std::vector<uint8_t> image = UserFileImage(block.data(), block.size()).value();
    std::copy_n(damaged.begin() + kIndexRoomField, 8, image.begin() + kIndexRoomField);
    ASSERT_EQ(image, damaged) << round;
  }
  // Flips of use counts, frequencies, characters and reserved bytes leave a sound file.
  EXPECT_GT(accepted, 0);
  EXPECT_LT(accepted, 3000);
}

}  // namespace
}  // namespace kellavor::lexicon
