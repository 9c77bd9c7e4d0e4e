// The module's link to the word-detail viewer, typed through the manager: the exchange file is
// written once the highlight has rested for Detail_ShowDelay, and a window standing in for the
// viewer receives ShowWord after it and HideViewer when the composition ends.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/wine/harness_environment.h"
#include "tests/wine/ime_session.h"
#include "tests/wine/session_test.h"

namespace kellavor::wine {
namespace {

constexpr UINT kReloadSettings = WM_APP + 108;
constexpr UINT kViewerCommand = WM_APP + 1;
constexpr DWORD kDelay = 400;

std::vector<WPARAM>* received = nullptr;

LRESULT CALLBACK ViewerStandIn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kViewerCommand) {
    if (received != nullptr) received->push_back(wParam);
    return 1;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// Handles this thread's messages (the panel's timer among them) for the time.
void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(10);
  }
}

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class DetailLinkTest : public SessionTest {
 protected:
  void SetUp() override {
    ASSERT_NE(LoadedModule(), nullptr);
    config_ = (Installed().userFolder / "config.ini").wstring();
    WritePrivateProfileStringW(L"Nerovask", L"Detail_ShowDelay", std::to_wstring(kDelay).c_str(), config_.c_str());
    SendMessageW(FindWindowW(L"Tessal_ExtEventCl", L"Tessal_ExtEventWi"), kReloadSettings, 0, 0);
    std::filesystem::remove(DetailFile());
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ViewerStandIn;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"KellavorIME_DETAIL_UI_CLASS";
    RegisterClassW(&windowClass);
    viewer_ = CreateWindowExW(0, windowClass.lpszClassName, L"KellavorIME_Nerovask", WS_POPUP | WS_DISABLED, 0, 0, 10, 10,
                              nullptr, nullptr, windowClass.hInstance, nullptr);
    received = &commands_;
    session_->TakeMessages();
  }
  void TearDown() override {
    received = nullptr;
    DestroyWindow(viewer_);
    UnregisterClassW(L"KellavorIME_DETAIL_UI_CLASS", GetModuleHandleW(nullptr));
    WritePrivateProfileStringW(L"Nerovask", L"Detail_ShowDelay", L"1000", config_.c_str());
  }

  static std::filesystem::path DetailFile() { return Installed().userFolder / "detail.html"; }

  std::wstring config_;
  HWND viewer_ = nullptr;
  std::vector<WPARAM> commands_;
};

TEST_F(DetailLinkTest, TheWordGoesToTheViewerOnceTheHighlightHasRested) {
  session_->Tap(VK_LSHIFT);
  for (const wchar_t letter : std::wstring(L"haus")) {
    session_->Type(std::wstring(1, letter));
    PumpFor(kDelay / 4);
  }
  EXPECT_FALSE(std::filesystem::exists(DetailFile())) << "every letter restarted the delay";
  EXPECT_EQ(commands_, std::vector<WPARAM>{});
  PumpFor(kDelay * 2);
  EXPECT_EQ(ReadAll(DetailFile()), "<cfg><word>Haus</word><sentence></sentence></cfg>");
  EXPECT_EQ(commands_, std::vector<WPARAM>{1}) << "ShowWord once, after the file was written";

  commands_.clear();
  session_->Tap(VK_ESCAPE);
  PumpFor(kDelay * 2);
  ASSERT_FALSE(commands_.empty());
  EXPECT_EQ(commands_.front(), 2u) << "the closed composition hides the viewer";
  EXPECT_EQ(std::count(commands_.begin(), commands_.end(), 1u), 0) << "no update after the composition ended";
  session_->Tap(VK_LSHIFT);
}

}  // namespace
}  // namespace kellavor::wine
