// The settings record and config.ini: every key read at load, the runtime state written back.
#pragma once

#include <string>

#include "ime/settings/ime_settings.h"

namespace kellavor::settings {

// Clears the record and fills every field from the file at path, each with its default when
// the key is missing or empty. With uselast 0 the input mode becomes defaultinputmode.
void LoadSettings(ImeSettings& settings, const std::u16string& path);

// Writes the runtime state, and nothing else: numpadfunckind, big5mode, softkbdid (POPUPMENU),
// previnputmode, inputmode, ptstatusbar, ptcompbar (APPSTATUS), in this order.
void SaveSettings(const ImeSettings& settings, const std::u16string& path);

}  // namespace kellavor::settings
