// Conversions between UTF-8 and UTF-16. Invalid input never fails: each ill-formed sequence
// becomes U+FFFD, so text from untrusted files always converts to something bounded.
#pragma once

#include <string>
#include <string_view>

namespace kellavor::platform {

std::string Utf16ToUtf8(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view text);

// ASCII-only helpers for the many fixed texts that are plain ASCII.
std::u16string AsciiToUtf16(std::string_view text);

}  // namespace kellavor::platform
