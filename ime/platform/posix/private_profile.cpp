// Natively the private-profile functions read and edit the file themselves (see
// profile_document.h for the text rules). Files larger than kMaxProfileBytes are neither read
// (their keys read as missing) nor written. A write works on a copy beside the file that then
// replaces it, so that a reader never sees half a file, and holds an exclusive lock on the file
// meanwhile: a file that another writer has locked is not written, as Windows refuses a write to
// a file that another program holds open against writing.
#include "ime/platform/private_profile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>

#include "ime/platform/posix/path_utf8.h"
#include "ime/platform/profile_document.h"

namespace kellavor::platform {
namespace {

constexpr size_t kMaxProfileBytes = 16u << 20;

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() { Reset(-1); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  void Reset(int fd) {
    if (fd_ >= 0) close(fd_);
    fd_ = fd;
  }
  int get() const { return fd_; }
  bool ok() const { return fd_ >= 0; }

 private:
  int fd_;
};

// Opens for reading without blocking on a FIFO or device; only a regular file is accepted.
int OpenRegularFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    errno = EISDIR;
    return -1;
  }
  return fd;
}

// The whole content of an open file; none when it is too large or cannot be read.
std::optional<std::string> ReadAll(int fd) {
  struct stat info {};
  if (fstat(fd, &info) != 0 || static_cast<uint64_t>(info.st_size) > kMaxProfileBytes) return std::nullopt;
  std::string bytes(static_cast<size_t>(info.st_size), '\0');
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = read(fd, bytes.data() + done, bytes.size() - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::nullopt;
    if (got == 0) break;
    done += static_cast<size_t>(got);
  }
  bytes.resize(done);
  return bytes;
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<size_t>(written);
  }
  return true;
}

// Writes the bytes to a new file beside target and moves it into target's place.
bool ReplaceContent(const std::string& target, const std::string& bytes, mode_t mode) {
  std::string temporary = target + ".XXXXXX";
  Descriptor file(mkostemp(temporary.data(), O_CLOEXEC));
  if (!file.ok()) return false;
  const bool written = WriteAll(file.get(), bytes) && fchmod(file.get(), mode) == 0 && fsync(file.get()) == 0;
  if (!written || rename(temporary.c_str(), target.c_str()) != 0) {
    unlink(temporary.c_str());
    return false;
  }
  return true;
}

// The file the path names, through any symbolic links, so that a write replaces the file and not
// the link.
std::string ResolvedPath(const std::string& path) {
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

}  // namespace

std::optional<std::u16string> ReadProfileText(const std::u16string& path) {
  Descriptor file(OpenRegularFile(NativePath(path)));
  if (!file.ok()) return std::nullopt;
  std::optional<std::string> bytes = ReadAll(file.get());
  if (!bytes) return std::nullopt;
  std::string_view text(*bytes);
  if (text.size() >= 2 && text[0] == '\xFF' && text[1] == '\xFE') {
    std::u16string units;
    units.reserve(text.size() / 2);
    for (size_t i = 2; i + 1 < text.size(); i += 2) {
      units += static_cast<char16_t>(static_cast<uint8_t>(text[i]) | (static_cast<uint8_t>(text[i + 1]) << 8));
    }
    return units;
  }
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  return Utf8ToUtf16(text);
}

size_t ReadProfileValue(const std::u16string& section, const std::u16string& key,
                        const std::u16string& defaultValue, char16_t* buffer, size_t capacity,
                        const std::u16string& path) {
  std::optional<std::u16string> value;
  if (std::optional<std::u16string> text = ReadProfileText(path)) {
    value = ProfileDocument::FromText(std::move(*text)).Find(section, key);
  }
  return CopyProfileValue(value, defaultValue, buffer, capacity);
}

bool WriteProfileValue(const std::u16string& section, const std::u16string& key,
                       const std::u16string& value, const std::u16string& path) {
  const std::string target = ResolvedPath(NativePath(path));
  // The lock belongs to the file that is in place; when another writer replaced it between the
  // open and the lock, start over on its successor.
  for (int attempt = 0; attempt < 8; ++attempt) {
    Descriptor file(OpenRegularFile(target));
    std::string bytes;
    mode_t mode = S_IRUSR | S_IWUSR;
    if (file.ok()) {
      if (flock(file.get(), LOCK_EX | LOCK_NB) != 0) return false;
      struct stat opened {}, current {};
      if (fstat(file.get(), &opened) != 0) return false;
      if (stat(target.c_str(), &current) != 0 || current.st_ino != opened.st_ino || current.st_dev != opened.st_dev) {
        continue;
      }
      std::optional<std::string> content = ReadAll(file.get());
      if (!content) return false;
      bytes = std::move(*content);
      mode = opened.st_mode & 07777;
    } else if (errno != ENOENT) {
      return false;
    }
    ProfileDocument document = ProfileDocument::FromBytes(bytes);
    document.Set(section, key, value);
    return ReplaceContent(target, document.ToBytes(), mode);
  }
  return false;
}

}  // namespace kellavor::platform
