#include "ime/core/composition_text.h"

#include <gtest/gtest.h>

#include <string>

namespace kellavor::core {
namespace {

TEST(CompositionText, WordAroundTheCaret) {
  const std::u16string_view text = u"Wie geht es";
  EXPECT_EQ(WordAroundCaret(text, 0), (TextRange{0, 3}));
  EXPECT_EQ(WordAroundCaret(text, 3), (TextRange{0, 3})) << "the caret just behind a word";
  EXPECT_EQ(WordAroundCaret(text, 4), (TextRange{4, 8})) << "the caret just behind a space";
  EXPECT_EQ(WordAroundCaret(text, 11), (TextRange{9, 11}));
  EXPECT_EQ(WordAroundCaret(u"ich ", 4), (TextRange{4, 4})) << "an empty word behind a trailing space";
  EXPECT_EQ(WordAroundCaret(u"", 0), (TextRange{0, 0}));
}

TEST(CompositionText, SearchKeyIsTheFrontOrTheWord) {
  EXPECT_EQ(SearchKeyOf(u"zhongguo", 0, false), u"zhongguo") << "caret at the front: everything";
  EXPECT_EQ(SearchKeyOf(u"zhongguo", 5, false), u"zhong");
  EXPECT_EQ(SearchKeyOf(u"zhongguo", 8, false), u"zhongguo");
  EXPECT_EQ(SearchKeyOf(u"Hallo Wel", 9, true), u"Wel");
  EXPECT_EQ(SearchKeyOf(u"Hallo Wel", 2, true), u"Hallo");
}

TEST(CompositionText, ReplacingTheWordPutsTheCaretBehindIt) {
  ReplacedWord out;
  ASSERT_TRUE(ReplaceWordAroundCaret(u"Hallo Wel", 9, u"Welt", out));
  EXPECT_EQ(out.composition, u"Hallo Welt");
  EXPECT_EQ(out.cursor, 10u);

  ASSERT_TRUE(ReplaceWordAroundCaret(u"Hau ist", 1, u"Haus", out));
  EXPECT_EQ(out.composition, u"Haus ist");
  EXPECT_EQ(out.cursor, 4u) << "moved on to the space behind the word";

  ASSERT_TRUE(ReplaceWordAroundCaret(u"Straßenbahn fährt", 5, u"Bus", out));
  EXPECT_EQ(out.composition, u"Bus fährt");
  EXPECT_EQ(out.cursor, 3u) << "a shorter word leaves the caret behind it, not in the next word";
}

TEST(CompositionText, AReplacementThatDoesNotFitIsRefused) {
  const std::u16string full(60, u'a');
  ReplacedWord out;
  out.composition = u"unchanged";
  EXPECT_FALSE(ReplaceWordAroundCaret(full + u" bc", 62, u"wxyz", out));
  EXPECT_EQ(out.composition, u"unchanged");
  EXPECT_TRUE(ReplaceWordAroundCaret(full + u" bc", 62, u"xyz", out)) << "exactly 64 units fit";
  EXPECT_EQ(out.composition.size(), kMaxCompositionUnits);
}

TEST(CompositionText, SentenceEnds) {
  EXPECT_TRUE(EndsSentence(u"Danke."));
  EXPECT_TRUE(EndsSentence(u"Wie?"));
  EXPECT_TRUE(EndsSentence(u"Ja!"));
  EXPECT_TRUE(EndsSentence(u"Wie geht "));
  EXPECT_FALSE(EndsSentence(u"Wie geht es"));
  EXPECT_FALSE(EndsSentence(u""));
}

}  // namespace
}  // namespace kellavor::core
