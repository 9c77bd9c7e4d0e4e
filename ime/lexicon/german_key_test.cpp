#include "ime/lexicon/german_key.h"

#include <gtest/gtest.h>

namespace kellavor::lexicon {
namespace {

TEST(FoldGermanKey, LowersAsciiAndFoldsUmlautsAndLigatures) {
  EXPECT_EQ(FoldGermanKey(u"Straße"), u"strasse");
  EXPECT_EQ(FoldGermanKey(u"Mädchen"), u"madchen");
  EXPECT_EQ(FoldGermanKey(u"Café crème Noël"), u"cafe creme noel");
  EXPECT_EQ(FoldGermanKey(u"àáâä èéêë íîï óôö ùûü ç ñ"), u"aaaa eeee iii ooo uuu c n");
  EXPECT_EQ(FoldGermanKey(u"Ægæus"), u"Ægaeus") << "only the small ligature is spelled out";
  EXPECT_EQ(FoldGermanKey(u"œuvre"), u"oeuvre");
  EXPECT_EQ(FoldGermanKey(u"it\u2018s\u2019"), u"it's'");
}

TEST(FoldGermanKey, KeepsCapitalUmlautsAndUnlistedLatinOne) {
  EXPECT_EQ(FoldGermanKey(u"Ärger"), u"Ärger");
  EXPECT_EQ(FoldGermanKey(u"ÖLÜ"), u"ÖlÜ");
  EXPECT_EQ(FoldGermanKey(u"ìòõúãå"), u"ìòõúãå");
  EXPECT_EQ(FoldGermanKey(u"\u00FF\u0100"), u"\u00FF\u0100") << "the removed range starts above U+0100";
}

TEST(FoldGermanKey, RemovesTheRangeAboveLatinOne) {
  EXPECT_EQ(FoldGermanKey(u"Œuvre"), u"uvre") << "the capital ligature lies in the removed range";
  EXPECT_EQ(FoldGermanKey(u"\u0101\u00FC"), u"u") << "the unit after a removed one is folded";
  EXPECT_EQ(FoldGermanKey(u"\u0101\u00DC"), u"\u00DC");
  EXPECT_EQ(FoldGermanKey(u"a\u0101\u07CFb\u07D0"), u"ab\u07D0");
  EXPECT_EQ(FoldGermanKey(u"Łódź"), u"od");
  EXPECT_EQ(FoldGermanKey(u"汉语"), u"汉语");
}

TEST(FoldGermanKey, TheQuestionMarkOfAnUnrepresentableUmlautBecomesU) {
  EXPECT_EQ(FoldGermanKey(u"M?nchen"), u"munchen");
  EXPECT_EQ(FoldGermanKey(u""), u"");
}

}  // namespace
}  // namespace kellavor::lexicon
