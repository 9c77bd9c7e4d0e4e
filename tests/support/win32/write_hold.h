// On Windows: a handle that shares reading but not writing.
#pragma once

#include <windows.h>

#include <string>

#include "ime/platform/win32/wide.h"

namespace kellavor {

class WriteHold {
 public:
  explicit WriteHold(const std::u16string& path)
      : handle_(CreateFileW(platform::Wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~WriteHold() {
    if (held()) CloseHandle(handle_);
  }
  WriteHold(const WriteHold&) = delete;
  WriteHold& operator=(const WriteHold&) = delete;
  bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

}  // namespace kellavor
