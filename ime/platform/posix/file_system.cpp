#include "ime/platform/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "ime/platform/file_fault_hook.h"
#include "ime/platform/posix/path_utf8.h"

namespace kellavor::platform {
namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  bool ok() const { return fd_ >= 0; }

 private:
  int fd_;
};

bool WriteAll(int fd, const uint8_t* bytes, size_t length) {
  while (length > 0) {
    ReachFileFaultPoint(FileFaultPoint::kWrite);
    const ssize_t written = write(fd, bytes, FaultPieceLimit(length));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes += written;
    length -= static_cast<size_t>(written);
  }
  return true;
}

}  // namespace

bool IsPathSeparator(char16_t c) { return c == u'/'; }

bool FileExists(const std::u16string& path) {
  struct stat info {};
  return stat(NativePath(path).c_str(), &info) == 0;
}

std::optional<uint64_t> FileSize(const std::u16string& path) {
  struct stat info {};
  if (stat(NativePath(path).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return static_cast<uint64_t>(info.st_size);
}

std::optional<FileStamp> StampOf(const std::u16string& path) {
  struct stat info {};
  if (stat(NativePath(path).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return FileStamp{static_cast<uint64_t>(info.st_size),
                   static_cast<uint64_t>(info.st_mtim.tv_sec) * 1000000000u + static_cast<uint64_t>(info.st_mtim.tv_nsec),
                   static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino)};
}

bool CreateFolder(const std::u16string& path) { return mkdir(NativePath(path).c_str(), 0700) == 0; }

bool CopyFileIfAbsent(const std::u16string& from, const std::u16string& to) {
  Descriptor source(open(NativePath(from).c_str(), O_RDONLY | O_CLOEXEC));
  if (!source.ok()) return false;
  Descriptor target(open(NativePath(to).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
  if (!target.ok()) return false;
  uint8_t buffer[65536];
  for (;;) {
    const ssize_t got = read(source.get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    if (!WriteAll(target.get(), buffer, static_cast<size_t>(got))) return false;
  }
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::u16string& path, size_t maxBytes) {
  Descriptor file(open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC));
  if (!file.ok()) return std::nullopt;
  struct stat info {};
  if (fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  if (static_cast<uint64_t>(info.st_size) > maxBytes) return std::nullopt;
  std::vector<uint8_t> bytes(static_cast<size_t>(info.st_size));
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = read(file.get(), bytes.data() + done, bytes.size() - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<size_t>(got);
  }
  bytes.resize(done);
  return bytes;
}

bool WriteWholeFile(const std::u16string& path, const void* bytes, size_t length) {
  ReachFileFaultPoint(FileFaultPoint::kCreate);
  Descriptor file(open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
  if (!file.ok()) return false;
  if (!WriteAll(file.get(), static_cast<const uint8_t*>(bytes), length)) return false;
  ReachFileFaultPoint(FileFaultPoint::kFlush);
  return fsync(file.get()) == 0;
}

bool ReplaceFileWith(const std::u16string& from, const std::u16string& to) {
  ReachFileFaultPoint(FileFaultPoint::kReplace);
  const std::string target = NativePath(to);
  if (rename(NativePath(from).c_str(), target.c_str()) != 0) return false;
  ReachFileFaultPoint(FileFaultPoint::kReplaced);
  // The new name is made durable too, so that a power cut after the save leaves one of the two
  // files under it, not neither.
  const size_t slash = target.rfind('/');
  Descriptor folder(open(slash == std::string::npos ? "." : target.substr(0, slash + 1).c_str(),
                         O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.ok()) fsync(folder.get());
  return true;
}

bool RemoveFile(const std::u16string& path) { return unlink(NativePath(path).c_str()) == 0; }

std::optional<std::u16string> FindFirstFileWithSuffix(const std::u16string& folder,
                                                      const std::u16string& suffix) {
  DIR* listing = opendir(NativePath(folder).c_str());
  if (listing == nullptr) return std::nullopt;
  std::optional<std::u16string> found;
  while (dirent* entry = readdir(listing)) {
    const std::u16string name = Utf8ToUtf16(entry->d_name);
    if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
      found = name;
      break;
    }
  }
  closedir(listing);
  return found;
}

}  // namespace kellavor::platform
