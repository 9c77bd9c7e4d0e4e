#include "ime/ui/panel_text.h"

#include <gtest/gtest.h>

namespace kellavor::ui {
namespace {

TEST(PanelText, LabelsKeyHintAndExtensionA) {
  EXPECT_EQ(NumberLabel(1), u" 1. ");
  EXPECT_EQ(NumberLabel(9), u" 9. ");
  EXPECT_EQ(NumberLabel(10), u" 0. ") << "the tenth is chosen with 0";
  EXPECT_TRUE(KeyHintShown(4));
  EXPECT_FALSE(KeyHintShown(5));
  EXPECT_EQ(KeyHint(false), u"  <- 按空格键直接输入");
  EXPECT_EQ(KeyHint(true), u"  <- 按回车键直接输入");
  EXPECT_TRUE(IsExtensionA(0x3400));
  EXPECT_TRUE(IsExtensionA(0x4DB5));
  EXPECT_FALSE(IsExtensionA(0x4DB6));
  EXPECT_FALSE(IsExtensionA(0x33FF));
}

TEST(PanelText, TheTypedPartIsTheWordOfTheCompositionAtTheSplit) {
  EXPECT_EQ(TypedPartLength(u"Hallo Wel", 9, 4), 3u) << "Welt: Wel stands out";
  EXPECT_EQ(TypedPartLength(u"Hallo Wel", 3, 5), 5u) << "the word Hallo, cut to the candidate";
  EXPECT_EQ(TypedPartLength(u"Hallo Wel", 3, 9), 5u);
  EXPECT_EQ(TypedPartLength(u"", 0, 4), 0u);
  EXPECT_EQ(TypedPartLength(u"Haus", 40, 9), 4u) << "a split beyond the end counts as the end";
}

}  // namespace
}  // namespace kellavor::ui
