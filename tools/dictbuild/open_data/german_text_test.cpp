#include "tools/dictbuild/open_data/german_text.h"

#include <gtest/gtest.h>

namespace kellavor::dictbuild {
namespace {

TEST(GermanText, SplitsWordsOutsideRemarks) {
  EXPECT_EQ(GermanWords("Das Haus {n} [arch.] (altes Gebäude) der A-Dur-Tonleiter, etw. -tun 2x"),
            (std::vector<std::u16string>{u"Das", u"Haus", u"der", u"A-Dur-Tonleiter", u"etw", u"tun", u"x"}));
  EXPECT_EQ(GermanWords("Straße – Maße…Größe"), (std::vector<std::u16string>{u"Straße", u"Maße", u"Größe"}));
  EXPECT_TRUE(GermanWords("{unclosed Haus").empty());
}

TEST(GermanText, RecognisesSingleWords) {
  EXPECT_TRUE(IsSingleGermanWord("Haus"));
  EXPECT_TRUE(IsSingleGermanWord("Äpfel"));
  EXPECT_TRUE(IsSingleGermanWord("A-Dur"));
  EXPECT_FALSE(IsSingleGermanWord("A"));
  EXPECT_FALSE(IsSingleGermanWord("-ung"));
  EXPECT_FALSE(IsSingleGermanWord("Haus…"));
  EXPECT_FALSE(IsSingleGermanWord("nach Hause"));
  EXPECT_FALSE(IsSingleGermanWord("z.B."));
  EXPECT_FALSE(IsSingleGermanWord(std::string(65, 'a')));
}

TEST(GermanText, TellsRemarksFromFurtherWords) {
  EXPECT_TRUE(HoldsOnlyRemarks(" {n} [arch.] (alt) /Fam./ "));
  EXPECT_TRUE(HoldsOnlyRemarks(""));
  EXPECT_FALSE(HoldsOnlyRemarks(" {n} der Jugend"));
  EXPECT_FALSE(HoldsOnlyRemarks(" /unclosed"));
}

}  // namespace
}  // namespace kellavor::dictbuild
