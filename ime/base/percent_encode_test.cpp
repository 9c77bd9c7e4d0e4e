#include "ime/base/percent_encode.h"

#include <gtest/gtest.h>

namespace kellavor::base {
namespace {

TEST(PercentEncode, KeepsTheUnreservedSetAndEncodesEverythingElseInLowerCase) {
  EXPECT_EQ(PercentEncode("Stra\xC3\x9F" "e-1"), "Stra%c3%9fe%2d1");
  EXPECT_EQ(PercentEncode("azAZ09~!*()'"), "azAZ09~!*()'");
  EXPECT_EQ(PercentEncode("-_. @%"), "%2d%5f%2e%20%40%25");
  EXPECT_EQ(PercentEncode(std::string_view("\0\xFF", 2)), "%00%ff");
  const std::array<char, 2> hex = ByteToHex(0xA7);
  EXPECT_EQ(std::string(hex.data(), 2), "a7");
}

TEST(PercentEncode, RecognisesOnlyWhatItCouldHaveWritten) {
  EXPECT_TRUE(IsPercentEncoded(PercentEncode("Stra\xC3\x9F" "e -/?#&=\r\n")));
  EXPECT_TRUE(IsPercentEncoded("M%C3%A4dchen"));
  for (const char* text : {"a b", "a#b", "a&b=c", "a%2", "a%", "%g0", "a/b", "a\nb"}) {
    EXPECT_FALSE(IsPercentEncoded(text)) << text;
  }
}

}  // namespace
}  // namespace kellavor::base
