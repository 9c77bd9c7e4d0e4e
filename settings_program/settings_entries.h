// The config.ini keys a user changes in the settings program, as the texts they are stored as,
// and the user's texts for colours, fonts and hot keys checked and turned into setting values.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ime/settings/ime_settings.h"

namespace kellavor::settings_program {

struct IniEntry {
  std::u16string section;
  std::u16string key;
  std::u16string value;
  friend bool operator==(const IniEntry&, const IniEntry&) = default;
};

// Every key the program edits, in file order, with its value in settings: input mode at start,
// page size, layout and orientation, colours, fonts, hot keys, fuzzy sounds, the detail window
// and the custom phrases.
std::vector<IniEntry> EditedEntries(const settings::ImeSettings& settings);

// The entries whose value differs between before and after: what is written, so that a key the
// user did not touch keeps whatever the file holds (for instance the way it was spelled).
std::vector<IniEntry> ChangedEntries(const settings::ImeSettings& before, const settings::ImeSettings& after);

// A colour as the dialog shows it, "red,green,blue", and back to 0x00BBGGRR; a text of three
// numbers 0 to 255 separated by commas (blanks allowed around them), or none.
std::u16string FormatColor(uint32_t color);
std::optional<uint32_t> ParseColor(std::u16string_view text);

// A font as config.ini stores it, "size,face,weight"; parsing wants a size of 6 to 72 points, a face
// of 1 to 31 units without separators and a weight of 100 to 900.
std::u16string FormatFont(const settings::FontSpec& font);
std::optional<settings::FontSpec> ParseFont(std::u16string_view text);

// A hot key as one letter or digit ("a" reads as "A") and its virtual-key code.
std::u16string FormatHotKey(uint32_t virtualKey);
std::optional<uint32_t> ParseHotKey(std::u16string_view text);

}  // namespace kellavor::settings_program
