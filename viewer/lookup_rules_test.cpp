#include "viewer/lookup_rules.h"

#include <gtest/gtest.h>

#include "ime/core/detail_document.h"
#include "ime/ui/site_addresses.h"

namespace kellavor::viewer {
namespace {

constexpr std::string_view kTemplate = "<cfg><word>@word</word><sentence>@sent</sentence></cfg>";

TEST(LookupRulesTest, TheModulesDocumentForMaedchenGivesItsLookupAddress) {
  const std::string document = core::BuildDetailDocument(kTemplate, u"Mädchen", std::nullopt);
  const std::optional<std::string> word = WordOfDetailDocument(document);
  ASSERT_EQ(word, "M%c3%a4dchen");
  EXPECT_EQ(ui::LookupAddress("127.0.0.1:8794", *word), "http://127.0.0.1:8794/dicts/ImeSearch?word=M%c3%a4dchen");
  EXPECT_EQ(WordOfDetailDocument("\xEF\xBB\xBF" + document), word) << "a byte-order mark is skipped";
}

TEST(LookupRulesTest, DocumentsWithoutAUsableWordGiveNone) {
  EXPECT_EQ(WordOfDetailDocument(kTemplate), std::nullopt) << "the placeholder";
  EXPECT_EQ(WordOfDetailDocument("<cfg><word></word></cfg>"), std::nullopt);
  EXPECT_EQ(WordOfDetailDocument("<cfg><word>Haus</cfg>"), std::nullopt);
  EXPECT_EQ(WordOfDetailDocument("Haus</word>"), std::nullopt);
  EXPECT_EQ(WordOfDetailDocument(""), std::nullopt);
  EXPECT_EQ(WordOfDetailDocument("x</word><word>Haus</word>"), "Haus") << "the closing tag after the opening one";
  EXPECT_EQ(WordOfDetailDocument("<word>Haus#x&y=z</word>"), std::nullopt) << "not written by the module";
  EXPECT_EQ(WordOfDetailDocument("<word>a b</word>"), std::nullopt);
}

TEST(LookupRulesTest, OnlyTheExactMarkerBetweenTheFirstImeTagsIsSuccess) {
  EXPECT_TRUE(LookupSucceeded("<p><ime><!--imesuccess--></ime></p>"));
  EXPECT_FALSE(LookupSucceeded("<ime> <!--imesuccess--></ime>")) << "a blank after the opening tag";
  EXPECT_FALSE(LookupSucceeded("<ime><!--imesuccess--> </ime>"));
  EXPECT_FALSE(LookupSucceeded("<ime></ime><ime><!--imesuccess--></ime>")) << "only the first pair counts";
  EXPECT_FALSE(LookupSucceeded("<!--imesuccess-->"));
  EXPECT_FALSE(LookupSucceeded("<IME><!--imesuccess--></IME>"));
  EXPECT_FALSE(LookupSucceeded(""));
}

TEST(LookupRulesTest, NavigationsLoadOnlyLookupPagesOfTheHostAndHandOnlyWebAddressesToTheShell) {
  const std::string host = "127.0.0.1:8794";
  EXPECT_EQ(DecideNavigation("about:blank", host), Navigation::kProceed);
  EXPECT_EQ(DecideNavigation("http://127.0.0.1:8794/dicts/ImeSearch?word=Haus", host), Navigation::kProceed);
  EXPECT_EQ(DecideNavigation("HTTP://127.0.0.1:8794/dicts/ImeSearch?word=Haus", host), Navigation::kProceed);
  EXPECT_EQ(DecideNavigation("http://127.0.0.1:8794/dict/Haus", host), Navigation::kOpenInBrowser);
  EXPECT_EQ(DecideNavigation("http://evil.example/dicts/ImeSearch?word=x", host), Navigation::kOpenInBrowser)
      << "a lookup page of another host is not loaded in the form";
  EXPECT_EQ(DecideNavigation("http://127.0.0.1:8794.evil.example/dicts/ImeSearch?word=x", host),
            Navigation::kOpenInBrowser);
  EXPECT_EQ(DecideNavigation("http://127.0.0.1:8794/dicts/imesearch?word=x", host), Navigation::kOpenInBrowser);
  EXPECT_EQ(DecideNavigation("https://example.org/", host), Navigation::kOpenInBrowser);
  EXPECT_EQ(DecideNavigation("file:///C:/x.exe?http", host), Navigation::kCancel);
  EXPECT_EQ(DecideNavigation("file:///C:/ImeSearch/x.exe", host), Navigation::kCancel);
  EXPECT_EQ(DecideNavigation("javascript:alert('http://')", host), Navigation::kCancel);
  EXPECT_EQ(DecideNavigation("mailto:http@example.org", host), Navigation::kCancel);
  EXPECT_EQ(DecideNavigation("", host), Navigation::kCancel);
}

TEST(LookupRulesTest, SiteHostsSplitIntoHostAndPort) {
  const std::optional<SiteEndpoint> local = ParseSiteHost("127.0.0.1:8794");
  ASSERT_TRUE(local.has_value());
  EXPECT_EQ(local->host, "127.0.0.1");
  EXPECT_EQ(local->port, 8794);
  EXPECT_TRUE(IsLoopback(*local));
  const std::optional<SiteEndpoint> remote = ParseSiteHost("dict.example");
  ASSERT_TRUE(remote.has_value());
  EXPECT_EQ(remote->port, 80);
  EXPECT_FALSE(IsLoopback(*remote));
  EXPECT_EQ(ParseSiteHost("host:"), std::nullopt);
  EXPECT_EQ(ParseSiteHost("host:70000"), std::nullopt);
  EXPECT_EQ(ParseSiteHost(":80"), std::nullopt);
}

}  // namespace
}  // namespace kellavor::viewer
