// Themes on disk: the current theme read into the panel's skin with its bitmaps loaded (or the
// built-in skin in its place), the installed theme packages, and the switch to another theme
// through the theme installer.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ime/settings/ime_settings.h"
#include "ime/ui/panel_skin.h"

namespace kellavor::ui {

struct LoadedSkin {
  PanelSkin skin;
  // The skin's bitmaps, owned: the composition (or combined) bar, the candidate bar (null in the
  // combined layout), then the page up, page down and lookup button images of the combined
  // built-in skin.
  std::vector<HBITMAP> bitmaps;
  HBITMAP composition() const { return bitmaps.empty() ? nullptr : bitmaps[0]; }
  HBITMAP candidate() const { return bitmaps.size() < 2 ? nullptr : bitmaps[1]; }
  void Free();
};

// The panel's skin for the layout: the current theme's when usetheme is set and every bar image of
// the layout loads, the built-in skin otherwise. The theme's fonts start from previous.
LoadedSkin ReadPanelSkin(HINSTANCE instance, const settings::ImeSettings& settings, const std::u16string& themeFolder,
                         const PanelSkin& previous);

// The theme packages (*.thm) of the install folder's and the user folder's "themes" folders: their
// paths and file names, in the order found; the index of the current theme, or -1.
int ListThemes(const std::u16string& installFolder, const std::u16string& userFolder, const std::u16string& themeFolder,
               std::vector<std::u16string>& paths, std::vector<std::u16string>& names);

// Starts the theme installer for the package (an empty path: the built-in skin). It installs the
// theme and tells every module to reload it; nothing is waited for.
bool ApplyTheme(const std::u16string& installFolder, const std::u16string& packagePath);

}  // namespace kellavor::ui
