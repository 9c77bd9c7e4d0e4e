#include "tools/console/interactive.h"

#include <iostream>
#include <string>

#include "ime/core/ime_core.h"
#include "ime/platform/utf.h"
#include "tools/console/terminal.h"

namespace kellavor::console {
namespace {

constexpr const char* kClear = "\x1b[H\x1b[2J";
constexpr const char* kReverse = "\x1b[7m";
constexpr const char* kDim = "\x1b[2m";
constexpr const char* kPlain = "\x1b[0m";

std::string Utf8(std::u16string_view text) { return platform::Utf16ToUtf8(text); }

}  // namespace

std::string Screen(const ConsoleSession& session, const KeyStep* last) {
  const core::InputPanel& panel = session.panel();
  const settings::ImeSettings& settings = session.settings();
  std::string screen = kClear;
  screen += "Kellavor IME console   mode: ";
  screen += settings.inputmode == core::kGermanMode ? "Deutsch" : "拼音 pinyin";
  if (settings.big5mode != 0) screen += "   繁体";
  screen += "\r\n\r\n";

  std::u16string composition = panel.Composition();
  composition.insert(panel.Split(), u"|");
  screen += "  " + Utf8(composition) + "\r\n";
  screen += "  ";
  for (size_t i = 0; i < panel.Entries().size(); ++i) {
    const core::PanelEntry& entry = panel.Entries()[i];
    const bool highlighted = i == panel.Highlight();
    std::string item = std::to_string((i + 1) % 10) + "." + Utf8(entry.text);
    if (highlighted) item = kReverse + item + kPlain;
    if (entry.hint.has_value() && !entry.hint->empty()) item += std::string(" ") + kDim + Utf8(*entry.hint) + kPlain;
    screen += item + (settings.showmode != 0 ? "\r\n  " : "  ");
  }
  if (session.PageCount() > 1) {
    screen += "(" + std::to_string(session.engine().PageIndex() + 1) + "/" + std::to_string(session.PageCount()) + ")";
  }
  screen += "\r\n\r\n";
  std::u16string text = session.text();
  for (size_t at = text.find(u'\n'); at != std::u16string::npos; at = text.find(u'\n', at + 2)) {
    text.replace(at, 1, u"\r\n");
  }
  screen += "Text: " + Utf8(text) + "\r\n\r\n";
  if (last != nullptr) screen += std::string(kDim) + "last key: " + last->key.name + kPlain + "\r\n";
  screen += std::string(kDim) +
            "F2 = Shift tapped alone (pinyin / German)   F5 = Ctrl+Shift+L (traditional)   "
            "Ctrl+C or Ctrl+D quits" +
            kPlain + "\r\n";
  return screen;
}

void RunInteractive(ConsoleSession& session) {
  RawTerminal terminal;
  std::cout << Screen(session, nullptr) << std::flush;
  while (true) {
    const TerminalInput input = ReadTerminalInput();
    if (input.kind == TerminalInput::Kind::kQuit) break;
    if (input.kind != TerminalInput::Kind::kKey) continue;
    const KeyStep step = session.Press(input.key);
    std::cout << Screen(session, &step) << std::flush;
  }
  std::cout << "\r\n";
}

}  // namespace kellavor::console
