#include "ime/lexicon/syllable_table.h"

#include <gtest/gtest.h>

#include <string>

#include "ime/lexicon/dictionary_format.h"

namespace kellavor::lexicon {
namespace {

std::u16string Units(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

TEST(SyllableTable, ShippedTableIsStrictlyAscendingWithTheBareInitialsInPlace) {
  const std::span<const std::string_view> shipped = ShippedSyllables();
  ASSERT_EQ(shipped.size(), 445u);
  for (size_t k = 1; k < shipped.size(); ++k) EXPECT_LT(shipped[k - 1], shipped[k]) << k;
  const std::pair<uint16_t, std::string_view> initials[] = {
      {5, "b"},   {23, "c"},  {32, "ch"},  {60, "d"},  {90, "f"},  {101, "g"}, {121, "h"}, {143, "j"},
      {158, "k"}, {178, "l"}, {207, "m"},  {227, "n"}, {258, "p"}, {276, "q"}, {291, "r"}, {306, "s"},
      {315, "sh"}, {343, "t"}, {364, "w"}, {374, "x"}, {389, "y"}, {406, "z"}, {416, "zh"}};
  for (const auto& [number, text] : initials) EXPECT_EQ(shipped[number], text);
  EXPECT_EQ(shipped.front(), "a");
  EXPECT_EQ(shipped.back(), "zuo");
}

TEST(SyllableTable, ResourceFormRoundTripsAndFindsByText) {
  const std::vector<uint8_t> bytes = EncodeSyllableTable(ShippedSyllables());
  ASSERT_EQ(bytes.size(), 445u * kSyllableEntryBytes);
  EXPECT_EQ(bytes[14 * 416], 'z');
  EXPECT_EQ(bytes[14 * 416 + 2], 'h');
  EXPECT_EQ(bytes[14 * 416 + 4], 0);

  const SyllableTable table(bytes);
  ASSERT_EQ(table.Count(), 445u);
  for (uint32_t number = 0; number < table.Count(); ++number) {
    EXPECT_EQ(table.Text(number), Units(ShippedSyllables()[number]));
    EXPECT_EQ(table.Find(table.Text(number)), number);
  }
  EXPECT_EQ(table.Text(kNoSyllable), u"");
  EXPECT_EQ(table.Text(445), u"");
  EXPECT_FALSE(table.Find(u"zhx").has_value());
  EXPECT_FALSE(table.Find(u"").has_value());
  EXPECT_FALSE(table.Find(u"zhuangg").has_value());
}

TEST(SyllableTable, SizeIsBoundedByWholeEntriesAndFullEntriesStayBounded) {
  EXPECT_EQ(SyllableTable().Count(), 0u);
  std::vector<uint8_t> bytes(2 * kSyllableEntryBytes + 5, 'x');
  bytes[1] = bytes[3] = bytes[5] = bytes[7] = bytes[9] = bytes[11] = bytes[13] = 0;
  const SyllableTable table(bytes);
  EXPECT_EQ(table.Count(), 2u) << "a trailing partial entry is ignored";
  EXPECT_EQ(table.Text(0), u"xxxxxxx") << "an entry without its zero unit ends with the entry";
}

}  // namespace
}  // namespace kellavor::lexicon
