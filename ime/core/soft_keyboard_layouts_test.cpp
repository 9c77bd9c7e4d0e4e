#include "ime/core/soft_keyboard_layouts.h"

#include <gtest/gtest.h>

#include "ime/platform/sim/us_keyboard.h"

namespace kellavor::core {
namespace {

constexpr uint32_t kGrave = 0xC0;

TEST(SoftKeyboardLayouts, GermanLettersLayout) {
  EXPECT_EQ(SoftKeyCharacter(13, '1', false), u'ä');
  EXPECT_EQ(SoftKeyCharacter(13, '1', true), u'Ä');
  EXPECT_EQ(SoftKeyCharacter(13, '3', true), u'Ü');
  EXPECT_EQ(SoftKeyCharacter(13, '4', false), u'ß');
  EXPECT_EQ(SoftKeyCharacter(13, '4', true), u'ß');
  EXPECT_EQ(SoftKeyCharacter(13, kGrave, false), u'€');
  EXPECT_EQ(SoftKeyCharacter(13, kGrave, true), 0);
  EXPECT_EQ(SoftKeyCharacter(13, '5', false), 0);
  EXPECT_EQ(SoftKeyCharacter(13, '0', true), 0);
  EXPECT_EQ(SoftKeyCharacter(13, 0xBB, false), 0);
  EXPECT_EQ(SoftKeyCharacter(13, 'Q', true), u'Q');
  EXPECT_EQ(SoftKeyCharacter(13, 0xDC, true), u'|');
  EXPECT_EQ(SoftKeyCharacter(13, 0xDE, true), u'"');
}

TEST(SoftKeyboardLayouts, GreekAndOtherLayouts) {
  EXPECT_EQ(SoftKeyCharacter(12, 'A', false), u'κ');
  EXPECT_EQ(SoftKeyCharacter(12, 'A', true), u'Κ');
  EXPECT_EQ(SoftKeyCharacter(12, 'L', false), 0);
  for (uint32_t digit = '0'; digit <= '9'; ++digit) EXPECT_EQ(SoftKeyCharacter(12, digit, false), 0);
  EXPECT_EQ(SoftKeyCharacter(1, 0xDE, false), u'’');
  EXPECT_EQ(SoftKeyCharacter(4, 'C', true), u'┶');
  EXPECT_EQ(SoftKeyCharacter(4, 'D', true), u'┶');
  EXPECT_EQ(SoftKeyCharacter(11, 0xDE, false), u'ヱ');
}

TEST(SoftKeyboardLayouts, ThePlainLayoutIsTheUsKeyboard) {
  platform::KeyState plain {};
  platform::KeyState shift {};
  shift[0x10] = 0x80;
  int keys = 0;
  for (uint32_t key = 0; key < 256; ++key) {
    if (!IsSoftKeyboardKey(key)) {
      EXPECT_EQ(SoftKeyCharacter(0, key, false), 0) << key;
      continue;
    }
    ++keys;
    EXPECT_EQ(std::u16string(1, SoftKeyCharacter(0, key, false)), platform::UsKeyboardToAscii(key, 0, plain)) << key;
    EXPECT_EQ(std::u16string(1, SoftKeyCharacter(0, key, true)), platform::UsKeyboardToAscii(key, 0, shift)) << key;
  }
  EXPECT_EQ(keys, 47);
}

TEST(SoftKeyboardLayouts, RecordsOfTheTable) {
  const auto table = SoftKeyboardTable();
  EXPECT_EQ(table[13 * 110 + 16 + 1], u'ä');
  EXPECT_EQ(table[13 * 110 + 63 + 1], u'Ä');
  EXPECT_EQ(table[13 * 110 + 16 + 42], u'€');
  EXPECT_EQ(table[13 * 110 + 4], 0) << "names are NUL-padded to 16 units";
  EXPECT_EQ(table[12 * 110 + 16 + 10], u'κ');
  EXPECT_EQ(SoftKeyboardName(0), u"正常软键盘");
  EXPECT_EQ(SoftKeyboardName(10), u"日文平假名");
  EXPECT_EQ(SoftKeyboardName(13), u"德语字母");
  EXPECT_EQ(SoftKeyboardName(14), u"");
  EXPECT_EQ(SoftKeyCharacter(14, 'A', false), 0);
}

}  // namespace
}  // namespace kellavor::core
