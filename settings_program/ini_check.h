// Whether the settings program may write into a config.ini. It writes key by key through the
// platform's profile functions, which keep every other line as it stands; in a file that is not an
// INI file at all (binary data, another program's file, UTF-16 without its byte-order mark) such
// writes would bury the content under new sections, so a file that does not read as INI is left
// untouched and the dialog says so.
#pragma once

#include <cstdint>
#include <span>

namespace kellavor::settings_program {

// True for an empty or missing file's bytes and for text in which every line, blanks trimmed, is
// empty, a comment (";" or "#"), a section header "[name]" or a "key=value" line. The text is
// UTF-16LE with its byte-order mark, or 8-bit text (UTF-8 with or without its mark, or the ANSI code
// page) without NUL bytes.
bool IsWritableIni(std::span<const uint8_t> file);

}  // namespace kellavor::settings_program
