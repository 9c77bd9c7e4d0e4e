#include "tools/dictbuild/open_data/dictd_file.h"

#include <gtest/gtest.h>

namespace kellavor::dictbuild {
namespace {

TEST(DictdFile, ReadsEachArticleOnceInBodyOrder) {
  // Offsets and lengths in dictd's base 64: A = 0, ..., Z = 25, a = 26, ..., BA = 64.
  // Haus starts at 17 (R), Hund at 28 (c).
  std::string body = "00-database-info\nHaus\nhouse\nHund\ndog\n";
  body += std::string(64 - body.size(), '.') + "Baum\ntree\n";
  const std::string index =
      "00-database-info\tA\tR\n"
      "hund\tc\tI\n"
      "haus\tR\tL\n"
      "Haus\tR\tL\n"     // the same article under a second key
      "baum\tBA\tK\n"
      "weit\tZZZZ\tB\n"  // beyond the body
      "kurz\tB\t*\n"     // not a number
      "leer\tB\tA\n";    // empty
  const std::vector<std::string_view> articles = DictdArticles(index, body);
  ASSERT_EQ(articles.size(), 3u);
  EXPECT_EQ(articles[0], "Haus\nhouse\n");
  EXPECT_EQ(articles[1], "Hund\ndog");
  EXPECT_EQ(articles[2], "Baum\ntree\n");
}

TEST(DictdFile, RejectsASpanReachingPastTheBody) {
  EXPECT_TRUE(DictdArticles("a\tA\tF\n", "abcd").empty());
  EXPECT_EQ(DictdArticles("a\tA\tE\n", "abcd").size(), 1u);
}

}  // namespace
}  // namespace kellavor::dictbuild
