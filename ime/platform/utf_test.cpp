#include "ime/platform/utf.h"

#include <gtest/gtest.h>

namespace kellavor::platform {
namespace {

TEST(Utf, RoundTripsEveryPlane) {
  const std::u16string text = u"Straße 国語 \U0001F600 a";
  EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
  EXPECT_EQ(Utf16ToUtf8(u"ß"), "\xC3\x9F");
}

TEST(Utf, IllFormedInputBecomesReplacementCharacters) {
  // A lone continuation byte, an overlong encoding, a truncated sequence and an encoded surrogate.
  EXPECT_EQ(Utf8ToUtf16("a\x80" "b"), u"a\uFFFDb");
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToUtf16("\xE5\x9B"), u"\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");
  // Unpaired surrogates in UTF-16.
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{u'\xDC00', u'a'}), "\xEF\xBF\xBD" "a");
}

}  // namespace
}  // namespace kellavor::platform
