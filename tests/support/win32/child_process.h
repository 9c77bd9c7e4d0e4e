// On Windows: CreateProcessW on this program's own file, the variable set in the environment the
// child inherits and taken back at once.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ime/platform/utf.h"
#include "ime/platform/win32/wide.h"

namespace kellavor {

class ChildProcess {
 public:
  ChildProcess(const std::vector<std::string>& arguments, const std::string& variable, const std::string& value) {
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    std::wstring commandLine = L"\"" + std::wstring(self, length) + L"\"";
    for (const std::string& argument : arguments) {
      commandLine += L" \"" + std::wstring(platform::Wide(platform::Utf8ToUtf16(argument))) + L"\"";
    }
    const std::u16string name = platform::Utf8ToUtf16(variable);
    SetEnvironmentVariableW(platform::Wide(name), platform::Wide(platform::Utf8ToUtf16(value)));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
      CloseHandle(process.hThread);
      process_ = process.hProcess;
    }
    SetEnvironmentVariableW(platform::Wide(name), nullptr);
  }
  ~ChildProcess() { Wait(); }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return process_ != nullptr; }

  // The child's exit status once it has ended; -1 when it did not start.
  int Wait() {
    if (process_ == nullptr) return status_;
    WaitForSingleObject(process_, INFINITE);
    DWORD code = 0;
    status_ = GetExitCodeProcess(process_, &code) ? static_cast<int>(code) : -1;
    CloseHandle(process_);
    process_ = nullptr;
    return status_;
  }

 private:
  HANDLE process_ = nullptr;
  int status_ = -1;
};

}  // namespace kellavor
