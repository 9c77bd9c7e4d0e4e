#include "tools/dictsite/site_pages.h"

#include <gtest/gtest.h>

namespace kellavor::dictsite {
namespace {

TEST(CheckedWordTest, TakesWellFormedWordsUpToTheLimitOnly) {
  EXPECT_EQ(CheckedWord("M\xc3\xa4" "dchen"), u"Mädchen");
  EXPECT_EQ(CheckedWord(std::string(kMaxWordBytes, 'a')), std::u16string(kMaxWordBytes, u'a'));
  EXPECT_EQ(CheckedWord(std::string(kMaxWordBytes + 1, 'a')), std::nullopt);
  EXPECT_EQ(CheckedWord(""), std::nullopt);
  EXPECT_EQ(CheckedWord("a\xc3"), std::nullopt) << "cut UTF-8";
  EXPECT_EQ(CheckedWord("a\nb"), std::nullopt);
  EXPECT_EQ(CheckedWord(std::string("a\0b", 3)), std::nullopt);
}

TEST(SitePagesTest, TheLookupPageOfAKnownWordCarriesTheMarkerAndEscapesWhatItShows) {
  WordDetails details;
  details.entry = {"<b>Haus</b>", {"房子", "a&b"}, 900};
  details.variants = {"haus"};
  details.longer = {"Haus\"tür"};
  const std::string page = LookupPage(details);
  EXPECT_NE(page.find("<ime><!--imesuccess--></ime>"), std::string::npos);
  EXPECT_NE(page.find("&lt;b&gt;Haus&lt;/b&gt;"), std::string::npos);
  EXPECT_EQ(page.find("<b>"), std::string::npos);
  EXPECT_NE(page.find("<li>房子</li><li>a&amp;b</li>"), std::string::npos);
  EXPECT_NE(page.find("900"), std::string::npos);
  EXPECT_NE(page.find("<a href=\"/dicts/ImeSearch?word=haus\">haus</a>"), std::string::npos);
  EXPECT_NE(page.find("<a href=\"/dicts/ImeSearch?word=Haus%22t%c3%bcr\">Haus&quot;tür</a>"), std::string::npos);
}

TEST(SitePagesTest, PagesWithoutAKnownWordHaveNoMarker) {
  for (const std::string& page : {UnknownWordPage("<script>x</script>"), UnknownWordPage(""), WordPage("zz", {}),
                                  HelpPage(), NotFoundPage()}) {
    EXPECT_EQ(page.find("imesuccess"), std::string::npos) << page;
    EXPECT_EQ(page.find("<script>"), std::string::npos) << page;
  }
  EXPECT_NE(UnknownWordPage("<script>x</script>").find("&lt;script&gt;x&lt;/script&gt;"), std::string::npos);
}

}  // namespace
}  // namespace kellavor::dictsite
