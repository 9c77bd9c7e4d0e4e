#include "ime/module/win32/ime_module.h"

#include "ime/module/win32/application_data_folder.h"
#include "ime/settings/install_path.h"
#include "ime/settings/win32/ext_event_window.h"
#include "ime/ui/win32/memory_alarm.h"
#include "ime/ui/win32/window_classes.h"

namespace kellavor::module {
namespace {

void ShowFullUserDictionary() { ui::ShowMemoryAlarm(u"ERROR_NOT_ENOUGH_MEMORY", 10, 10); }

std::u16string ThemeFolderOf(const ModulePaths& paths) {
  return paths.themeFolder.empty() ? u"" : paths.themeFolder + u"\\";
}

}  // namespace

ImeModule::ImeModule(HINSTANCE instance)
    : instance_(instance),
      objects_(port_, BuildModulePaths(settings::ReadInstallPath(), UserFolderIn(ApplicationDataFolder())),
               {.softKeyboard = &softKeyboards_,
                .memoryAlarm = &ShowFullUserDictionary,
                .reloadTheme =
                    [this] {
                      panelWindows_.ReloadTheme();
                      statusBar_.ReloadTheme();
                    }}),
      panelWindows_(instance_, objects_.panel(), objects_.settings(),
                    ui::PanelFolders{objects_.paths().installFolder, objects_.paths().userFolder,
                                     ThemeFolderOf(objects_.paths())}),
      softKeyboards_(instance_, objects_.panel()),
      statusBar_(instance_, objects_.settings(), objects_.panel(), objects_.core(), softKeyboards_,
                 ui::StatusBarFolders{objects_.paths().installFolder, objects_.paths().userFolder,
                                      ThemeFolderOf(objects_.paths()), objects_.paths().settingsFile}) {
  uiParts_.settings = &objects_.settings();
  uiParts_.inputPanel = &panelWindows_;
  uiParts_.statusBar = &statusBar_;
  uiParts_.softKeyboard = &softKeyboards_;
  uiParts_.prepareFirstKey = [this] { objects_.lexicon().lexicon().PrepareSearch(); };
  ui::WindowProcedures procedures = ui::PanelWindowProcedures();
  procedures.status = &ui::StatusBar::StatusWindowProc;
  ui::RegisterWindowClasses(instance_, procedures, uiParts_);
  // The event window comes after the objects, so that it never acts on half-made ones.
  eventWindow_ = std::make_unique<PostedTask>(instance_, [this] { settings::CreateExtEventWindow(instance_, objects_); });
}

ImeModule::~ImeModule() {
  if (processEnding_) {
    // The process's windows go with it.
    static_cast<void>(eventWindow_.release());
    return;
  }
  eventWindow_.reset();
  ui::UnregisterWindowClasses(instance_);
  settings::DestroyExtEventWindow(instance_);
}

}  // namespace kellavor::module
