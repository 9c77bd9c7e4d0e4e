#include "ime/platform/shared_block.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "ime/platform/posix/session_name.h"

namespace kellavor::platform {
namespace {

// Every process that holds the block keeps a shared lock on its holders object. Opening and
// closing are serialised by an exclusive lock on a second object, so that "am I the only holder"
// (an exclusive holders lock is free) can be asked without races. This gives the block the
// lifetime of a page-file mapping: it goes when its last holder closes it or dies.
class OpenCloseLock {
 public:
  explicit OpenCloseLock(const std::u16string& name)
      : fd_(shm_open(SessionObjectName(name, ".open").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
    if (fd_ >= 0) {
      while (flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
      }
    }
  }
  ~OpenCloseLock() {
    if (fd_ >= 0) close(fd_);
  }
  OpenCloseLock(const OpenCloseLock&) = delete;
  OpenCloseLock& operator=(const OpenCloseLock&) = delete;

 private:
  int fd_;
};

bool IsOnlyHolder(int holdersFd) { return flock(holdersFd, LOCK_EX | LOCK_NB) == 0; }

}  // namespace

SharedBlock SharedBlock::Open(const std::u16string& name, size_t size, SharedBlockAccess access) {
  SharedBlock block;
  if (size == 0) return block;
  OpenCloseLock serialise(name);
  const std::string blockName = SessionObjectName(name, "");
  const int holders = shm_open(SessionObjectName(name, ".holders").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (holders < 0) return block;

  if (IsOnlyHolder(holders)) shm_unlink(blockName.c_str());  // left behind by holders that are gone

  int fd = -1;
  if (access == SharedBlockAccess::kReadOnly) {
    block.origin_ = SharedBlockOrigin::kExisted;
    block.readOnly_ = true;
    fd = shm_open(blockName.c_str(), O_RDONLY | O_CLOEXEC, 0);
  } else if ((fd = shm_open(blockName.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600)) >= 0) {
    block.origin_ = SharedBlockOrigin::kCreated;
    if (ftruncate(fd, static_cast<off_t>(size)) != 0) {
      close(fd);
      shm_unlink(blockName.c_str());
      close(holders);
      return block;
    }
  } else if (errno == EEXIST) {
    block.origin_ = SharedBlockOrigin::kExisted;
    fd = shm_open(blockName.c_str(), O_RDWR | O_CLOEXEC, 0);
    if (fd < 0 && errno == EACCES) {
      fd = shm_open(blockName.c_str(), O_RDONLY | O_CLOEXEC, 0);
      block.readOnly_ = true;
    }
  }
  struct stat info {};
  if (fd < 0 || fstat(fd, &info) != 0 || info.st_size <= 0) {
    if (fd >= 0) close(fd);
    close(holders);
    return block;
  }
  block.size_ = static_cast<size_t>(info.st_size);
  void* view = mmap(nullptr, block.size_, block.readOnly_ ? PROT_READ : PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  close(fd);
  if (view == MAP_FAILED) {
    close(holders);
    block.size_ = 0;
    return block;
  }
  flock(holders, LOCK_SH);
  block.data_ = static_cast<uint8_t*>(view);
  block.handle_ = holders;
  block.name_ = name;
  return block;
}

void SharedBlock::Close() {
  if (data_ == nullptr) return;
  OpenCloseLock serialise(name_);
  munmap(data_, size_);
  const int holders = static_cast<int>(handle_);
  if (IsOnlyHolder(holders)) shm_unlink(SessionObjectName(name_, "").c_str());
  close(holders);
  data_ = nullptr;
  size_ = 0;
  handle_ = -1;
}

}  // namespace kellavor::platform
