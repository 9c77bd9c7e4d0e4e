#include "ime/core/punctuation_table.h"

#include <gtest/gtest.h>

#include <set>

namespace kellavor::core {
namespace {

struct Toggles {
  uint32_t single = 0;
  uint32_t dual = 0;
};

std::u16string_view Mark(std::u16string_view typed, bool symbol, bool fullShape, Toggles& toggles) {
  return PunctuationMark(typed, symbol, fullShape, toggles.single, toggles.dual).value_or(u"<none>");
}

std::u16string_view Mark(std::u16string_view typed, bool symbol, bool fullShape) {
  Toggles toggles;
  return Mark(typed, symbol, fullShape, toggles);
}

TEST(PunctuationTable, EveryTypedCharacterHasOneRow) {
  std::set<std::u16string_view> typed;
  for (const PunctuationRow& row : PunctuationTable()) typed.insert(row.typed);
  EXPECT_EQ(typed.size(), kPunctuationRows);
}

TEST(PunctuationTable, TheFlagsChooseTheColumn) {
  EXPECT_EQ(Mark(u",", true, false), u"，");
  EXPECT_EQ(Mark(u".", true, false), u"。");
  EXPECT_EQ(Mark(u".", true, true), u"。");
  EXPECT_EQ(Mark(u".", false, true), u"．");
  EXPECT_EQ(Mark(u".", false, false), u".");
  EXPECT_EQ(Mark(u"5", true, false), u"5");
  EXPECT_EQ(Mark(u"5", true, true), u"５");
  EXPECT_EQ(Mark(u"5", false, true), u"５");
  EXPECT_EQ(Mark(u"\\", true, true), u"、");
  EXPECT_EQ(Mark(u"\\", false, true), u"＼");
  EXPECT_EQ(Mark(u"[", true, false), u"【");
  EXPECT_EQ(Mark(u"[", true, true), u"［");
  // The grave accent keeps its plain form when only full-width is on.
  EXPECT_EQ(Mark(u"`", false, true), u"`");
  EXPECT_EQ(Mark(u"`", true, false), u"·");
}

TEST(PunctuationTable, ShiftedDigitRowsIncludingTwoCharacterMarks) {
  EXPECT_EQ(Mark(u"$", true, false), u"\uFFE5");
  EXPECT_EQ(Mark(u"$", false, true), u"＄");
  EXPECT_EQ(Mark(u"^", true, false), u"\u2026\u2026");
  EXPECT_EQ(Mark(u"^", false, true), u"︿");
  EXPECT_EQ(Mark(u"_", true, true), u"\u2014\u2014");
  EXPECT_EQ(Mark(u"*", true, false), u"*");
  EXPECT_EQ(Mark(u"*", true, true), u"×");
}

TEST(PunctuationTable, CurlyQuotesPairAndEachKindKeepsItsOwnToggle) {
  Toggles toggles;
  EXPECT_EQ(Mark(u"'", true, false, toggles), u"\u2018");
  EXPECT_EQ(toggles.single, 1u);
  EXPECT_EQ(Mark(u"\"", true, true, toggles), u"\u201C");
  EXPECT_EQ(Mark(u"'", true, true, toggles), u"\u2019");
  EXPECT_EQ(Mark(u"'", true, false, toggles), u"\u2018");
  EXPECT_EQ(Mark(u"\"", true, false, toggles), u"\u201D");
  EXPECT_EQ(toggles.single, 1u);
  EXPECT_EQ(toggles.dual, 0u);

  // Full-width alone gives the straight full-width quotes and leaves the pairing where it was.
  EXPECT_EQ(Mark(u"'", false, true, toggles), u"＇");
  EXPECT_EQ(Mark(u"\"", false, true, toggles), u"＂");
  EXPECT_EQ(toggles.single, 1u);
  EXPECT_EQ(toggles.dual, 0u);
  EXPECT_EQ(Mark(u"'", true, false, toggles), u"\u2019");
}

TEST(PunctuationTable, OnlyAWholeTypedCharacterMatches) {
  Toggles toggles;
  EXPECT_EQ(Mark(u"a", true, false, toggles), u"<none>");
  EXPECT_EQ(Mark(u",,", true, false, toggles), u"<none>");
  EXPECT_EQ(Mark(u"", true, false, toggles), u"<none>");
  EXPECT_EQ(Mark(u"\u2018", true, false, toggles), u"<none>");
  EXPECT_EQ(toggles.single, 0u);
}

}  // namespace
}  // namespace kellavor::core
