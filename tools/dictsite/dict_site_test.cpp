// The site on the loopback address over the fixture dictionary, asked as a browser would.
#include "tools/dictsite/dict_site.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "ime/platform/utf.h"
#include "ime/settings/ime_settings.h"
#include "tests/support/fixture_dictionaries.h"

namespace kellavor::dictsite {
namespace {

constexpr std::string_view kMarker = "<ime><!--imesuccess--></ime>";

class DictSiteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(site_.HasDictionary());
    port_ = site_.Bind(0);
    ASSERT_GT(port_, 0);
    server_ = std::thread([this] { site_.Serve(); });
  }
  void TearDown() override {
    site_.Stop();
    if (server_.joinable()) server_.join();
  }

  httplib::Result Get(const std::string& target) {
    httplib::Client client(kLoopbackAddress, port_);
    return client.Get(target);
  }

  DictSite site_{FixtureDictionaryFolder()};
  int port_ = -1;
  std::thread server_;
};

TEST_F(DictSiteTest, AKnownWordIsAnsweredWithItsGlossesAndTheMarker) {
  const httplib::Result result = Get("/dicts/ImeSearch?word=M%c3%a4dchen");
  ASSERT_TRUE(result);
  EXPECT_EQ(result->status, 200);
  EXPECT_EQ(result->get_header_value("Content-Type"), "text/html; charset=utf-8");
  EXPECT_NE(result->body.find(kMarker), std::string::npos);
  EXPECT_NE(result->body.find("<h1>Mädchen</h1>"), std::string::npos);
  EXPECT_NE(result->body.find("<li>女孩</li><li>姑娘</li>"), std::string::npos);

  const httplib::Result haus = Get("/dicts/ImeSearch?word=Haus");
  ASSERT_TRUE(haus);
  EXPECT_NE(haus->body.find(kMarker), std::string::npos);
  EXPECT_NE(haus->body.find("word=H%c3%a4user"), std::string::npos) << "the longer word is linked";
}

TEST_F(DictSiteTest, UnknownHostileAndOversizedWordsGetACleanPageWithoutTheMarker) {
  for (const std::string& target : std::vector<std::string>
       {"/dicts/ImeSearch?word=Quatschwort", "/dicts/ImeSearch?word=haus", "/dicts/ImeSearch?word=",
        "/dicts/ImeSearch", "/dicts/ImeSearch?word=%3cscript%3ealert(1)%3c%2fscript%3e",
        "/dicts/ImeSearch?word=..%2f..%2fdata_de.bin", "/dicts/ImeSearch?word=%ff%fe",
        "/dicts/ImeSearch?word=" + std::string(2000, 'a')}) {
    const httplib::Result result = Get(target);
    ASSERT_TRUE(result) << target;
    EXPECT_EQ(result->status, 200) << target;
    EXPECT_EQ(result->body.find("imesuccess"), std::string::npos) << target;
    EXPECT_EQ(result->body.find("<script>"), std::string::npos) << target;
    EXPECT_EQ(result->body.find(std::string(300, 'a')), std::string::npos) << "an oversized word is not echoed";
    EXPECT_NE(result->get_header_value("Content-Security-Policy").find("default-src 'none'"), std::string::npos);
  }
  const httplib::Result hostile = Get("/dicts/ImeSearch?word=%3cscript%3e");
  ASSERT_TRUE(hostile);
  EXPECT_NE(hostile->body.find("&lt;script&gt;"), std::string::npos);
}

TEST_F(DictSiteTest, TheWordPageListsTheWordsBeginningWithTheTypedLetters) {
  const httplib::Result result = Get("/dict/madc");
  ASSERT_TRUE(result);
  EXPECT_EQ(result->status, 200);
  EXPECT_NE(result->body.find("Mädchen"), std::string::npos) << "a typed for ä";
  EXPECT_NE(result->body.find("女孩"), std::string::npos);
  EXPECT_EQ(result->body.find("imesuccess"), std::string::npos);

  const httplib::Result traversal = Get("/dict/..%2f..%2fetc%2fpasswd");
  ASSERT_TRUE(traversal);
  EXPECT_EQ(traversal->body.find("root:"), std::string::npos);
}

TEST(DictSiteEndpointTest, TheSiteListensWhereTheSettingsLookByDefault) {
  EXPECT_EQ(std::string(kLoopbackAddress) + ":" + std::to_string(kDefaultPort),
            platform::Utf16ToUtf8(settings::kDefaultSiteHost));
}

TEST_F(DictSiteTest, TheHelpPageIsServedAndOtherPathsAreNotFound) {
  const httplib::Result help = Get("/kellavor/input.aspx");
  ASSERT_TRUE(help);
  EXPECT_EQ(help->status, 200);
  EXPECT_NE(help->body.find("Kellavor"), std::string::npos);
  const httplib::Result other = Get("/data_de.bin");
  ASSERT_TRUE(other);
  EXPECT_EQ(other->status, 404);
}

}  // namespace
}  // namespace kellavor::dictsite
