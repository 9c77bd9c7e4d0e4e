#include "ime/platform/file_mapping.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ime/platform/posix/path_utf8.h"

namespace kellavor::platform {

void MappedFile::Release() {
  if (data_ != nullptr) munmap(const_cast<uint8_t*>(data_), size_);
  data_ = nullptr;
  size_ = 0;
}

// The mapping shares the page cache with every other process mapping the file. A file replaced on
// disk by renaming another over it leaves existing views intact; a file truncated in place would
// fault them, which is why the dictionary writer always writes a new file and renames it.
MappedFile MapReadOnlyFile(const std::u16string& path, const std::u16string& /*mappingName*/) {
  const int fd = open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {};
  struct stat info {};
  void* view = MAP_FAILED;
  size_t size = 0;
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    size = static_cast<size_t>(info.st_size);
    view = mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, 0);
  }
  close(fd);
  if (view == MAP_FAILED) return {};
  return MappedFile(static_cast<const uint8_t*>(view), size, nullptr);
}

}  // namespace kellavor::platform
