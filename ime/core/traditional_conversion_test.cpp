#include "ime/core/traditional_conversion.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace kellavor::core {
namespace {

std::vector<uint8_t> Table(std::initializer_list<std::pair<char16_t, char16_t>> records) {
  std::vector<uint8_t> bytes;
  for (auto [simplified, traditional] : records) {
    for (char16_t unit : {simplified, traditional}) {
      bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
      bytes.push_back(static_cast<uint8_t>(unit >> 8));
    }
  }
  return bytes;
}

// The first and last records of the module's table and a few between.
const std::vector<uint8_t> kTable = Table({{u'与', u'與'}, {u'们', u'們'}, {u'国', u'國'}, {u'汉', u'漢'},
                                            {u'语', u'語'}, {u'龟', u'龜'}});

TEST(TraditionalConversion, ConvertsCharacterByCharacter) {
  EXPECT_EQ(ToTraditional(u"国语", kTable), u"國語");
  EXPECT_EQ(ToTraditional(u"汉语们", kTable), u"漢語們");
  EXPECT_EQ(ToTraditional(u"与龟", kTable), u"與龜") << "the ends of the table";
}

TEST(TraditionalConversion, CharactersWithoutRecordsStay) {
  EXPECT_EQ(ToTraditional(u"发后", kTable), u"发后");
  EXPECT_EQ(ToTraditional(u"Straße 42, ok.！", kTable), u"Straße 42, ok.！");
  EXPECT_EQ(ToTraditional(u"", kTable), u"");
  EXPECT_EQ(ToTraditional(u"国", {}), u"国");
}

TEST(TraditionalConversion, TableIsTakenAsFound) {
  // A partial record at the end is no record.
  std::vector<uint8_t> truncated = kTable;
  truncated.insert(truncated.end(), {0x5F, 0x9F, 0x00});
  EXPECT_EQ(ToTraditional(u"国龟", truncated), u"國龜");
  // Records for surrogate halves would break pairs apart; pairs pass whole.
  const std::vector<uint8_t> hostile = Table({{0xD83D, u'x'}, {0xDE00, u'y'}});
  EXPECT_EQ(ToTraditional(u"\U0001F600", hostile), u"\U0001F600");
}

}  // namespace
}  // namespace kellavor::core
