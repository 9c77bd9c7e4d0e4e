// Nerovask: one instance per user, started by the input method without arguments. It builds its
// paths, quits at once when the viewer is switched off, opens its message window and its form and
// runs until the user closes the form.
#include <windows.h>

#include <exception>

#include "ime/module/module_paths.h"
#include "ime/module/win32/application_data_folder.h"
#include "ime/platform/utf.h"
#include "viewer/viewer_controller.h"
#include "viewer/viewer_settings.h"
#include "viewer/win32/detail_form.h"
#include "viewer/win32/local_site.h"
#include "viewer/win32/message_window.h"

namespace {

using namespace kellavor;

// The folder of the program, ending with a separator: the install folder.
std::u16string ProgramFolder() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::u16string folder(reinterpret_cast<const char16_t*>(path), length);
  const size_t separator = folder.find_last_of(u"\\/");
  return separator == std::u16string::npos ? std::u16string() : folder.substr(0, separator + 1);
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

int RunViewer(HINSTANCE instance) {
  const std::optional<std::u16string> userFolder = module::UserFolderIn(module::ApplicationDataFolder());
  if (!userFolder.has_value()) return 0;
  const viewer::ViewerPaths paths = viewer::BuildViewerPaths(*userFolder);
  if (!viewer::DetailShowEnabled(paths.settingsFile)) return 0;
  if (FAILED(OleInitialize(nullptr))) return 0;
  {
    viewer::DetailForm form(instance, paths);
    const std::string host = platform::Utf16ToUtf8(form.settings().dictionaryHost);
    viewer::LocalSite site(ProgramFolder(), host);
    viewer::ViewerController controller(form, paths.detailFile, host, [&site] { site.EnsureRunning(); });
    form.SetController(&controller);
    HWND messageWindow = viewer::CreateViewerMessageWindow(instance, controller);
    if (form.Create()) {
      form.Show();
      try {
        RunMessageLoop();
      } catch (const std::exception& error) {
        MessageBoxA(nullptr, error.what(), "Nerovask", MB_OK | MB_ICONERROR);
      }
    }
    viewer::DestroyViewerMessageWindow(instance, messageWindow);
  }
  OleUninitialize();
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // One viewer per user: a second start finds the mutex and leaves at once.
  HANDLE mutex = CreateMutexW(nullptr, FALSE, viewer::kMessageWindowClass);
  if (mutex == nullptr) return 0;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return 0;
  }
  const int exitCode = RunViewer(instance);
  CloseHandle(mutex);
  return exitCode;
}
