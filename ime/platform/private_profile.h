// Private-profile INI files: one value of one key of one section, read or written in place.
//
// Shaped after the platform's GetPrivateProfileStringW / WritePrivateProfileStringW, which the
// Windows build forwards to. Natively the same semantics are implemented here:
// - section and key names compare without regard to ASCII case, with white space around them
//   ignored; the first section of a name and, inside it, the first key of a name win;
// - white space around a value is dropped, then one pair of matching quotes (" or ') around it;
// - UTF-16LE files with a byte-order mark and 8-bit files read alike (natively 8-bit text is
//   UTF-8, with or without its byte-order mark);
// - a write replaces the value of an existing key or adds the key (and its section) and keeps
//   every other line of the file; it creates a missing file and keeps a file's encoding.
// Names and values end at their first NUL unit, as the C strings of the Win32 functions do.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ime/platform/profile_document.h"

namespace kellavor::platform {

// Copies the value of section/key, or defaultValue (less its trailing white space) when the file,
// the section or the key is missing, into buffer: at most capacity - 1 units and a NUL. Returns
// the number of units copied, without the NUL; 0 and an untouched buffer for capacity 0.
size_t ReadProfileValue(const std::u16string& section, const std::u16string& key,
                        const std::u16string& defaultValue, char16_t* buffer, size_t capacity,
                        const std::u16string& path);

// Sets section/key to value. False when the file cannot be written (for instance its folder does
// not exist, or another program holds it open against writing); the file is then unchanged.
bool WriteProfileValue(const std::u16string& section, const std::u16string& key,
                       const std::u16string& value, const std::u16string& path);

// The whole text of the file as ReadProfileValue decodes it (a file starting with FF FE is
// UTF-16LE; 8-bit text is natively UTF-8, on Windows in the ANSI code page unless it starts with
// the UTF-8 byte-order mark); none when the file is missing, unreadable or larger than a profile
// file may be.
std::optional<std::u16string> ReadProfileText(const std::u16string& path);

// What ReadProfileValue copies into buffer for a key whose value is `value` (none when the file,
// the section or the key is missing).
size_t CopyProfileValue(const std::optional<std::u16string>& value, const std::u16string& defaultValue,
                        char16_t* buffer, size_t capacity);

// A file's keys read at once: the file is read and its keys sorted one time, and every value is
// then looked up in memory under the rules of ReadProfileValue. For a reader of many keys, where
// each ReadProfileValue reads the file again and a lookup in the text goes through it line by line.
class ProfileSnapshot {
 public:
  explicit ProfileSnapshot(const std::u16string& path);

  // As ReadProfileValue, from the text read when the snapshot was taken.
  size_t ReadValue(const std::u16string& section, const std::u16string& key, const std::u16string& defaultValue,
                   char16_t* buffer, size_t capacity) const;

 private:
  std::vector<ProfileDocument::Entry> entries_;  // ProfileDocument::Entries
};

}  // namespace kellavor::platform
