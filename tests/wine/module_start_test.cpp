// The module as the manager loads it: its description, escapes, resources, window classes, its
// external event window and the user folder set up at its first start.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/wine/harness_environment.h"
#include "tests/wine/ime_session.h"
#include "tests/wine/session_test.h"

namespace kellavor::wine {
namespace {

class ModuleStartTest : public SessionTest {
 protected:
  void SetUp() override {
    module_ = LoadedModule();
    ASSERT_NE(module_, nullptr) << "the manager loaded the module";
  }

  HMODULE module_ = nullptr;
};

TEST_F(ModuleStartTest, TheModuleDescribesItself) {
  const HKL layout = Installed().layout;
  EXPECT_EQ(ImmGetProperty(layout, IGP_PROPERTY), 0x001E0002u);
  EXPECT_EQ(ImmGetProperty(layout, IGP_CONVERSION), 0x01A9u);
  EXPECT_EQ(ImmGetProperty(layout, IGP_SENTENCE), 0u);
  EXPECT_EQ(ImmGetProperty(layout, IGP_SETCOMPSTR), 3u);
  EXPECT_EQ(ImmGetProperty(layout, IGP_SELECT), 1u);
}

TEST_F(ModuleStartTest, EscapesAnswerTheQueries) {
  const HKL layout = Installed().layout;
  HIMC context = session_->context();
  wchar_t name[64] = {};
  EXPECT_EQ(ImmEscapeW(layout, context, IME_ESC_IME_NAME, name), TRUE);
  EXPECT_STREQ(name, L"Veltrani");
  for (UINT supported : {0x0003u, 0x1005u, 0x1006u, 0x100Bu}) {
    UINT asked = supported;
    EXPECT_EQ(ImmEscapeW(layout, context, IME_ESC_QUERY_SUPPORT, &asked), TRUE) << std::hex << supported;
  }
  UINT unsupported = 0x1001;
  EXPECT_EQ(ImmEscapeW(layout, context, IME_ESC_QUERY_SUPPORT, &unsupported), FALSE);
  EXPECT_EQ(ImmEscapeW(layout, context, IME_ESC_MAX_KEY, nullptr), 4);
  EXPECT_EQ(ImmEscapeW(layout, context, IME_ESC_IME_NAME, nullptr), FALSE);
}

TEST_F(ModuleStartTest, TheVersionInformationNamesAnInputMethod) {
  const std::wstring path = Installed().modulePath.wstring();
  DWORD handle = 0;
  std::vector<BYTE> info(GetFileVersionInfoSizeW(path.c_str(), &handle));
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DRV));
  EXPECT_EQ(fixed->dwFileSubtype, static_cast<DWORD>(VFT2_DRV_INPUTMETHOD));
  wchar_t* description = nullptr;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\StringFileInfo\\080404B0\\FileDescription",
                             reinterpret_cast<void**>(&description), &length));
  EXPECT_STREQ(description, L"Veltrani");
}

TEST_F(ModuleStartTest, TheDataResourcesAreInTheModule) {
  const LANGID chinese = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
  EXPECT_NE(FindResourceExW(module_, L"Pylist", MAKEINTRESOURCEW(163), chinese), nullptr);
  EXPECT_NE(FindResourceExW(module_, L"Gbtobig5", MAKEINTRESOURCEW(161), chinese), nullptr);
  HRSRC detail = FindResourceExW(module_, MAKEINTRESOURCEW(23), MAKEINTRESOURCEW(168), chinese);
  ASSERT_NE(detail, nullptr);
  EXPECT_EQ(SizeofResource(module_, detail), 55u);
}

TEST_F(ModuleStartTest, TheFourWindowClassesAreRegistered) {
  for (const wchar_t* name : {L"KellavorIME_UI", L"KellavorIME_Comp", L"KellavorIME_Cand", L"KellavorIME_Status"}) {
    WNDCLASSEXW info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetClassInfoExW(module_, name, &info)) << std::wstring(name).size();
    EXPECT_EQ(info.style, 0x1000Bu);
  }
}

TEST_F(ModuleStartTest, TheExternalEventWindowBelongsToThisProcess) {
  HWND window = FindWindowW(L"Tessal_ExtEventCl", L"Tessal_ExtEventWi");
  ASSERT_NE(window, nullptr);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  EXPECT_EQ(process, GetCurrentProcessId());
  EXPECT_EQ(SendMessageW(window, WM_APP + 106, 0, 0), 1);
}

TEST_F(ModuleStartTest, TheFirstStartSetsUpTheUserFolder) {
  const std::filesystem::path user = Installed().userFolder;
  EXPECT_TRUE(std::filesystem::is_directory(user / "themes"));
  for (const char* name : {"config.ini", "custom.ini", "mohuyin.Ini"}) {
    EXPECT_TRUE(std::filesystem::exists(user / name)) << name;
  }
}

}  // namespace
}  // namespace kellavor::wine
