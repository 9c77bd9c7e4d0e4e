#include "ime/ui/win32/theme_files.h"

#include "ime/settings/ini_file.h"
#include "ime/ui/win32/skin_bitmaps.h"

namespace kellavor::ui {
namespace {

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

LoadedSkin BuiltIn(HINSTANCE instance, bool combined, bool vertical) {
  LoadedSkin loaded{BuiltInPanelSkin(combined, vertical), {}};
  loaded.bitmaps.push_back(LoadSkinImage(instance, u"", loaded.skin.composition.imageResource));
  loaded.bitmaps.push_back(combined ? nullptr : LoadSkinImage(instance, u"", loaded.skin.candidate.imageResource));
  if (combined) {
    for (uint16_t id : {kPageUpBitmap, kPageDownBitmap, kLookupBitmap}) loaded.bitmaps.push_back(LoadSkinImage(instance, u"", id));
  }
  return loaded;
}

}  // namespace

void LoadedSkin::Free() {
  for (HBITMAP bitmap : bitmaps) {
    if (bitmap != nullptr) DeleteObject(bitmap);
  }
  bitmaps.clear();
}

LoadedSkin ReadPanelSkin(HINSTANCE instance, const settings::ImeSettings& settings, const std::u16string& themeFolder,
                         const PanelSkin& previous) {
  const bool combined = settings.iscomb != 0;
  const bool vertical = settings.showmode != 0;
  if (settings.usetheme == 0 || themeFolder.empty()) return BuiltIn(instance, combined, vertical);
  settings::IniFile theme;
  theme.Load(themeFolder + u"theme.ini");
  std::optional<PanelSkin> skin = ReadThemePanelSkin(theme, themeFolder, combined, vertical, previous);
  if (!skin.has_value()) return BuiltIn(instance, combined, vertical);
  LoadedSkin loaded{std::move(*skin), {}};
  loaded.bitmaps.push_back(LoadSkinImage(instance, loaded.skin.composition.imageFile, 0));
  loaded.bitmaps.push_back(combined ? nullptr : LoadSkinImage(instance, loaded.skin.candidate.imageFile, 0));
  if (loaded.bitmaps[0] == nullptr || (!combined && loaded.bitmaps[1] == nullptr)) {
    loaded.Free();
    return BuiltIn(instance, combined, vertical);
  }
  return loaded;
}

int ListThemes(const std::u16string& installFolder, const std::u16string& userFolder, const std::u16string& themeFolder,
               std::vector<std::u16string>& paths, std::vector<std::u16string>& names) {
  settings::IniFile theme;
  theme.Load(themeFolder + u"theme.ini");
  const std::u16string current = theme.ReadString(u"General", u"NAME").value_or(u"");
  for (const std::u16string& folder : {installFolder, userFolder}) {
    if (folder.empty()) continue;
    const std::u16string themes = folder + u"themes\\";
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(Wide(themes + u"*.thm"), &found);
    if (search == INVALID_HANDLE_VALUE) continue;
    do {
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
      const std::u16string name(reinterpret_cast<const char16_t*>(found.cFileName));
      paths.push_back(themes + name);
      names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  return CurrentThemeIndex(names, current);
}

bool ApplyTheme(const std::u16string& installFolder, const std::u16string& packagePath) {
  std::u16string line = ThemeCommandLine(installFolder, packagePath);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(nullptr, reinterpret_cast<wchar_t*>(line.data()), nullptr, nullptr, FALSE,
                                      CREATE_NO_WINDOW | NORMAL_PRIORITY_CLASS, nullptr,
                                      installFolder.empty() ? nullptr : Wide(installFolder), &startup, &process);
  if (!started) return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace kellavor::ui
