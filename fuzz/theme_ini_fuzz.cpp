// Any bytes as a theme's theme.ini, read for each of the four panel layouts, as the module reads it:
// the whole file at once (IniFile::Load).
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_folder.h"
#include "ime/settings/ini_file.h"
#include "ime/ui/panel_skin.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kellavor;
  fuzz::WriteScratchFile(u"theme.ini", data, size);
  settings::IniFile theme;
  theme.Load(fuzz::ScratchPath(u"theme.ini"));
  for (const bool combined : {false, true}) {
    for (const bool vertical : {false, true}) {
      const ui::PanelSkin previous = ui::BuiltInPanelSkin(combined, vertical);
      if (const std::optional<ui::PanelSkin> skin =
              ui::ReadThemePanelSkin(theme, fuzz::ScratchFolder(), combined, vertical, previous)) {
        ui::EffectiveColors(*skin, settings::ImeSettings{});
      }
    }
  }
  return 0;
}
