// Files and folders. Paths are UTF-16; the portable code joins them with kPathSeparator.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kellavor::platform {

#ifdef _WIN32
inline constexpr char16_t kPathSeparator = u'\\';
#else
inline constexpr char16_t kPathSeparator = u'/';
#endif

// Both separators count on Windows; only '/' elsewhere.
bool IsPathSeparator(char16_t c);

bool FileExists(const std::u16string& path);
std::optional<uint64_t> FileSize(const std::u16string& path);

// Tells one state of a file from another without opening it: its size, its last write time and what
// the system tells of its identity at the same cost. A write changes the time; another file put in
// its place, even by renaming, has another identity. POSIX: the device and the inode. Windows: the
// creation time (volume 0), which costs no call to the file system beyond the attributes, where the
// file index would cost opening the file (under Wine three round trips to its server).
struct FileStamp {
  uint64_t size = 0;
  uint64_t writeTime = 0;
  uint64_t volume = 0;
  uint64_t identity = 0;

  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// None for a folder or a file that cannot be opened.
std::optional<FileStamp> StampOf(const std::u16string& path);

// Creates one folder. False when it already exists or cannot be created.
bool CreateFolder(const std::u16string& path);

// Copies a file unless the target already exists. False when nothing was copied.
bool CopyFileIfAbsent(const std::u16string& from, const std::u16string& to);

// Reads a whole file; absent when it cannot be opened or is larger than maxBytes.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::u16string& path, size_t maxBytes);

// Creates or truncates the file and writes the bytes. False when it cannot be opened or the
// write comes up short.
bool WriteWholeFile(const std::u16string& path, const void* bytes, size_t length);

// Puts `from` in place of `to` in one step (the old `to`, if any, is replaced).
bool ReplaceFileWith(const std::u16string& from, const std::u16string& to);

bool RemoveFile(const std::u16string& path);

// Name (not path) of the first entry of the folder whose name ends with the suffix, in the
// platform's listing order; absent when there is none.
std::optional<std::u16string> FindFirstFileWithSuffix(const std::u16string& folder,
                                                      const std::u16string& suffix);

}  // namespace kellavor::platform
