// Nerovask under Wine, started as the module starts it from a folder that also holds the
// dictionary site and a dictionary. Wine ships no web engine here, so pages never load: these
// tests cover the program around the browser (instance, message window, exchange file, pins and
// config.ini, placement beside the module's windows).
#include <windows.h>
#include <shlobj.h>
#include <winsock2.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/wine/png_file.h"
#include "viewer/win32/detail_form.h"
#include "viewer/win32/local_site.h"
#include "viewer/win32/message_window.h"

namespace kellavor::viewer {
namespace {

namespace fs = std::filesystem;

constexpr int kSitePort = 18795;

fs::path EnvironmentPath(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? fs::path(value) : fs::path();
}

fs::path UserFolder() {
  wchar_t appData[MAX_PATH];
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, appData))) return {};
  return fs::path(appData) / L"Ombrelune" / L"KellavorIME";
}

// Waits until the condition holds, for at most the time; whether it held.
template <typename Condition>
bool WaitFor(Condition condition, DWORD milliseconds = 15000) {
  for (DWORD waited = 0; waited < milliseconds; waited += 50) {
    if (condition()) return true;
    Sleep(50);
  }
  return condition();
}

HWND MessageWindow() { return FindWindowW(kMessageWindowClass, kMessageWindowTitle); }
HWND FormWindow() { return FindWindowW(kFormClassName, kFormTitle); }

RECT RectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

void Click(HWND window, int x, int y) {
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// The design places of the pin and the close button on a 280-pixel-wide form.
constexpr POINT kPin{232 + 9, 4 + 9};
constexpr POINT kClose{254 + 9, 5 + 9};

class NerovaskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const fs::path program = EnvironmentPath("KELLAVOR_VIEWER_PROGRAM");
    const fs::path site = EnvironmentPath("KELLAVOR_DICTSITE_PROGRAM");
    const fs::path dictionaries = EnvironmentPath("KELLAVOR_FIXTURE_DICTIONARIES");
    ASSERT_TRUE(fs::exists(program) && fs::exists(site) && fs::exists(dictionaries / "data_de.bin"));
    install_ = EnvironmentPath("KELLAVOR_TEST_TMP") / "nerovask_install";
    fs::remove_all(install_);
    fs::create_directories(install_);
    fs::copy_file(program, install_ / "Nerovask.exe");
    fs::copy_file(site, install_ / "kellavor_dictsite.exe");
    fs::copy_file(dictionaries / "data_de.bin", install_ / "data_de.bin");
    user_ = UserFolder();
    ASSERT_FALSE(user_.empty());
    fs::create_directories(user_);
    fs::remove(Settings());
    fs::remove(user_ / "detail.html");
    Write(L"SITES", L"dicthost", L"127.0.0.1:" + std::to_wstring(kSitePort));
    WSADATA data{};
    WSAStartup(MAKEWORD(2, 2), &data);
  }

  void TearDown() override {
    for (HANDLE& process : processes_) {
      if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
        if (HWND form = FormWindow()) PostMessageW(form, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process, 10000) != WAIT_OBJECT_0) TerminateProcess(process, 1);
      }
      CloseHandle(process);
    }
    WSACleanup();
  }

  fs::path Settings() const { return user_ / "config.ini"; }
  void Write(const wchar_t* section, const wchar_t* key, const std::wstring& value) {
    WritePrivateProfileStringW(section, key, value.c_str(), Settings().c_str());
  }
  std::wstring Read(const wchar_t* section, const wchar_t* key) {
    wchar_t value[64] = L"";
    GetPrivateProfileStringW(section, key, L"", value, 64, Settings().c_str());
    return value;
  }
  void WriteDetail(const std::string& bytes) {
    const fs::path file = user_ / "detail.html";
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(handle);
  }

  // Starts the viewer as the module does; its process handle, kept for the tear-down.
  HANDLE Start() {
    const std::wstring program = (install_ / "Nerovask.exe").wstring();
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
      return nullptr;
    }
    CloseHandle(started.hThread);
    processes_.push_back(started.hProcess);
    return started.hProcess;
  }

  // Starts the viewer and waits for its message window and its visible form.
  HANDLE StartAndWait() {
    HANDLE process = Start();
    EXPECT_NE(process, nullptr);
    EXPECT_TRUE(WaitFor([] { return MessageWindow() != nullptr; }));
    EXPECT_TRUE(WaitFor([] { return FormWindow() != nullptr && IsWindowVisible(FormWindow()); }));
    return process;
  }

  static bool Ended(HANDLE process, DWORD milliseconds = 15000) {
    return WaitForSingleObject(process, milliseconds) == WAIT_OBJECT_0;
  }

  fs::path install_;
  fs::path user_;
  std::vector<HANDLE> processes_;
};

TEST_F(NerovaskTest, OneInstanceRunsAndItsMessageWindowAnswersEveryCommandWithOne) {
  HANDLE first = StartAndWait();
  HANDLE second = Start();
  ASSERT_TRUE(Ended(second)) << "a second start leaves at once";
  DWORD code = 99;
  GetExitCodeProcess(second, &code);
  EXPECT_EQ(code, 0u);
  EXPECT_FALSE(Ended(first, 0));
  EXPECT_EQ(FindWindowExW(nullptr, MessageWindow(), kMessageWindowClass, kMessageWindowTitle), nullptr)
      << "one message window";
  HWND messages = MessageWindow();
  EXPECT_FALSE(IsWindowVisible(messages));
  for (WPARAM command : {1, 2, 3, 0, 99}) {
    EXPECT_EQ(SendMessageW(messages, kViewerCommandMessage, command, 0), 1) << command;
  }
  EXPECT_FALSE(IsWindowVisible(FormWindow())) << "HideViewer hides a following form";
}

TEST_F(NerovaskTest, DetailShowZeroCreatesNoWindowAtAll) {
  Write(L"Nerovask", L"Detail_Show", L"0x0");
  HANDLE process = Start();
  ASSERT_TRUE(Ended(process));
  EXPECT_EQ(MessageWindow(), nullptr);
}

TEST_F(NerovaskTest, ShowWordLooksUpOnlyAFileWithAWordAndStartsTheLocalSiteForIt) {
  HANDLE process = StartAndWait();
  HWND messages = MessageWindow();
  EXPECT_EQ(SendMessageW(messages, kViewerCommandMessage, 1, 0), 1) << "no file";
  WriteDetail("<cfg><word>@word</word><sentence></sentence></cfg>");
  EXPECT_EQ(SendMessageW(messages, kViewerCommandMessage, 1, 0), 1);
  WriteDetail("<cfg><word></word><sentence></sentence></cfg>");
  EXPECT_EQ(SendMessageW(messages, kViewerCommandMessage, 1, 0), 1);
  EXPECT_FALSE(LoopbackAnswers(kSitePort, 300)) << "no word: no lookup, no site";

  WriteDetail("\xEF\xBB\xBF<cfg><word>Haus</word><sentence></sentence></cfg>");
  EXPECT_EQ(SendMessageW(messages, kViewerCommandMessage, 1, 0), 1);
  EXPECT_TRUE(LoopbackAnswers(kSitePort, 1000)) << "the lookup started the site from the install folder";
  EXPECT_FALSE(Ended(process, 0));

  SendMessageW(messages, kViewerCommandMessage, 2, 0);
  EXPECT_FALSE(IsWindowVisible(FormWindow()));
  SendMessageW(messages, kViewerCommandMessage, 1, 0);
  EXPECT_TRUE(IsWindowVisible(FormWindow())) << "the same word again: the loaded page is shown again";
  SendMessageW(messages, kViewerCommandMessage, 2, 0);
  WriteDetail("<cfg><word>Maus</word><sentence></sentence></cfg>");
  SendMessageW(messages, kViewerCommandMessage, 1, 0);
  EXPECT_FALSE(IsWindowVisible(FormWindow())) << "a new word is looked up; the form waits for its page";

  PostMessageW(FormWindow(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(Ended(process));
  EXPECT_TRUE(WaitFor([] { return !LoopbackAnswers(kSitePort, 200); }, 5000)) << "the site ends with the viewer";
}

TEST_F(NerovaskTest, ThePinStateAndTheFormsPlaceAreSavedWhenTheFormCloses) {
  Write(L"Nerovask", L"TransValue", L"0xC8");
  HANDLE process = StartAndWait();
  HWND form = FormWindow();
  EXPECT_EQ(RectOf(form).left, 427);
  EXPECT_EQ(RectOf(form).right - RectOf(form).left, 280);
  Click(form, kPin.x, kPin.y);
  SendMessageW(MessageWindow(), kViewerCommandMessage, 2, 0);
  EXPECT_TRUE(IsWindowVisible(form)) << "a pinned form stays on HideViewer";
  Click(form, kClose.x, kClose.y);
  ASSERT_TRUE(Ended(process));
  EXPECT_EQ(Read(L"Nerovask", L"AutoFollow"), L"0");
  EXPECT_EQ(Read(L"Nerovask", L"left"), L"427");
  EXPECT_EQ(Read(L"Nerovask", L"top"), L"291");
  EXPECT_EQ(Read(L"Nerovask", L"width"), L"280");
  EXPECT_EQ(Read(L"Nerovask", L"height"), L"300");
  EXPECT_EQ(Read(L"Nerovask", L"TransValue"), L"200");

  HANDLE again = StartAndWait();
  SendMessageW(MessageWindow(), kViewerCommandMessage, 2, 0);
  EXPECT_TRUE(IsWindowVisible(FormWindow())) << "started pinned";
  Click(FormWindow(), kPin.x, kPin.y);
  SendMessageW(MessageWindow(), kViewerCommandMessage, 2, 0);
  EXPECT_FALSE(IsWindowVisible(FormWindow())) << "released: it follows and hides";
  PostMessageW(FormWindow(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(Ended(again));
  EXPECT_EQ(Read(L"Nerovask", L"AutoFollow"), L"1");
}

// The screen under the window as 0x00RRGGBB values, top row first.
std::vector<uint32_t> ScreenPixels(const RECT& rect) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  std::vector<uint32_t> pixels(static_cast<const uint32_t*>(bits), static_cast<const uint32_t*>(bits) + width * height);
  for (uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

TEST_F(NerovaskTest, TheFormIsDrawnWithItsTitleBarPinAndCloseButton) {
  StartAndWait();
  HWND form = FormWindow();
  Sleep(500);
  const RECT rect = RectOf(form);
  const int width = rect.right - rect.left;
  const std::vector<uint32_t> following = ScreenPixels(rect);
  Click(form, kPin.x, kPin.y);
  Sleep(300);
  const std::vector<uint32_t> pinned = ScreenPixels(rect);
  const fs::path folder = EnvironmentPath("KELLAVOR_TEST_TMP") / "nerovask_png";
  fs::create_directories(folder);
  EXPECT_TRUE(wine::WritePng(folder / "form_following.png", width, rect.bottom - rect.top, following));
  EXPECT_TRUE(wine::WritePng(folder / "form_pinned.png", width, rect.bottom - rect.top, pinned));
  const auto at = [&](const std::vector<uint32_t>& pixels, int x, int y) { return pixels[y * width + x]; };
  EXPECT_EQ(at(following, 100, 0), 0xF6F6F6u) << "the top of the title bar's gradient";
  EXPECT_EQ(at(following, 100, 25), 0xA0A0A6u) << "its bottom line";
  EXPECT_EQ(at(following, 0, 12), 0xA0A0A6u) << "the left end's edge";
  EXPECT_EQ(at(following, width - 1, 12), 0xA0A0A6u) << "the right end's edge";
  for (const uint32_t pixel : following) ASSERT_NE(pixel, 0xFF00FFu) << "the key colour never shows";
  EXPECT_NE(at(following, 232 + 5, 4 + 8), at(pinned, 232 + 5, 4 + 8)) << "the pin changes its picture";
  EXPECT_EQ(at(following, 254 + 1 + 3, 5 + 1 + 3), 0x464A54u) << "the close cross";
}

TEST_F(NerovaskTest, AThemesPngPictureReplacesTheTitleBarBackground) {
  const fs::path theme = user_ / "theme";
  fs::create_directories(theme);
  constexpr int kWidth = 100;
  constexpr int kHeight = 30;
  ASSERT_TRUE(wine::WritePng(theme / "bar.png", kWidth, kHeight, std::vector<uint32_t>(kWidth * kHeight, 0x3366CC)));
  WritePrivateProfileStringW(L"Nerovask", L"image", L"bar.png", (theme / "theme.ini").c_str());
  Write(L"UI", L"usetheme", L"1");
  StartAndWait();
  Sleep(500);
  const RECT rect = RectOf(FormWindow());
  const std::vector<uint32_t> pixels = ScreenPixels(rect);
  const int width = rect.right - rect.left;
  EXPECT_EQ(pixels[29 * width + 100], 0x3366CCu) << "the picture, stretched across the bar at its own height";
  EXPECT_EQ(pixels[12 * width + 0], 0xA0A0A6u) << "the end pieces stay";
  fs::remove_all(theme);
}

// A window standing in for the module's composition or candidate window.
class ModuleWindow {
 public:
  ModuleWindow(const wchar_t* className, RECT rect) : className_(className) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, className, L"", WS_POPUP, rect.left, rect.top,
                              rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, windowClass.hInstance,
                              nullptr);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
  }
  ~ModuleWindow() {
    DestroyWindow(window_);
    UnregisterClassW(className_, GetModuleHandleW(nullptr));
  }
  void MoveTo(RECT rect) {
    SetWindowPos(window_, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }

 private:
  const wchar_t* className_;
  HWND window_ = nullptr;
};

TEST_F(NerovaskTest, TheFollowingFormGoesBelowOrBesideTheModulesWindow) {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  Write(L"UI", L"iscomb", L"1");
  Write(L"UI", L"showmode", L"0");
  {
    ModuleWindow composition(L"KellavorIME_Comp", {100, 100, 300, 140});
    ModuleWindow candidate(L"KellavorIME_Cand", {150, 150, 350, 190});
    HANDLE process = StartAndWait();
    HWND form = FormWindow();
    // Pinning and releasing starts the follow timer.
    Click(form, kPin.x, kPin.y);
    Click(form, kPin.x, kPin.y);
    EXPECT_TRUE(WaitFor([&] { return RectOf(form).left == 100 && RectOf(form).top == 150; }, 5000))
        << "below the composition window: " << RectOf(form).left << "," << RectOf(form).top;
    composition.MoveTo({100, area.bottom - 60, 300, area.bottom - 20});
    const LONG above = area.bottom - 60 - 300 - 10;
    EXPECT_TRUE(WaitFor([&] { return RectOf(form).top == above; }, 5000)) << "no room below: above it";
    PostMessageW(form, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Ended(process));
  }
  Write(L"UI", L"iscomb", L"0");
  Write(L"UI", L"showmode", L"1");
  Write(L"Nerovask", L"AutoFollow", L"1");
  {
    ModuleWindow composition(L"KellavorIME_Comp", {50, 300, 250, 340});
    ModuleWindow candidate(L"KellavorIME_Cand", {60, 100, 260, 140});
    HANDLE process = StartAndWait();
    HWND form = FormWindow();
    Click(form, kPin.x, kPin.y);
    Click(form, kPin.x, kPin.y);
    EXPECT_TRUE(WaitFor([&] { return RectOf(form).left == 270 && RectOf(form).top == 100; }, 5000))
        << "right of the candidate window: " << RectOf(form).left << "," << RectOf(form).top;
    candidate.MoveTo({area.right - 200, 100, area.right, 140});
    EXPECT_TRUE(WaitFor([&] { return RectOf(form).left == area.right - 200 - 280 - 10; }, 5000)) << "no room: left of it";
    PostMessageW(form, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Ended(process));
  }
}

}  // namespace
}  // namespace kellavor::viewer
