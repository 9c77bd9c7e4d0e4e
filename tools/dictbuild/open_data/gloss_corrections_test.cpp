#include "tools/dictbuild/open_data/gloss_corrections.h"

#include <gtest/gtest.h>

namespace kellavor::dictbuild {
namespace {

TEST(GlossCorrections, ReadsWordsGlossesAndReasons) {
  const auto corrections = ParseGlossCorrections(
      "# comment\n\nTabelle\t表格|表\ta chart, not furniture\ndass\t\tno Chinese word\n");
  ASSERT_TRUE(corrections);
  EXPECT_EQ(corrections->at(u"Tabelle"), u"表格\\n表");
  EXPECT_EQ(corrections->at(u"dass"), u"");

  EXPECT_FALSE(ParseGlossCorrections("Tabelle\t表格\n")) << "a correction needs its reason";
  EXPECT_FALSE(ParseGlossCorrections("Tabelle\t表格\tx\nTabelle\t表\ty\n")) << "listed twice";
}

}  // namespace
}  // namespace kellavor::dictbuild
