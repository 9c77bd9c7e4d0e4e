// Varnello.exe, the theme installer: "-use PACKAGE" installs a theme package as the current theme,
// "-usenone" switches to the built-in skin; then every running module is told to reload its theme.
// It shows nothing: the exit code says what happened (theme_switch.h) and the reason of a refusal
// goes to the debugger output.
#include <windows.h>

#include <string>

#include "ime/module/module_paths.h"
#include "ime/module/win32/application_data_folder.h"
#include "ime/platform/program_arguments.h"
#include "ime/settings/debug_trace.h"
#include "ime/settings/win32/ext_event_broadcast.h"
#include "ime/settings/win32/ext_event_window.h"
#include "theme_installer/theme_switch.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace kellavor;
  const std::u16string line(reinterpret_cast<const char16_t*>(GetCommandLineW()));
  const theme_installer::ThemeCommand command = theme_installer::ParseThemeCommand(platform::ArgumentsOf(line));
  const std::u16string userFolder = module::UserFolderIn(module::ApplicationDataFolder()).value_or(u"");
  const theme_installer::SwitchOutcome outcome = theme_installer::SwitchTheme(command, userFolder);
  if (outcome.result != theme_installer::SwitchResult::kDone) {
    settings::DebugTrace("Varnello: %s", outcome.fault.c_str());
    return static_cast<int>(outcome.result);
  }
  settings::SendToEveryEventWindow(settings::WM_IMEEXT_THEMECHANGED);
  return 0;
}
