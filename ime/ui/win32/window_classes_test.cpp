#include "ime/ui/win32/window_classes.h"

#include <gtest/gtest.h>

namespace kellavor::ui {
namespace {

LRESULT CALLBACK Answer7(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return message == WM_APP ? 7 : DefWindowProcW(window, message, wParam, lParam);
}

class WindowClassesTest : public testing::Test {
 protected:
  void TearDown() override { UnregisterWindowClasses(instance_); }

  static WNDCLASSEXW Info(const wchar_t* name, HINSTANCE instance) {
    WNDCLASSEXW info{};
    info.cbSize = sizeof info;
    if (!GetClassInfoExW(instance, name, &info)) info.cbSize = 0;
    return info;
  }

  HINSTANCE instance_ = GetModuleHandleW(nullptr);
  UiWindowParts parts_;
};

TEST_F(WindowClassesTest, TheFourClassesHaveTheirStylesBytesAndCursors) {
  ASSERT_EQ(RegisterWindowClasses(instance_, {}, parts_), 4);
  struct Expected {
    const wchar_t* name;
    int windowBytes;
    const wchar_t* cursor;
  };
  for (const Expected& expected : {Expected{L"KellavorIME_UI", 8, IDC_ARROW}, Expected{L"KellavorIME_Comp", 0, IDC_ARROW},
                                   Expected{L"KellavorIME_Cand", 0, IDC_SIZEALL},
                                   Expected{L"KellavorIME_Status", 0, IDC_ARROW}}) {
    const WNDCLASSEXW info = Info(expected.name, instance_);
    ASSERT_NE(info.cbSize, 0u) << "class missing";
    EXPECT_EQ(info.style, 0x1000Bu);
    EXPECT_EQ(info.cbWndExtra, expected.windowBytes);
    EXPECT_EQ(info.hCursor, LoadCursorW(nullptr, expected.cursor));
    EXPECT_EQ(info.hbrBackground, nullptr);
    EXPECT_EQ(info.hIcon, nullptr);
    EXPECT_EQ(info.lpszMenuName, nullptr);
  }
}

TEST_F(WindowClassesTest, TheGivenProceduresRunTheirWindows) {
  ASSERT_EQ(RegisterWindowClasses(instance_, {&Answer7, nullptr, nullptr}, parts_), 4);
  HWND composition = CreateWindowExW(0, L"KellavorIME_Comp", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance_, nullptr);
  ASSERT_NE(composition, nullptr);
  EXPECT_EQ(SendMessageW(composition, WM_APP, 0, 0), 7);
  DestroyWindow(composition);
}

TEST_F(WindowClassesTest, RegistrationStopsAtTheFirstClassThatFails) {
  WNDCLASSEXW taken{};
  taken.cbSize = sizeof taken;
  taken.lpfnWndProc = &DefWindowProcW;
  taken.hInstance = instance_;
  taken.lpszClassName = L"KellavorIME_Cand";
  ASSERT_NE(RegisterClassExW(&taken), 0);
  EXPECT_EQ(RegisterWindowClasses(instance_, {}, parts_), 2);
  EXPECT_EQ(Info(L"KellavorIME_Status", instance_).cbSize, 0u) << "the class after the failed one is not registered";
  UnregisterClassW(L"KellavorIME_Cand", instance_);
}

TEST_F(WindowClassesTest, UnregisteringFreesEveryClassAndToleratesMissingOnes) {
  ASSERT_EQ(RegisterWindowClasses(instance_, {}, parts_), 4);
  UnregisterWindowClasses(instance_);
  UnregisterWindowClasses(instance_);
  for (const wchar_t* name : {L"KellavorIME_UI", L"KellavorIME_Comp", L"KellavorIME_Cand", L"KellavorIME_Status"}) {
    EXPECT_EQ(Info(name, instance_).cbSize, 0u);
  }
  EXPECT_EQ(RegisterWindowClasses(instance_, {}, parts_), 4) << "the module can register them again";
}

}  // namespace
}  // namespace kellavor::ui
