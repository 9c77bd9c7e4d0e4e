#include "ime/platform/file_system.h"

#include <windows.h>

#include "ime/platform/file_fault_hook.h"
#include "ime/platform/win32/wide.h"

namespace kellavor::platform {
namespace {

// Closes a file handle when it goes out of scope.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (ok()) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE get() const { return handle_; }
  bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

}  // namespace

bool IsPathSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

bool FileExists(const std::u16string& path) { return GetFileAttributesW(Wide(path)) != INVALID_FILE_ATTRIBUTES; }

std::optional<uint64_t> FileSize(const std::u16string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data {};
  if (!GetFileAttributesExW(Wide(path), GetFileExInfoStandard, &data)) return std::nullopt;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::optional<FileStamp> StampOf(const std::u16string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data {};
  if (!GetFileAttributesExW(Wide(path), GetFileExInfoStandard, &data)) return std::nullopt;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  const auto joined = [](DWORD high, DWORD low) { return (static_cast<uint64_t>(high) << 32) | low; };
  return FileStamp{joined(data.nFileSizeHigh, data.nFileSizeLow),
                   joined(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime), 0,
                   joined(data.ftCreationTime.dwHighDateTime, data.ftCreationTime.dwLowDateTime)};
}

bool CreateFolder(const std::u16string& path) { return CreateDirectoryW(Wide(path), nullptr) != FALSE; }

bool CopyFileIfAbsent(const std::u16string& from, const std::u16string& to) {
  return CopyFileW(Wide(from), Wide(to), TRUE) != FALSE;
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::u16string& path, size_t maxBytes) {
  FileHandle file(CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.ok()) return std::nullopt;
  LARGE_INTEGER size {};
  if (!GetFileSizeEx(file.get(), &size) || static_cast<uint64_t>(size.QuadPart) > maxBytes) return std::nullopt;
  std::vector<uint8_t> bytes(static_cast<size_t>(size.QuadPart));
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
    if (!ReadFile(file.get(), bytes.data() + done, want, &got, nullptr) || got == 0) break;
    done += got;
  }
  bytes.resize(done);
  return bytes;
}

bool WriteWholeFile(const std::u16string& path, const void* bytes, size_t length) {
  ReachFileFaultPoint(FileFaultPoint::kCreate);
  FileHandle file(CreateFileW(Wide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.ok()) return false;
  const auto* cursor = static_cast<const uint8_t*>(bytes);
  while (length > 0) {
    ReachFileFaultPoint(FileFaultPoint::kWrite);
    DWORD written = 0;
    const DWORD want = static_cast<DWORD>(std::min<size_t>(FaultPieceLimit(length), 1u << 30));
    if (!WriteFile(file.get(), cursor, want, &written, nullptr) || written == 0) return false;
    cursor += written;
    length -= written;
  }
  ReachFileFaultPoint(FileFaultPoint::kFlush);
  return FlushFileBuffers(file.get()) != FALSE;
}

bool ReplaceFileWith(const std::u16string& from, const std::u16string& to) {
  ReachFileFaultPoint(FileFaultPoint::kReplace);
  if (MoveFileExW(Wide(from), Wide(to), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == FALSE) return false;
  ReachFileFaultPoint(FileFaultPoint::kReplaced);
  return true;
}

bool RemoveFile(const std::u16string& path) { return DeleteFileW(Wide(path)) != FALSE; }

std::optional<std::u16string> FindFirstFileWithSuffix(const std::u16string& folder,
                                                      const std::u16string& suffix) {
  std::u16string pattern = folder;
  if (!pattern.empty() && !IsPathSeparator(pattern.back())) pattern += kPathSeparator;
  pattern += u"*" + suffix;
  WIN32_FIND_DATAW found {};
  HANDLE search = FindFirstFileW(Wide(pattern), &found);
  if (search == INVALID_HANDLE_VALUE) return std::nullopt;
  FindClose(search);
  return std::u16string(Utf16(found.cFileName));
}

}  // namespace kellavor::platform
