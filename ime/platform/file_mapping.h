// Read-only views of whole files, shared between processes under a mapping name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kellavor::platform {

// A read-only view of a file. Unmapped when the object goes; an empty object is "none".
class MappedFile {
 public:
  MappedFile() = default;
  ~MappedFile();
  MappedFile(MappedFile&& other) noexcept;
  MappedFile& operator=(MappedFile&& other) noexcept;
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  explicit operator bool() const { return data_ != nullptr; }
  const uint8_t* data() const { return data_; }
  // Bytes that may be read from data(). For a view opened by name (another process mapped the file
  // first) this is the size of the view's region, rounded up to whole pages that read as zero past
  // the end of the file.
  size_t size() const { return size_; }

 private:
  friend MappedFile MapReadOnlyFile(const std::u16string& path, const std::u16string& mappingName);
  MappedFile(const uint8_t* data, size_t size, void* mapping) : data_(data), size_(size), mapping_(mapping) {}
  void Release();

  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
  void* mapping_ = nullptr;  // the mapping object, where the platform has one
};

// Maps the whole file read-only. Windows: the mapping is created under mappingName, or opened by
// that name when another process of the session created it first (then the file on disk is not
// looked at). POSIX: a shared read-only mmap of the file; the name has no meaning there.
// None when the file is missing, empty or cannot be mapped.
MappedFile MapReadOnlyFile(const std::u16string& path, const std::u16string& mappingName);

}  // namespace kellavor::platform
