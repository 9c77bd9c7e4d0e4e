// The composition-string block of an input context, in the manager's layout: a 100-byte header of
// 25 32-bit fields, then four areas. The module shows its composition in its own windows, so the
// composition string stays empty; only the result string carries text to the application.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kellavor::core {

inline constexpr size_t kCompositionStringBlockSize = 1892;

// Header fields, as byte offsets.
namespace composition_string {
inline constexpr size_t kSize = 0;
inline constexpr size_t kCompReadAttrLen = 4;
inline constexpr size_t kCompReadAttrOffset = 8;
inline constexpr size_t kCompReadClauseLen = 12;
inline constexpr size_t kCompReadClauseOffset = 16;
inline constexpr size_t kCompReadStrLen = 20;
inline constexpr size_t kCompReadStrOffset = 24;
inline constexpr size_t kCompAttrLen = 28;
inline constexpr size_t kCompAttrOffset = 32;
inline constexpr size_t kCompClauseLen = 36;
inline constexpr size_t kCompClauseOffset = 40;
inline constexpr size_t kCompStrLen = 44;
inline constexpr size_t kCompStrOffset = 48;
inline constexpr size_t kCursorPos = 52;
inline constexpr size_t kDeltaStart = 56;
inline constexpr size_t kResultReadClauseLen = 60;
inline constexpr size_t kResultReadClauseOffset = 64;
inline constexpr size_t kResultReadStrLen = 68;
inline constexpr size_t kResultReadStrOffset = 72;
inline constexpr size_t kResultClauseLen = 76;
inline constexpr size_t kResultClauseOffset = 80;
inline constexpr size_t kResultStrLen = 84;
inline constexpr size_t kResultStrOffset = 88;
inline constexpr size_t kPrivateSize = 92;
inline constexpr size_t kPrivateOffset = 96;
inline constexpr size_t kHeaderSize = 100;

// The areas: three strings of 256 UTF-16 units and 256 attribute bytes.
inline constexpr size_t kCompStrArea = 100;
inline constexpr size_t kCompReadStrArea = 612;
inline constexpr size_t kCompAttrArea = 1124;
inline constexpr size_t kResultStrArea = 1380;
inline constexpr size_t kAreaUnits = 256;
}  // namespace composition_string

// The most units a result string holds: the area less its terminating NUL.
inline constexpr size_t kMaxResultStringUnits = composition_string::kAreaUnits - 1;

// Gives a new block its contents: zeroed areas, the size and the area offsets. False, with
// nothing written, when the block is smaller than the layout.
bool InitCompositionStringBlock(std::span<uint8_t> block);

// Empties the composition and result strings when a composition starts: their first units and
// every length field, the caret and the delta start become 0. Nothing when the block is too small.
void ClearCompositionStringBlock(std::span<uint8_t> block);

// Writes the result string with its NUL and its length. A text longer than the area is cut at the
// last character boundary that fits (a surrogate pair is never split). Returns the units written;
// 0 and nothing written when the block is too small.
size_t WriteResultString(std::span<uint8_t> block, std::u16string_view text);

// The strings as an application reads them: length and offset from the header, kept within the
// block. Empty when the header points outside it.
std::u16string ReadResultString(std::span<const uint8_t> block);
std::u16string ReadCompositionString(std::span<const uint8_t> block);

}  // namespace kellavor::core
