// The settings program driven by messages as a user would drive its dialog: the changed keys go
// into config.ini, the module loaded here reloads them at the program's message, a config.ini that
// is not an INI file is left byte for byte as it was, and "-about" shows the about box.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "settings_program/win32/dialog_ids.h"
#include "tests/wine/harness_environment.h"
#include "tests/wine/ime_session.h"
#include "tests/wine/session_test.h"
#include "tests/wine/window_capture.h"
#include "tests/support/test_folder.h"

namespace kellavor::wine {
namespace {

namespace fs = std::filesystem;

constexpr wchar_t kSettingsTitle[] = L"Veltrani 输入法设置";
constexpr wchar_t kAboutTitle[] = L"关于 Veltrani";

// Where the pictures of the dialogs are kept.
const fs::path& PngFolder() {
  static const TestFolder folder("settings_program_png");
  return folder.Native();
}

fs::path Config() { return Installed().userFolder / "config.ini"; }

std::wstring ConfigValue(const wchar_t* section, const wchar_t* key) {
  wchar_t value[128] = {};
  GetPrivateProfileStringW(section, key, L"", value, 128, Config().c_str());
  return value;
}

std::string FileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

// The program started with these arguments; its dialogs are found by their titles.
class SettingsProgram {
 public:
  explicit SettingsProgram(const std::wstring& arguments) {
    const char* program = std::getenv("KELLAVOR_ORRISETT");
    if (program == nullptr) return;
    std::wstring line = L"\"" + fs::path(program).wstring() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_);
  }
  ~SettingsProgram() {
    if (process_.hProcess == nullptr) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 9);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  HWND Dialog(const wchar_t* title) const {
    for (int i = 0; i < 300; ++i) {
      // Shown once WM_INITDIALOG has filled it.
      HWND dialog = FindWindowW(L"#32770", title);
      if (dialog != nullptr && IsWindowVisible(dialog)) return dialog;
      Pump();
      Sleep(50);
    }
    return nullptr;
  }
  // Presses the dialog's button and dispatches this thread's messages (the module's event window
  // lives on it) until the program ends; its exit code, or none when it is still running.
  std::optional<DWORD> Press(HWND dialog, int button, int waitTenths = 100) const {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    for (int i = 0; i < waitTenths; ++i) {
      if (MsgWaitForMultipleObjects(1, &process_.hProcess, FALSE, 100, QS_ALLINPUT) == WAIT_OBJECT_0) {
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
      }
      Pump();
    }
    return std::nullopt;
  }

 private:
  PROCESS_INFORMATION process_{};
};

class SettingsProgramTest : public SessionTest {
 protected:
  void SetUp() override {
    ASSERT_NE(std::getenv("KELLAVOR_ORRISETT"), nullptr);
    kept_ = FileBytes(Config());
  }
  void TearDown() override {
    session_->Tap(VK_ESCAPE);
    std::ofstream(Config(), std::ios::binary | std::ios::trunc) << kept_;
    SendMessageW(FindWindowW(L"Tessal_ExtEventCl", L"Tessal_ExtEventWi"), WM_APP + 108, 0, 0);
    session_->TakeMessages();
  }

  // The candidates of the page the module publishes for "nihao" (it has more than nine).
  DWORD PageSize() {
    session_->Type(L"nihao");
    HIMC context = session_->context();
    DWORD pageSize = 0;
    const DWORD size = ImmGetCandidateListW(context, 0, nullptr, 0);
    if (size >= sizeof(CANDIDATELIST)) {
      std::vector<BYTE> list(size);
      ImmGetCandidateListW(context, 0, reinterpret_cast<CANDIDATELIST*>(list.data()), size);
      pageSize = reinterpret_cast<CANDIDATELIST*>(list.data())->dwCount;
    }
    ImmReleaseContext(session_->window(), context);
    session_->Tap(VK_ESCAPE);
    session_->TakeMessages();
    return pageSize;
  }

  std::string kept_;
};

TEST_F(SettingsProgramTest, ChangedKeysReachConfigIniAndTheRunningModule) {
  ASSERT_EQ(PageSize(), 5u);
  const std::wstring layout = ConfigValue(L"UI", L"iscomb");

  SettingsProgram program(L"");
  HWND dialog = program.Dialog(kSettingsTitle);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(GetDlgItemInt(dialog, IDC_PAGESIZE, nullptr, FALSE), 5u) << "the dialog shows the file's values";
  Sleep(500);  // the dialog's controls paint themselves after it is shown
  CaptureWindow(dialog, false, PngFolder() / "settings_dialog.png");
  SetDlgItemTextW(dialog, IDC_PAGESIZE, L"3");
  SetDlgItemTextW(dialog, IDC_FONT_COMP, L"12, Arial ,700");
  SetDlgItemTextW(dialog, IDC_COLOR_CANDSEL, L"0,128,255");
  SendDlgItemMessageW(dialog, IDC_FUZZY, BM_SETCHECK, BST_CHECKED, 0);
  ASSERT_EQ(program.Press(dialog, IDOK), std::optional<DWORD>(0));

  EXPECT_EQ(ConfigValue(L"UI", L"numofpage"), L"3");
  EXPECT_EQ(ConfigValue(L"UI", L"compfont"), L"12,Arial,700");
  EXPECT_EQ(ConfigValue(L"UI", L"candselcolor"), std::to_wstring(0xFF8000));
  EXPECT_EQ(ConfigValue(L"FUZZY", L"usefuzzy"), L"1");
  EXPECT_EQ(ConfigValue(L"UI", L"iscomb"), layout) << "an untouched key keeps its value";
  EXPECT_EQ(PageSize(), 3u) << "the module reloaded its settings at the program's message";
}

TEST_F(SettingsProgramTest, AnInvalidEntryKeepsTheDialogOpenAndWritesNothing) {
  const std::string before = FileBytes(Config());
  SettingsProgram program(L"");
  HWND dialog = program.Dialog(kSettingsTitle);
  ASSERT_NE(dialog, nullptr);
  SetDlgItemTextW(dialog, IDC_COLOR_CAND, L"300,0,0");
  SetDlgItemTextW(dialog, IDC_PAGESIZE, L"4");
  EXPECT_EQ(program.Press(dialog, IDOK, 10), std::nullopt) << "the dialog stays";
  EXPECT_EQ(FileBytes(Config()), before);
  wchar_t notice[128] = {};
  GetDlgItemTextW(dialog, IDC_NOTICE, notice, 128);
  EXPECT_NE(notice[0], L'\0') << "the fault is named";
  EXPECT_EQ(program.Press(dialog, IDCANCEL), std::optional<DWORD>(0));
  EXPECT_EQ(FileBytes(Config()), before);
}

TEST_F(SettingsProgramTest, AConfigIniThatIsNoIniFileIsNeverWritten) {
  const std::string garbage("\x89PNG\r\n\x1a\n\0\0\0\rIHDR binary data [UI]\nnumofpage=9\n", 40);
  std::ofstream(Config(), std::ios::binary | std::ios::trunc) << garbage;
  SettingsProgram program(L"");
  HWND dialog = program.Dialog(kSettingsTitle);
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
  SetDlgItemTextW(dialog, IDC_PAGESIZE, L"3");
  // A click that reaches the dialog anyway (here: a message) changes nothing either.
  EXPECT_EQ(program.Press(dialog, IDOK, 10), std::nullopt);
  EXPECT_EQ(program.Press(dialog, IDCANCEL), std::optional<DWORD>(0));
  EXPECT_EQ(FileBytes(Config()), garbage);
}

TEST_F(SettingsProgramTest, AboutShowsTheAboutBox) {
  SettingsProgram program(L"-about");
  HWND about = program.Dialog(kAboutTitle);
  ASSERT_NE(about, nullptr);
  Sleep(500);
  CaptureWindow(about, false, PngFolder() / "about_box.png");
  EXPECT_EQ(FindWindowW(L"#32770", kSettingsTitle), nullptr);
  EXPECT_EQ(program.Press(about, IDOK), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace kellavor::wine
