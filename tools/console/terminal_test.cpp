#include "tools/console/terminal.h"

#include <gtest/gtest.h>

#include "ime/platform/virtual_keys.h"

namespace kellavor::console {

namespace vk = platform::vk;

namespace {

using Kind = TerminalInput::Kind;

ScriptKey KeyOf(std::string_view bytes) {
  const TerminalInput input = DecodeTerminalSequence(bytes);
  EXPECT_EQ(input.kind, Kind::kKey) << bytes;
  return input.key;
}

TEST(Terminal, SequencesStandForTheirKeys) {
  EXPECT_EQ(KeyOf("\x1b[A").virtualKey, vk::kUp);
  EXPECT_EQ(KeyOf("\x1bOD").virtualKey, vk::kLeft);
  EXPECT_EQ(KeyOf("\x1b[5~").virtualKey, vk::kPrior);
  EXPECT_EQ(KeyOf("\x1b[3~").virtualKey, vk::kDelete);
  EXPECT_EQ(KeyOf("\x1b").virtualKey, vk::kEscape);
  EXPECT_EQ(KeyOf("\x7f").virtualKey, vk::kBack);
  EXPECT_EQ(KeyOf("\r").virtualKey, vk::kReturn);
  EXPECT_EQ(KeyOf("N"), (ScriptKey{"N", {vk::kShift}, 'N'}));
  EXPECT_EQ(KeyOf("{"), (ScriptKey{"{", {vk::kShift}, 0xDB}));
}

TEST(Terminal, FunctionKeysStandForWhatATerminalCannotSend) {
  EXPECT_EQ(KeyOf("\x1bOQ"), (ScriptKey{"{Shift}", {}, vk::kShift})) << "F2: Shift tapped alone";
  EXPECT_EQ(KeyOf("\x1b[12~").virtualKey, vk::kShift);
  EXPECT_EQ(KeyOf("\x1b[15~"), (ScriptKey{"{Ctrl+Shift+L}", {vk::kControl, vk::kShift}, 'L'}))
      << "F5: traditional output";
  EXPECT_EQ(KeyOf("\x0c"), (ScriptKey{"{Ctrl+L}", {vk::kControl}, 'L'}));
}

TEST(Terminal, QuitAndUnknownInput) {
  EXPECT_EQ(DecodeTerminalSequence("\x04").kind, Kind::kQuit);
  EXPECT_EQ(DecodeTerminalSequence("\x03").kind, Kind::kQuit);
  EXPECT_EQ(DecodeTerminalSequence("\x1b[99~").kind, Kind::kIgnored);
  EXPECT_EQ(DecodeTerminalSequence("\x1c").kind, Kind::kIgnored);
  EXPECT_EQ(DecodeTerminalSequence("\xc3").kind, Kind::kIgnored);
}

}  // namespace
}  // namespace kellavor::console
