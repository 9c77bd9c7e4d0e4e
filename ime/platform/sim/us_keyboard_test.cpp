#include "ime/platform/sim/us_keyboard.h"

#include <gtest/gtest.h>

#include "ime/platform/virtual_keys.h"

namespace kellavor::platform {
namespace {

using vk::kCapital;
using vk::kControl;
using vk::kMenu;
using vk::kShift;

KeyState With(std::initializer_list<uint32_t> held, bool capsLock = false) {
  KeyState state {};
  for (uint32_t key : held) state[key] = 0x80;
  if (capsLock) state[kCapital] = 0x01;
  return state;
}

std::u16string Type(uint32_t key, const KeyState& state) { return UsKeyboardToAscii(key, 0x1E, state); }

TEST(UsKeyboard, LettersFollowShiftAndCapsLock) {
  EXPECT_EQ(Type('A', With({})), u"a");
  EXPECT_EQ(Type('A', With({kShift})), u"A");
  EXPECT_EQ(Type('Z', With({}, true)), u"Z");
  EXPECT_EQ(Type('Z', With({kShift}, true)), u"z");
  // Caps Lock leaves digits and symbols alone.
  EXPECT_EQ(Type('4', With({}, true)), u"4");
  EXPECT_EQ(Type(0xDE, With({}, true)), u"'");
}

TEST(UsKeyboard, DigitsAndSymbolKeysWithAndWithoutShift) {
  const std::u16string plain = u"0123456789;=,-./`[\\]'";
  const std::u16string shifted = u")!@#$%^&*(:+<_>?~{|}\"";
  const uint32_t keys[] = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 0xBA,
                           0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0xC0, 0xDB, 0xDC, 0xDD, 0xDE};
  for (size_t i = 0; i < std::size(keys); ++i) {
    EXPECT_EQ(Type(keys[i], With({})), plain.substr(i, 1)) << keys[i];
    EXPECT_EQ(Type(keys[i], With({kShift})), shifted.substr(i, 1)) << keys[i];
  }
}

TEST(UsKeyboard, NumericPadTypesTheSameWhateverTheModifiers) {
  EXPECT_EQ(Type(0x60, With({})), u"0");
  EXPECT_EQ(Type(0x69, With({kShift})), u"9");
  EXPECT_EQ(Type(0x6B, With({kControl})), u"+");
  EXPECT_EQ(Type(0x6D, With({})), u"-");
  EXPECT_EQ(Type(0x6E, With({})), u".");
  EXPECT_EQ(Type(0x6C, With({})), u"");
}

TEST(UsKeyboard, ControlChordsAndKeysWithoutCharacters) {
  EXPECT_EQ(Type('A', With({kControl})), std::u16string(1, 0x01));
  EXPECT_EQ(Type('V', With({kControl, kShift})), std::u16string(1, 0x16));
  EXPECT_EQ(Type(0xDB, With({kControl})), std::u16string(1, 0x1B));
  EXPECT_EQ(Type('1', With({kControl})), u"");
  EXPECT_EQ(Type(0xBC, With({kControl})), u"");
  // AltGr (Ctrl+Alt) types nothing on this layout; Alt alone leaves the character as it is.
  EXPECT_EQ(Type('A', With({kControl, kMenu})), u"");
  EXPECT_EQ(Type('A', With({kMenu})), u"a");
  EXPECT_EQ(Type(0x20, With({})), u" ");
  EXPECT_EQ(Type(0x0D, With({})), u"\r");
  EXPECT_EQ(Type(0x25, With({})), u"");  // Left
  EXPECT_EQ(Type(kShift, With({kShift})), u"");
}

TEST(UsKeyboard, AReleaseTypesNothing) {
  EXPECT_EQ(UsKeyboardToAscii('A', 0x1E | 0x8000, With({})), u"");
  EXPECT_EQ(UsKeyboardToAscii(0x300, 0x1E, With({})), u"");
}

TEST(UsKeyboard, EveryPrintableCharacterHasTheKeyThatTypesIt) {
  for (char16_t c = 0x20; c < 0x7F; ++c) {
    const std::optional<UsKey> key = UsKeyboardKeyFor(c);
    ASSERT_TRUE(key.has_value()) << static_cast<int>(c);
    KeyState state{};
    if (key->shift) state[0x10] = 0x80;
    EXPECT_EQ(UsKeyboardToAscii(key->virtualKey, 0, state), std::u16string(1, c)) << static_cast<int>(c);
  }
  EXPECT_EQ(UsKeyboardKeyFor(u'ä'), std::nullopt);
  EXPECT_EQ(UsKeyboardKeyFor(u'\n'), std::nullopt);
}

}  // namespace
}  // namespace kellavor::platform
