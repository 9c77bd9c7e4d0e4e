#include "ime/ui/win32/window_geometry.h"

#include <gtest/gtest.h>

namespace kellavor::ui {
namespace {

class WindowGeometryTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 100, 100, 120, 40, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override { DestroyWindow(window_); }

  HWND window_ = nullptr;
};

TEST_F(WindowGeometryTest, MoveClampedKeepsTheWindowInsideTheWorkArea) {
  const RECT area = WorkArea();
  MoveClamped(window_, {area.right - 10, area.bottom - 10});
  EXPECT_EQ(WindowTopLeft(window_).x, area.right - 120);
  EXPECT_EQ(WindowTopLeft(window_).y, area.bottom - 40);
  MoveClamped(window_, {area.left + 50, area.top + 60}, {20, 30});
  EXPECT_EQ(WindowTopLeft(window_).x, area.left + 30);
  EXPECT_EQ(WindowTopLeft(window_).y, area.top + 30);
  EXPECT_EQ(WindowSize(window_).cx, 120);
  EXPECT_EQ(WindowSize(window_).cy, 40);
}

TEST_F(WindowGeometryTest, ResizeKeepPosChangesOnlyTheSize) {
  EXPECT_FALSE(ResizeKeepPos(window_, 120, 40));
  EXPECT_FALSE(ResizeKeepPos(window_, std::nullopt, std::nullopt));
  EXPECT_TRUE(ResizeKeepPos(window_, 200, std::nullopt));
  EXPECT_EQ(WindowSize(window_).cx, 200);
  EXPECT_EQ(WindowSize(window_).cy, 40);
  EXPECT_EQ(WindowTopLeft(window_).x, 100);
  EXPECT_EQ(WindowTopLeft(window_).y, 100);
}

}  // namespace
}  // namespace kellavor::ui
