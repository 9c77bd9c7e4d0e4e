#include "tools/console/key_script.h"

#include <gtest/gtest.h>

#include "ime/platform/virtual_keys.h"

namespace kellavor::console {

namespace vk = platform::vk;

namespace {

using vk::kControl;
using vk::kShift;

std::vector<ScriptKey> Parse(std::string_view script) {
  std::optional<ScriptError> error;
  std::vector<ScriptKey> keys = ParseKeyScript(script, error);
  EXPECT_FALSE(error.has_value()) << script << ": " << (error ? error->message : "");
  return keys;
}

TEST(KeyScript, CharactersAsTypedOnAUsKeyboard) {
  EXPECT_EQ(Parse("nI,"), (std::vector<ScriptKey>{{"n", {}, 'N'}, {"I", {kShift}, 'I'}, {",", {}, 0xBC}}));
  EXPECT_EQ(Parse("$ "), (std::vector<ScriptKey>{{"$", {kShift}, '4'}, {" ", {}, vk::kSpace}}));
  EXPECT_EQ(Parse("{{}"), (std::vector<ScriptKey>{{"{", {kShift}, 0xDB}, {"}", {kShift}, 0xDD}}));
}

TEST(KeyScript, NamedKeysAndChords) {
  EXPECT_EQ(Parse("{Enter}{esc}{PageDown}{Shift}"),
            (std::vector<ScriptKey>{{"{Enter}", {}, vk::kReturn},
                                    {"{esc}", {}, vk::kEscape},
                                    {"{PageDown}", {}, vk::kNext},
                                    {"{Shift}", {}, kShift}}));
  EXPECT_EQ(Parse("{Ctrl+Shift+L}"), (std::vector<ScriptKey>{{"{Ctrl+Shift+L}", {kControl, kShift}, 'L'}}));
  EXPECT_EQ(Parse("{Shift+Tab}{Ctrl++}"), (std::vector<ScriptKey>{{"{Shift+Tab}", {kShift}, vk::kTab},
                                                                   {"{Ctrl++}", {kControl}, 0xBB}}));
  EXPECT_EQ(Parse("{F2}"), (std::vector<ScriptKey>{{"{F2}", {}, 0x71}}));
}

TEST(KeyScript, MistakesAreReportedWithTheirPlace) {
  std::optional<ScriptError> error;
  EXPECT_TRUE(ParseKeyScript("ab{Entr}", error).empty());
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->position, 2u);
  EXPECT_TRUE(ParseKeyScript("{Hyper+A}", error).empty());
  EXPECT_NE(error->message.find("Hyper"), std::string::npos);
  EXPECT_TRUE(ParseKeyScript("ab{", error).empty());
  EXPECT_TRUE(ParseKeyScript("{}", error).empty());
  EXPECT_TRUE(ParseKeyScript("für", error).empty()) << "ü is no key of the US keyboard";
  EXPECT_EQ(error->position, 1u);
  EXPECT_TRUE(ParseKeyScript("a\nb", error).empty());
}

}  // namespace
}  // namespace kellavor::console
