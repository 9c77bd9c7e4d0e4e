// The theme installer as the theme menu starts it: the package lands in the user's theme folder,
// config.ini's usetheme follows, and the module loaded here reacts to the installer's message by
// abandoning the composition and drawing its panel with the new skin; "-usenone" brings the
// built-in skin back, and a malicious package changes nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/test_folder.h"
#include "tests/wine/harness_environment.h"
#include "tests/wine/ime_session.h"
#include "tests/wine/session_test.h"
#include "tests/wine/window_capture.h"
#include "theme_installer/test_packages.h"

namespace kellavor::wine {
namespace {

namespace fs = std::filesystem;

// Runs the installer with these arguments, dispatching this thread's messages meanwhile (the
// module's event window lives on it); its exit code.
DWORD RunInstaller(const std::wstring& arguments) {
  const char* program = std::getenv("KELLAVOR_VARNELLO");
  if (program == nullptr) return 0xFFFF;
  std::wstring line = L"\"" + fs::path(program).wstring() + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process)) {
    return 0xFFFE;
  }
  while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 30000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  DWORD code = 0xFFFD;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

fs::path Package(const char* name) { return fs::path(std::getenv("KELLAVOR_THEMES")) / name; }

std::wstring UseTheme() {
  wchar_t value[8] = {};
  GetPrivateProfileStringW(L"UI", L"usetheme", L"", value, 8, (Installed().userFolder / "config.ini").c_str());
  return value;
}

// The top-left pixel of the window as painted, 0x00RRGGBB: the skin's border. The picture is kept
// as name.png in the test folder.
uint32_t PaintedCorner(HWND window, const std::string& name) {
  static const TestFolder folder("theme_installer_png");
  const CapturedWindow captured = CaptureWindow(window, true, folder.Native() / (name + ".png"));
  return captured.pixels.empty() ? 0 : captured.pixels[0];
}

class ThemeInstallerTest : public SessionTest {
 protected:
  void SetUp() override {
    ASSERT_NE(std::getenv("KELLAVOR_VARNELLO"), nullptr);
    ASSERT_NE(std::getenv("KELLAVOR_THEMES"), nullptr);
    session_->TakeMessages();
  }
  void TearDown() override {
    session_->Tap(VK_ESCAPE);
    RunInstaller(L"-usenone");
    session_->TakeMessages();
  }
  uint32_t PanelCorner(const std::string& name) {
    session_->Type(L"nihao");
    const uint32_t corner = PaintedCorner(FindWindowW(L"KellavorIME_Comp", nullptr), name);
    session_->Tap(VK_ESCAPE);
    session_->TakeMessages();
    return corner;
  }
};

TEST_F(ThemeInstallerTest, APackageBecomesTheSkinOfTheRunningModule) {
  const uint32_t builtIn = PanelCorner("built_in");
  session_->Type(L"nihao");
  session_->TakeMessages();

  // The module writes the path right after -use, without a blank.
  ASSERT_EQ(RunInstaller(L"-use" + Package("Lagoon.thm").wstring()), 0u);
  EXPECT_EQ(UseTheme(), L"1");
  EXPECT_TRUE(fs::exists(Installed().userFolder / "theme" / "theme.ini"));
  const std::vector<ReceivedMessage> messages = session_->TakeMessages();
  ASSERT_EQ(messages.size(), 2u) << "the open composition is abandoned";
  EXPECT_EQ(messages[1].message, static_cast<UINT>(WM_IME_ENDCOMPOSITION));

  const uint32_t lagoon = PanelCorner("lagoon");
  EXPECT_EQ(lagoon, 0x187680u) << "the Lagoon border, 24,118,128";
  EXPECT_NE(lagoon, builtIn);

  ASSERT_EQ(RunInstaller(L"-use \"" + Package("Graphite.thm").wstring() + L"\""), 0u);
  EXPECT_EQ(PanelCorner("graphite"), 0x141416u) << "the Graphite border, 20,20,22";

  ASSERT_EQ(RunInstaller(L"-usenone"), 0u);
  EXPECT_EQ(UseTheme(), L"0");
  EXPECT_EQ(PanelCorner("built_in_again"), builtIn);
}

TEST_F(ThemeInstallerTest, AMaliciousPackageIsRefusedAndNothingChanges) {
  // A package whose second member climbs out of the theme folder.
  const TestFolder folder("theme_installer_evil");
  const fs::path evil = folder.Native() / "evil.thm";
  const std::vector<uint8_t> zip = theme_installer::ZipOf(
      {{"theme.ini", theme_installer::TestText("[General]\r\nNAME=Evil\r\n")}, {"../config.ini", theme_installer::TestBitmap(2, 2)}});
  {
    FILE* out = _wfopen(evil.c_str(), L"wb");
    ASSERT_NE(out, nullptr);
    fwrite(zip.data(), 1, zip.size(), out);
    fclose(out);
  }
  const auto configTime = fs::last_write_time(Installed().userFolder / "config.ini");
  EXPECT_EQ(RunInstaller(L"-use" + evil.wstring()), 2u);
  EXPECT_EQ(UseTheme(), L"0");
  EXPECT_EQ(fs::last_write_time(Installed().userFolder / "config.ini"), configTime);
  EXPECT_EQ(RunInstaller(L"-theme"), 1u) << "an unknown switch";
}

}  // namespace
}  // namespace kellavor::wine
