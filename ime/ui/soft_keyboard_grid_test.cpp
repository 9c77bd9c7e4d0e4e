#include "ime/ui/soft_keyboard_grid.h"

#include <gtest/gtest.h>

#include <set>

#include "ime/core/soft_keyboard_layouts.h"

namespace kellavor::ui {
namespace {

TEST(SoftKeyboardGrid, TheFortySevenKeysEachHaveOneCellInsideTheWindow) {
  const ScreenSize size = SoftKeyboardGridSize();
  std::set<uint8_t> keys;
  for (const KeyCell& cell : SoftKeyboardCells()) {
    EXPECT_TRUE(core::IsSoftKeyboardKey(cell.virtualKey)) << int{cell.virtualKey};
    keys.insert(cell.virtualKey);
    EXPECT_GT(cell.rect.left, 0);
    EXPECT_LT(cell.rect.right, size.width);
    EXPECT_LT(cell.rect.bottom, size.height);
    const ScreenPoint middle{(cell.rect.left + cell.rect.right) / 2, (cell.rect.top + cell.rect.bottom) / 2};
    EXPECT_EQ(SoftKeyAt(middle), cell.virtualKey);
  }
  EXPECT_EQ(keys.size(), 47u);
  // Between two keys and on a key's edge nothing is hit.
  const KeyCell& first = SoftKeyboardCells().front();
  EXPECT_FALSE(SoftKeyAt({first.rect.right, first.rect.top + 5}).has_value());
  EXPECT_FALSE(SoftKeyAt({first.rect.right + 1, first.rect.top + 5}).has_value());
  EXPECT_FALSE(SoftKeyAt({1, 1}).has_value());
}

}  // namespace
}  // namespace kellavor::ui
