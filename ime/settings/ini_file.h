// One INI file read and written key by key through the platform's private-profile functions.
// Opened with Open it holds only the path, no open handle and no cache: every read and write goes
// to the file. Opened with Load it reads the file once and answers every read from that copy, for
// readers of many keys at once; a write still goes to the file and drops the copy.
//
// Numeric values are decimal: leading white space, an optional sign, digits up to the first other
// character; no digits read as 0, values beyond 32 bits are clamped. Values of several components
// are split at "," ";" TAB CR and LF (runs of them count as one, the blank does not separate), and
// a numeric component that is missing repeats the one read before it ("100" reads as 100,100).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "ime/platform/private_profile.h"
#include "ime/settings/ime_settings.h"

namespace kellavor::settings {

// WriteString's results.
inline constexpr int kIniWritten = 0;
inline constexpr int kIniNotWritten = 5;

class IniFile {
 public:
  // Keeps a copy of the path; an empty path leaves the object without one.
  void Open(const std::u16string& path);
  // Open, then the whole file read at once.
  void Load(const std::u16string& path);
  void Close();

  // The value (at most 1023 units); none when the file, the key or the value is missing or the
  // value is empty, or the object has no path.
  std::optional<std::u16string> ReadString(const std::u16string& section, const std::u16string& key) const;

  // These read at most 31 units of the value (ReadFont 255); the rest is ignored.
  int32_t ReadInt(const std::u16string& section, const std::u16string& key, int32_t defaultValue) const;
  void ReadPair(const std::u16string& section, const std::u16string& key, std::array<int32_t, 2>& out,
                int32_t default0, int32_t default1) const;
  // left, top, right, bottom.
  void ReadRect(const std::u16string& section, const std::u16string& key, std::array<int32_t, 4>& out,
                const std::array<int32_t, 4>& defaults) const;
  // "red,green,blue" as 0x00BBGGRR, each component cut to 8 bits; absent: defaultColor's low 24 bits.
  uint32_t ReadColor(const std::u16string& section, const std::u16string& key, uint32_t defaultColor) const;
  // "size,face,weight" over the caller's default; a missing face keeps the default face.
  void ReadFont(const std::u16string& section, const std::u16string& key, FontSpec& font) const;

  // kIniWritten when written, already equal or without a path; kIniNotWritten otherwise. A write
  // the platform refuses, of a key the file holds with another value, is handed to the external
  // writer.
  int WriteString(const std::u16string& section, const std::u16string& key, const std::u16string& value) const;
  int WriteInt(const std::u16string& section, const std::u16string& key, int32_t value) const;
  int WritePair(const std::u16string& section, const std::u16string& key, const std::array<int32_t, 2>& pair) const;

 private:
  std::u16string ReadLimited(const std::u16string& section, const std::u16string& key, size_t capacity) const;
  template <size_t N>
  void ReadNumbers(const std::u16string& section, const std::u16string& key, std::array<int32_t, N>& out) const;

  std::optional<std::u16string> path_;
  // Dropped by a write, which a const object may make.
  mutable std::optional<platform::ProfileSnapshot> copy_;
};

}  // namespace kellavor::settings
