// Writes text that is already UTF-8 to a file, as the word-detail viewer reads it.
#pragma once

#include <string>
#include <string_view>

namespace kellavor::platform {

// Creates or truncates the file and writes the bytes unchanged, with no byte-order mark. False
// when the file cannot be opened or not every byte was written.
bool WriteUtf8File(const std::u16string& path, std::string_view bytes);

}  // namespace kellavor::platform
