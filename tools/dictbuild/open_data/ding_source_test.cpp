#include "tools/dictbuild/open_data/ding_source.h"

#include <gtest/gtest.h>

namespace kellavor::dictbuild {
namespace {

TEST(DingSource, ReadsASingleWordArticle) {
  const DingArticle article = ParseDingArticle("gehen\n {vi} (zu Fuß)\n   to go {went; gone}; to walk\n");
  EXPECT_EQ(article.headword, "gehen");
  EXPECT_EQ(article.german, "gehen {vi} (zu Fuß)");
  EXPECT_EQ(article.english, "to go {went; gone}; to walk");
  EXPECT_TRUE(article.singleWord);
  EXPECT_EQ(DingSenses(article.english), (std::vector<std::string_view>{"to go {went; gone}", "to walk"}));
}

TEST(DingSource, TellsPhrasesFromSingleWords) {
  EXPECT_FALSE(ParseDingArticle("Haus\n {n} der Jugend\n   youth centre\n").singleWord);
  EXPECT_FALSE(ParseDingArticle("Haus…\n\n   domestic\n").singleWord);
  EXPECT_FALSE(ParseDingArticle("Geht\n das schon?\n   Is it ready?\n").singleWord);
  EXPECT_TRUE(ParseDingArticle("Familie\n {f} /Fam./\n   family\n").singleWord);
  EXPECT_TRUE(ParseDingArticle("Häuser\n {pl}\n   houses\n").singleWord);
  EXPECT_TRUE(ParseDingArticle("heute\n\n   today\n").singleWord);
  EXPECT_TRUE(ParseDingArticle("bedeutend\n {adj}\n   significant\n").adjective);
  EXPECT_FALSE(ParseDingArticle("bedeutend\n\n   meaning\n").adjective);

  const DingArticle verb = ParseDingArticle("etw. kaufen\n\n   to buy sth.\n");
  EXPECT_TRUE(verb.singleWord) << "a verb's objects are not part of the word";
  EXPECT_EQ(verb.headword, "kaufen");
  EXPECT_EQ(verb.german, "etw. kaufen");
  EXPECT_EQ(ParseDingArticle("jdm./etw. helfen\n\n   to help sb.\n").headword, "helfen");
}

TEST(DingSource, JoinsWrappedLines) {
  const DingArticle article = ParseDingArticle(
      "die\n (alten) Arme\nwieder öffnen {vt}\n   to open your\narms again; to reopen\n");
  EXPECT_EQ(article.german, "die (alten) Arme wieder öffnen {vt}");
  EXPECT_EQ(article.english, "to open your arms again; to reopen");
  EXPECT_FALSE(article.singleWord);
}

TEST(DingSource, SkipsEmptySenses) {
  EXPECT_EQ(DingSenses(" dog ;; hound (hunting) ; "), (std::vector<std::string_view>{"dog", "hound (hunting)"}));
}

}  // namespace
}  // namespace kellavor::dictbuild
