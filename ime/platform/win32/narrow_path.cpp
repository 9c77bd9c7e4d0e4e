#include "ime/platform/narrow_path.h"

#include <windows.h>

#include <vector>

#include "ime/platform/win32/wide.h"

namespace kellavor::platform {
namespace {

// The text in the ANSI code page, or absent when a character has no exact counterpart there
// (best-fit substitutes such as a for ä would name another file).
std::optional<std::string> ToAnsiExactly(const std::wstring_view text) {
  if (text.empty()) return std::string();
  const UINT codePage = GetACP();
  // A UTF-8 ANSI code page takes no best-fit flag and has no default character.
  const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* usedDefaultOut = codePage == CP_UTF8 ? nullptr : &usedDefault;
  const int length = static_cast<int>(text.size());
  const int bytes = WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, usedDefaultOut);
  if (bytes <= 0 || usedDefault) return std::nullopt;
  std::string out(static_cast<size_t>(bytes), '\0');
  if (WideCharToMultiByte(codePage, flags, text.data(), length, out.data(), bytes, nullptr, usedDefaultOut) != bytes ||
      usedDefault) {
    return std::nullopt;
  }
  return out;
}

std::optional<std::wstring> ShortPath(const std::u16string& path) {
  const DWORD needed = GetShortPathNameW(Wide(path), nullptr, 0);
  if (needed == 0) return std::nullopt;
  std::vector<wchar_t> buffer(needed);
  const DWORD written = GetShortPathNameW(Wide(path), buffer.data(), needed);
  if (written == 0 || written >= needed) return std::nullopt;
  return std::wstring(buffer.data(), written);
}

}  // namespace

std::optional<std::string> NarrowFilePath(const std::u16string& path) {
  const std::wstring_view wide(Wide(path), path.size());
  if (auto ansi = ToAnsiExactly(wide)) return ansi;
  if (const auto shortPath = ShortPath(path)) return ToAnsiExactly(*shortPath);
  return std::nullopt;
}

}  // namespace kellavor::platform
