// Natively: the exclusive lock that the private-profile writer takes while it edits a file.
#pragma once

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <string>

#include "ime/platform/utf.h"

namespace kellavor {

class WriteHold {
 public:
  explicit WriteHold(const std::u16string& path)
      : fd_(open(platform::Utf16ToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC)) {
    if (fd_ >= 0 && flock(fd_, LOCK_EX | LOCK_NB) != 0) {
      close(fd_);
      fd_ = -1;
    }
  }
  ~WriteHold() {
    if (fd_ >= 0) close(fd_);
  }
  WriteHold(const WriteHold&) = delete;
  WriteHold& operator=(const WriteHold&) = delete;
  bool held() const { return fd_ >= 0; }

 private:
  int fd_;
};

}  // namespace kellavor
