#include "ime/platform/named_mutex.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>

#include "ime/platform/posix/session_name.h"

namespace kellavor::platform {

// An advisory lock on a shared-memory object: each NamedMutex has its own open file description,
// so two of them exclude each other even inside one process, and the kernel releases the lock of
// a process that dies.
NamedMutex::NamedMutex(const std::u16string& name) {
  const int fd = shm_open(SessionObjectName(name, ".mutex").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd >= 0) handle_ = fd;
}

NamedMutex::~NamedMutex() {
  if (valid()) close(static_cast<int>(handle_));
}

void NamedMutex::Lock() {
  if (!valid()) return;
  while (flock(static_cast<int>(handle_), LOCK_EX) != 0 && errno == EINTR) {
  }
}

void NamedMutex::Unlock() {
  if (valid()) flock(static_cast<int>(handle_), LOCK_UN);
}

}  // namespace kellavor::platform
