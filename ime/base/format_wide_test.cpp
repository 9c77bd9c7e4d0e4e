#include "ime/base/format_wide.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <string>

namespace kellavor::base {
namespace {

template <typename... Arguments>
std::u16string Format(std::u16string_view format, const Arguments&... arguments) {
  std::array<char16_t, 128> buffer;
  const int written = FormatWide(buffer, format, arguments...);
  EXPECT_EQ(std::u16string(buffer.data()).size(), static_cast<size_t>(written));
  return std::u16string(buffer.data(), static_cast<size_t>(written));
}

TEST(FormatWide, FormatsNumbersWithWidthAndPadding) {
  EXPECT_EQ(Format(u"%04d-%02d-%02d %02d:%02d", 2024, 6, 1, 9, 5), u"2024-06-01 09:05");
  EXPECT_EQ(Format(u"[%5d][%-5d][%05d][%1d]", 42, 42, -42, 123), u"[   42][42   ][-0042][123]");
  EXPECT_EQ(Format(u"%d %d", std::numeric_limits<int64_t>::min(), std::numeric_limits<uint64_t>::max()),
            u"-9223372036854775808 18446744073709551615");
  EXPECT_EQ(Format(u"%u %x %X %lx", -1, -1, 255u, int16_t{-1}), u"4294967295 ffffffff FF ffff")
      << "a negative number prints as the unsigned of its own width";
  EXPECT_EQ(Format(u"%08X", 0xBEEFu), u"0000BEEF");
}

TEST(FormatWide, FormatsTextsAndUnits) {
  const std::u16string owned = u"星期六";
  const char16_t* none = nullptr;
  EXPECT_EQ(Format(u"%s|%ls|%s|%s", u"Straße", owned, std::u16string_view(u"ab"), none), u"Straße|星期六|ab|");
  EXPECT_EQ(Format(u"[%4s][%-4s]", u"ab", u"ab"), u"[  ab][ab  ]");
  EXPECT_EQ(Format(u"%c%c 100%%", 0x4E2D, u'文'), u"中文 100%");
}

TEST(FormatWide, WritesNothingForMissingOrMismatchedArguments) {
  EXPECT_EQ(Format(u"<%d><%s>", u"text", 5), u"<><>");
  EXPECT_EQ(Format(u"%d+%d=", 1), u"1+=");
  EXPECT_EQ(Format(u"%q %5", 1), u"%q %5") << "unknown or unfinished conversions are copied";
  EXPECT_EQ(Format(u"plain", 1, 2), u"plain");
}

TEST(FormatWide, NeverWritesPastTheBufferAndAlwaysTerminates) {
  std::array<char16_t, 8> storage;
  storage.fill(u'#');
  const std::span<char16_t> five(storage.data(), 5);
  EXPECT_EQ(FormatWide(five, u"%s-%d", u"abc", 12345), 4);
  EXPECT_EQ(std::u16string(storage.data(), 8), std::u16string(u"abc-\0###", 8));

  EXPECT_EQ(FormatWide(std::span<char16_t>(storage.data(), 1), u"%05d", 7), 0);
  EXPECT_EQ(storage[0], u'\0');
  storage[0] = u'#';
  EXPECT_EQ(FormatWide(std::span<char16_t>(), u"abc"), 0);
  EXPECT_EQ(storage[0], u'#');

  std::array<char16_t, 4> small;
  EXPECT_EQ(FormatWide(small, u"%99999999999999999999d", 1), 3) << "a huge width is cut, not overflowed";
  EXPECT_EQ(std::u16string(small.data()), u"   ");
}

}  // namespace
}  // namespace kellavor::base
