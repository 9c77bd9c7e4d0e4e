// The settings dialog: shows the keys of config.ini that a user changes, writes the ones changed
// when OK or Apply is pressed, and then tells every running module to reload its settings. A
// config.ini that does not read as INI is shown with the defaults and never written.
#pragma once

#include <windows.h>

#include <string>

namespace kellavor::settings_program {

// Runs the dialog modally; userFolder ends with a separator.
void RunSettingsDialog(HINSTANCE instance, const std::u16string& userFolder);

// The about box.
void RunAboutBox(HINSTANCE instance);

}  // namespace kellavor::settings_program
