#include "ime/ui/win32/start_program.h"

#include <windows.h>

#include <string>

#include "ime/platform/win32/wide.h"
#include "ime/ui/program_command_line.h"

namespace kellavor::ui {
namespace {

// The line in the ANSI code page, or empty when a character has no place in it.
std::string ToAnsi(const std::u16string& line) {
  const UINT codePage = GetACP();
  // UTF-8 as the ANSI code page takes every character and no substitution flags.
  const bool exact = codePage == CP_UTF8;
  const DWORD flags = exact ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL substituted = FALSE;
  BOOL* substitutedOut = exact ? nullptr : &substituted;
  const int units = static_cast<int>(line.size());
  const int bytes =
      WideCharToMultiByte(codePage, flags, platform::Wide(line), units, nullptr, 0, nullptr, substitutedOut);
  if (bytes <= 0 || substituted) return {};
  std::string ansi(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(codePage, flags, platform::Wide(line), units, ansi.data(), bytes, nullptr, nullptr);
  return ansi;
}

}  // namespace

bool StartProgram(const std::u16string& folder, const std::u16string& file, const std::u16string& arguments, int show) {
  const std::string command = ToAnsi(ProgramCommandLine(folder, file, arguments));
  if (command.empty() || command.size() > kMaxCommandLineBytes) return false;
  return WinExec(command.c_str(), static_cast<UINT>(show)) > 31;
}

}  // namespace kellavor::ui
