#include "ime/ui/site_addresses.h"

#include <gtest/gtest.h>

namespace kellavor::ui {
namespace {

TEST(SiteAddressesTest, TheWordPageCarriesTheCompositionEncodedSoItCannotLeaveThePath) {
  EXPECT_EQ(WordPageAddress(u"127.0.0.1:8794", u"mädchen"), u"http://127.0.0.1:8794/dict/m%c3%a4dchen");
  EXPECT_EQ(WordPageAddress(u"dict.example", u"a b?c#d/../e"),
            u"http://dict.example/dict/a%20b%3fc%23d%2f%2e%2e%2fe");
}

TEST(SiteAddressesTest, TheLookupAddressTakesTheWordAsEncodedAlready) {
  EXPECT_EQ(LookupAddress("127.0.0.1:8794", "M%c3%a4dchen"), "http://127.0.0.1:8794/dicts/ImeSearch?word=M%c3%a4dchen");
}

}  // namespace
}  // namespace kellavor::ui
