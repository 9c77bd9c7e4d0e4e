// kellavor_console: the engine in a terminal on the shipped dictionaries.
//
//   kellavor_console [--keys SCRIPT] [--json] [--data DIR] [--user DIR] [--set SECTION.KEY=VALUE]...
//
// On a terminal without --keys it runs interactively. Otherwise it types the script (given with
// --keys, or read from standard input) and prints after every key a readable line, or with --json
// one JSON object. --data names the installation folder (by default the one the build produced),
// --user the user folder (by default $XDG_DATA_HOME/kellavor-console, else
// ~/.local/share/kellavor-console; a scripted run without --user gets a fresh temporary folder
// that is removed afterwards). --set overrides a setting of config.ini for this run.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "ime/platform/file_system.h"
#include "ime/platform/utf.h"
#include "tools/console/interactive.h"
#include "tools/console/key_report.h"
#include "tools/console/key_script.h"
#include "tools/console/terminal.h"

namespace {

using namespace kellavor;

constexpr const char* kUsage =
    "usage: kellavor_console [--keys SCRIPT] [--json] [--data DIR] [--user DIR] [--set SECTION.KEY=VALUE]...\n"
    "  SCRIPT: characters as typed on a US keyboard; named keys {Space} {Enter} {Esc} {Backspace} {Tab}\n"
    "  {Left} {Right} {Up} {Down} {PageUp} {PageDown} {Home} {End} {Delete}; {Shift} is Shift tapped\n"
    "  alone; chords such as {Ctrl+Shift+L} or {Shift+Tab}; {{ types a '{'.\n";

std::u16string Folder(const std::filesystem::path& path) {
  return std::filesystem::absolute(path).lexically_normal().u16string() + u'/';
}

std::filesystem::path DefaultUserFolder() {
  if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data != '\0') {
    return std::filesystem::path(data) / "kellavor-console";
  }
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home != nullptr ? home : ".") / ".local" / "share" / "kellavor-console";
}

// A fresh folder under the system's temporary folder, removed when the run ends.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("kellavor-console-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace

int main(int argc, char** argv) {
  std::optional<std::string> script;
  bool json = false;
  std::filesystem::path data = KELLAVOR_DEFAULT_DATA;
  std::optional<std::filesystem::path> user;
  std::vector<console::SettingOverride> overrides;

  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    const bool hasValue = i + 1 < argc;
    if (argument == "--json") {
      json = true;
    } else if (argument == "--keys" && hasValue) {
      script = argv[++i];
    } else if (argument == "--data" && hasValue) {
      data = argv[++i];
    } else if (argument == "--user" && hasValue) {
      user = argv[++i];
    } else if (argument == "--set" && hasValue) {
      const std::optional<console::SettingOverride> setting = console::ParseSettingOverride(argv[++i]);
      if (!setting.has_value()) {
        std::cerr << "kellavor_console: --set wants SECTION.KEY=VALUE, not \"" << argv[i] << "\"\n";
        return 2;
      }
      overrides.push_back(*setting);
    } else if (argument == "--help" || argument == "-h") {
      std::cout << kUsage;
      return 0;
    } else {
      std::cerr << "kellavor_console: unknown or incomplete argument \"" << argument << "\"\n" << kUsage;
      return 2;
    }
  }

  const bool interactive = !script.has_value() && console::StandardInputIsTerminal();
  if (!interactive && !script.has_value()) {
    script = std::string(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  }
  std::vector<console::ScriptKey> keys;
  if (script.has_value()) {
    std::optional<console::ScriptError> error;
    keys = console::ParseKeyScript(*script, error);
    if (error.has_value()) {
      std::cerr << "kellavor_console: key script, byte " << error->position << ": " << error->message << "\n";
      return 2;
    }
  }

  if (!platform::FileExists(Folder(data) + u"data_si.bin")) {
    std::cerr << "kellavor_console: no dictionaries in " << data << " (build the install folder, or give --data)\n";
  }
  // A scripted run has dictionaries of its own, so that no other process sees what it learns.
  std::u16string sharedNameSuffix;
  if (!interactive) sharedNameSuffix = u"_console" + platform::Utf8ToUtf16(std::to_string(std::random_device()()));
  std::optional<TemporaryFolder> temporary;
  if (!user.has_value()) {
    if (interactive) {
      user = DefaultUserFolder();
    } else {
      temporary.emplace();
      user = temporary->path();
    }
  }

  console::ConsoleSession session({Folder(data), Folder(*user), overrides, sharedNameSuffix});
  if (interactive) {
    console::RunInteractive(session);
    return 0;
  }
  for (const console::ScriptKey& key : keys) {
    const console::KeyStep step = session.Press(key);
    std::cout << (json ? console::JsonReport(session, step) : console::TranscriptLine(session, step)) << "\n";
  }
  if (!json) std::cout << "text: " << platform::Utf16ToUtf8(session.text()) << "\n";
  return 0;
}
