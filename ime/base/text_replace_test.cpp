#include "ime/base/text_replace.h"

#include <gtest/gtest.h>

namespace kellavor::base {
namespace {

TEST(ReplaceAll, ReplacesNonOverlappingOccurrencesLeftToRight) {
  EXPECT_EQ(ReplaceAll(u"aaa", u"aa", u"b"), u"ba");
  EXPECT_EQ(ReplaceAll(u"a,b,,c", u",", u", "), u"a, b, , c");
  EXPECT_EQ(ReplaceAll(u"x", u"x", u"xx"), u"xx") << "inserted text is not searched again";
  EXPECT_EQ(ReplaceAll(u"北京北京", u"北京", u""), u"");
  EXPECT_EQ(ReplaceAll(u"ab", u"b", u"日本語"), u"a日本語") << "a long replacement of a short text";
}

TEST(ReplaceAll, ReportsNoOccurrenceAsNothing) {
  EXPECT_FALSE(ReplaceAll(u"abc", u"x", u"y").has_value()) << "not a copy";
  EXPECT_FALSE(ReplaceAll(u"abc", u"", u"y").has_value());
  EXPECT_FALSE(ReplaceAll(u"", u"a", u"y").has_value());
  EXPECT_FALSE(ReplaceAll(u"ab", u"abc", u"y").has_value());
}

TEST(ReplaceAllNarrow, FillsPlaceholdersAndAlwaysTerminates) {
  std::string page = "<a href=\"/dict/@word\">@word</a> @sent";
  ReplaceAllNarrow(page, "@word", "Stra%c3%9fe");
  ReplaceAllNarrow(page, "@sent", "");
  EXPECT_EQ(page, "<a href=\"/dict/Stra%c3%9fe\">Stra%c3%9fe</a> ");

  std::string text = "@word";
  ReplaceAllNarrow(text, "@word", "[@word]");
  EXPECT_EQ(text, "[@word]") << "a replacement containing the placeholder is inserted once";

  std::string unchanged = "abc";
  ReplaceAllNarrow(unchanged, "", "x");
  EXPECT_EQ(unchanged, "abc");

  std::string self = "a-a";
  ReplaceAllNarrow(self, std::string_view(self).substr(0, 1), std::string_view(self).substr(1, 1));
  EXPECT_EQ(self, "---") << "find and replacement may be views into the text itself";
}

}  // namespace
}  // namespace kellavor::base
