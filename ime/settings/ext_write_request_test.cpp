#include "ime/settings/ext_write_request.h"

#include <gtest/gtest.h>

#include <array>

#include "ime/platform/copy_data_receiver.h"

namespace kellavor::settings {
namespace {

std::vector<uint8_t> Units(std::initializer_list<uint16_t> units) {
  std::vector<uint8_t> bytes;
  for (const uint16_t unit : units) {
    bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
  return bytes;
}

TEST(ExtWriteRequest, PayloadsAreLaidOutByteForByte) {
  EXPECT_EQ(BuildLearnWordRequest(u"Haus"), Units({'H', 'a', 'u', 's', 0}));

  const std::u16string path = u"C:\\Users\\abc\\cfg.ini";
  ASSERT_EQ(path.size(), 20u);
  const std::vector<uint8_t> setting = BuildWriteSettingRequest(u"UI", u"iscomb", u"1", path);
  EXPECT_EQ(setting.size(), 66u);
  EXPECT_EQ(std::vector<uint8_t>(setting.begin(), setting.begin() + 20),
            Units({'U', 'I', 0, 'i', 's', 'c', 'o', 'm', 'b', 0}));
  EXPECT_EQ(std::vector<uint8_t>(setting.begin() + 20, setting.begin() + 24), Units({'1', 0}));
  EXPECT_EQ(setting[64], 0);
  EXPECT_EQ(setting[65], 0);

  std::array<uint8_t, kCandidateBytes> candidate{};
  for (size_t i = 0; i < candidate.size(); ++i) candidate[i] = static_cast<uint8_t>(0xA0 + i);
  const std::array<uint8_t, 12> charRecord{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  const std::vector<uint8_t> learned = BuildLearnCandidateRequest(candidate, charRecord);
  ASSERT_EQ(learned.size(), 28u);
  EXPECT_TRUE(std::equal(candidate.begin(), candidate.end(), learned.begin()));
  EXPECT_TRUE(std::equal(charRecord.begin(), charRecord.end(), learned.begin() + 16));

  const std::array<uint16_t, 3> syllables{0x0102, 7, 400};
  const std::vector<uint8_t> phrase = BuildLearnPhraseRequest(u"\u4f60\u597d\u554a", syllables);
  EXPECT_EQ(phrase.size(), 2u * (3 + 1) + 2u * (3 + 1));
  EXPECT_EQ(phrase, Units({0x4f60, 0x597d, 0x554a, 0, 3, 0x0102, 7, 400}));
  EXPECT_EQ(BuildLearnPhraseRequest(u"", {}), Units({0, 0}));
}

TEST(ExtWriteRequest, SendReachesOnlyTheWriterWindow) {
  const std::vector<uint8_t> word = BuildLearnWordRequest(u"Haus");
  SendExtWrite(ExtWriteKind::kLearnWord, word.data(), word.size());  // no writer: dropped

  platform::CopyDataReceiver impostor(u"Tessal_ExtWriteCl", u"Tessal_ExtEventWi");
  platform::CopyDataReceiver writer(u"Tessal_ExtWriteCl", u"Tessal_ExtWriteWi");
  ASSERT_TRUE(writer.exists());
  SendExtWrite(ExtWriteKind::kLearnWord, word.data(), word.size());
  ASSERT_EQ(writer.received().size(), 1u);
  EXPECT_EQ(writer.received()[0].dwData, 2u);
  EXPECT_EQ(writer.received()[0].data, word);
  EXPECT_TRUE(impostor.received().empty());
}

}  // namespace
}  // namespace kellavor::settings
