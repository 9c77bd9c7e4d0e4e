// The demonstration driver: runs in the Wine prefix where the setup installed the input method and
// opens notepad on its own desktop. It hooks notepad's thread with kellavor_demo_hook,
// has the hook activate the layout the setup recorded, runs the steps given on the command line,
// prints the text notepad holds at the end and closes notepad.
//   kellavor_demo FOLDER STEP...
//   STEP: keys:SCRIPT (typed into notepad, see demo_keys.h), shot:NAME (FOLDER\NAME.png of the
//   screen) or setting:SECTION/KEY=VALUE (written to the user's config.ini, which every running
//   module then reloads, as after the settings program)
#include <windows.h>

#include <cstdio>
#include <string>

#include "demo/win32/demo_request.h"
#include "ime/module/module_paths.h"
#include "ime/module/win32/application_data_folder.h"
#include "ime/platform/win32/wide.h"
#include "ime/settings/win32/ext_event_broadcast.h"
#include "ime/settings/win32/ext_event_window.h"
#include "installer/win32/recorded_layout.h"
#include "tests/wine/window_capture.h"

namespace {

std::string Utf8(const std::wstring& text) {
  std::string out(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                                          nullptr, nullptr)),
                  '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), static_cast<int>(out.size()),
                      nullptr, nullptr);
  return out;
}

// Starts notepad on the driver's own desktop and waits for its window.
HWND OpenNotepad() {
  wchar_t commandLine[] = L"notepad.exe";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) return nullptr;
  WaitForInputIdle(process.hProcess, 60000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  for (int i = 0; i < 600; ++i) {
    if (HWND window = FindWindowW(L"Notepad", nullptr); window != nullptr) return window;
    Sleep(100);
  }
  return nullptr;
}

// Sends a request into notepad's thread and waits until the hook has carried it out.
void Request(HWND notepad, const std::wstring& request) {
  static const UINT message = RegisterWindowMessageW(kellavor::demo::kDemoRequestMessage);
  const ATOM atom = GlobalAddAtomW(request.c_str());
  SendMessageW(notepad, message, atom, 0);
  GlobalDeleteAtom(atom);
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
  text.resize(static_cast<size_t>(SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

// SECTION/KEY=VALUE into the user's config.ini, then every module reloads its settings.
bool ChangeSetting(const std::wstring& assignment) {
  const size_t slash = assignment.find(L'/');
  const size_t equals = assignment.find(L'=');
  const auto userFolder = kellavor::module::UserFolderIn(kellavor::module::ApplicationDataFolder());
  if (slash == std::wstring::npos || equals == std::wstring::npos || equals < slash || !userFolder) return false;
  const std::u16string file = *userFolder + u"config.ini";
  if (!WritePrivateProfileStringW(assignment.substr(0, slash).c_str(), assignment.substr(slash + 1, equals - slash - 1).c_str(),
                                  assignment.substr(equals + 1).c_str(), kellavor::platform::Wide(file))) {
    return false;
  }
  kellavor::settings::SendToEveryEventWindow(kellavor::settings::WM_IMEEXT_RELOADSETTINGS);
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: kellavor_demo FOLDER STEP...\n");
    return 2;
  }
  const std::wstring folder = argv[1];
  const std::wstring layout = kellavor::installer::RecordedLayout();
  if (layout.empty()) {
    std::fprintf(stderr, "kellavor_demo: the setup recorded no layout\n");
    return 3;
  }
  HWND notepad = OpenNotepad();
  if (notepad == nullptr) {
    std::fprintf(stderr, "kellavor_demo: notepad did not open\n");
    return 4;
  }
  SetWindowPos(notepad, HWND_TOP, 40, 40, 600, 320, SWP_SHOWWINDOW);
  SetForegroundWindow(notepad);

  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring hookFile = self;
  hookFile = hookFile.substr(0, hookFile.find_last_of(L"\\/") + 1) + L"kellavor_demo_hook.dll";
  HMODULE hookModule = LoadLibraryW(hookFile.c_str());
  auto* procedure = hookModule != nullptr ? reinterpret_cast<HOOKPROC>(
                                                reinterpret_cast<void*>(GetProcAddress(hookModule, "DemoCallWndProc")))
                                          : nullptr;
  HHOOK hook = procedure != nullptr
                   ? SetWindowsHookExW(WH_CALLWNDPROC, procedure, hookModule, GetWindowThreadProcessId(notepad, nullptr))
                   : nullptr;
  if (hook == nullptr) {
    std::fprintf(stderr, "kellavor_demo: cannot hook notepad (%ls)\n", hookFile.c_str());
    return 5;
  }
  Request(notepad, L"activate " + layout);
  std::printf("layout %ls active in notepad\n", layout.c_str());
  std::fflush(stdout);

  for (int i = 2; i < argc; ++i) {
    const std::wstring step = argv[i];
    if (step.rfind(L"keys:", 0) == 0) {
      std::printf("typing %s\n", Utf8(step.substr(5)).c_str());
      Request(notepad, L"keys " + step.substr(5));
    } else if (step.rfind(L"setting:", 0) == 0) {
      if (!ChangeSetting(step.substr(8))) {
        std::fprintf(stderr, "kellavor_demo: cannot change the setting %s\n", Utf8(step.substr(8)).c_str());
        return 6;
      }
      std::printf("setting %s\n", Utf8(step.substr(8)).c_str());
    } else if (step.rfind(L"shot:", 0) == 0) {
      Sleep(700);
      const std::wstring file = folder + L"\\" + step.substr(5) + L".png";
      kellavor::wine::CaptureWindow(GetDesktopWindow(), false, file);
      std::printf("screenshot %s.png\n", Utf8(step.substr(5)).c_str());
    }
    std::fflush(stdout);
  }
  HWND edit = FindWindowExW(notepad, nullptr, L"Edit", nullptr);
  std::printf("notepad holds: %s\n", Utf8(WindowText(edit)).c_str());
  UnhookWindowsHookEx(hook);
  // Closed without the question whether to save.
  SendMessageW(edit, EM_SETMODIFY, FALSE, 0);
  PostMessageW(notepad, WM_CLOSE, 0, 0);
  return 0;
}
