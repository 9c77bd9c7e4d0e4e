#include "ime/ui/soft_keyboard_grid.h"

#include <array>

namespace kellavor::ui {
namespace {

constexpr int32_t kMargin = 6;
constexpr int32_t kKeyWidth = 28;
constexpr int32_t kKeyHeight = 32;
constexpr int32_t kGap = 2;

// Grave accent, digits, minus, equals; Q to backslash; A to apostrophe; Z to slash.
constexpr uint8_t kRow0[] = {0xC0, '1', '2', '3', '4', '5', '6', '7', '8', '9', '0', 0xBD, 0xBB};
constexpr uint8_t kRow1[] = {'Q', 'W', 'E', 'R', 'T', 'Y', 'U', 'I', 'O', 'P', 0xDB, 0xDD, 0xDC};
constexpr uint8_t kRow2[] = {'A', 'S', 'D', 'F', 'G', 'H', 'J', 'K', 'L', 0xBA, 0xDE};
constexpr uint8_t kRow3[] = {'Z', 'X', 'C', 'V', 'B', 'N', 'M', 0xBC, 0xBE, 0xBF};

constexpr std::array<KeyCell, 47> MakeCells() {
  std::array<KeyCell, 47> cells{};
  size_t next = 0;
  const auto add = [&](std::span<const uint8_t> keys, int32_t row, int32_t indent) {
    for (size_t i = 0; i < keys.size(); ++i) {
      const int32_t left = kMargin + indent + static_cast<int32_t>(i) * (kKeyWidth + kGap);
      const int32_t top = kMargin + row * (kKeyHeight + kGap);
      cells[next++] = {keys[i], {left, top, left + kKeyWidth, top + kKeyHeight}};
    }
  };
  add(kRow0, 0, 0);
  add(kRow1, 1, 15);
  add(kRow2, 2, 22);
  add(kRow3, 3, 37);
  return cells;
}

constexpr std::array<KeyCell, 47> kCells = MakeCells();

}  // namespace

std::span<const KeyCell> SoftKeyboardCells() { return kCells; }

ScreenSize SoftKeyboardGridSize() {
  int32_t right = 0;
  int32_t bottom = 0;
  for (const KeyCell& cell : kCells) {
    right = cell.rect.right > right ? cell.rect.right : right;
    bottom = cell.rect.bottom > bottom ? cell.rect.bottom : bottom;
  }
  return {right + kMargin, bottom + kMargin};
}

std::optional<uint8_t> SoftKeyAt(ScreenPoint point) {
  for (const KeyCell& cell : kCells) {
    if (IsStrictlyInside(point, cell.rect)) return cell.virtualKey;
  }
  return std::nullopt;
}

}  // namespace kellavor::ui
