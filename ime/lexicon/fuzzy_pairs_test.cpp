#include "ime/lexicon/fuzzy_pairs.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/test_folder.h"

namespace kellavor::lexicon {
namespace {

std::string Pair(std::u16string_view value) {
  const std::optional<FuzzyPair> pair = ParseFuzzyPair(value);
  if (!pair) return "none";
  return std::string(pair->a().begin(), pair->a().end()) + "|" + std::string(pair->b().begin(), pair->b().end());
}

TEST(FuzzyPairs, AValueHoldsTwoSoundsBetweenSeparators) {
  EXPECT_EQ(Pair(u"z,zh"), "z|zh");
  EXPECT_EQ(Pair(u";;\t,an;\r\nang,eng,ing"), "an|ang") << "leading separators skipped, further tokens ignored";
  EXPECT_EQ(Pair(u"z, zh"), "z| zh") << "a blank belongs to the sound";
  EXPECT_EQ(Pair(u"uang,iangg"), "uang|iangg");
  EXPECT_EQ(Pair(u"zh,z"), "z|zh") << "the shorter sound first";
  EXPECT_EQ(Pair(u"l,n"), "l|n");
  EXPECT_EQ(Pair(u"zhuang,zhuangg"), "none") << "sounds longer than six letters do not fit";
  EXPECT_EQ(Pair(u"zh"), "none");
  EXPECT_EQ(Pair(u",,;"), "none");
  EXPECT_TRUE(ParseFuzzyPair(u"n,l")->crossesInitials());
  EXPECT_FALSE(ParseFuzzyPair(u"z,zh")->crossesInitials());
}

TEST(FuzzyPairs, LoadsKeysOneToTwentyTwoOnlyWhenSwitchedOn) {
  TestFolder folder("FuzzyPairs");
  const std::u16string path = folder.Path(u"mohuyin.Ini");
  {
    std::ofstream file(folder.Native() / "mohuyin.Ini");
    file << "[Other]\n1=c,ch\n[Fuzzy]\n2=n,l\n1=z,zh\n3=\n4=an\n5=f,h\n23=r,l\n7=longsound,x\n22=en,eng\n";
  }
  FuzzyPairList list;
  list.LoadFuzzyPairs(path, true);
  std::string loaded;
  for (const FuzzyPair& pair : list.Pairs()) loaded += std::string(pair.a().begin(), pair.a().end()) + "|" + std::string(pair.b().begin(), pair.b().end()) + " ";
  EXPECT_EQ(loaded, "z|zh n|l f|h en|eng ") << "in the order of the keys";

  list.LoadFuzzyPairs(path, false);
  EXPECT_TRUE(list.Pairs().empty());
  list.LoadFuzzyPairs(folder.Path(u"missing.Ini"), true);
  EXPECT_TRUE(list.Pairs().empty());
}

}  // namespace
}  // namespace kellavor::lexicon
