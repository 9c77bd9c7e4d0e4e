// Orrisett.exe, the settings program: without arguments the settings dialog, with "-about" the
// about box. The module starts it both ways from the install folder.
#include <windows.h>

#include <string>
#include <string_view>

#include "ime/module/module_paths.h"
#include "ime/module/win32/application_data_folder.h"
#include "ime/platform/program_arguments.h"
#include "ime/platform/win32/program_folder.h"
#include "settings_program/win32/settings_dialog.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace kellavor;
  const std::u16string line(reinterpret_cast<const char16_t*>(GetCommandLineW()));
  if (platform::ArgumentsOf(line) == u"-about") {
    settings_program::RunAboutBox(instance);
    return 0;
  }
  const std::optional<std::u16string> userFolder = module::UserFolderIn(module::ApplicationDataFolder());
  if (!userFolder) return 1;
  // A user who opens the settings before typing anything gets the shipped config.ini first.
  module::PrepareUserFolder(module::BuildModulePaths(platform::ProgramFolder(), userFolder));
  settings_program::RunSettingsDialog(instance, *userFolder);
  return 0;
}
