#include "ime/platform/file_mapping.h"

#include <windows.h>

#include "ime/platform/win32/wide.h"

namespace kellavor::platform {
namespace {

// The size of a view opened by name: the region of pages that the view occupies.
size_t ViewRegionSize(const void* view) {
  MEMORY_BASIC_INFORMATION info {};
  if (VirtualQuery(view, &info, sizeof info) != sizeof info) return 0;
  return info.RegionSize;
}

}  // namespace

void MappedFile::Release() {
  if (data_ != nullptr) UnmapViewOfFile(data_);
  if (mapping_ != nullptr) CloseHandle(mapping_);
  data_ = nullptr;
  size_ = 0;
  mapping_ = nullptr;
}

MappedFile MapReadOnlyFile(const std::u16string& path, const std::u16string& mappingName) {
  // The exact size is known only when this process creates the mapping from the file; a mapping
  // that already exists under the name is bounded by the region of its view.
  size_t fileSize = 0;
  HANDLE mapping = OpenFileMappingW(FILE_MAP_READ, FALSE, Wide(mappingName));
  if (mapping == nullptr) {
    HANDLE file = CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_RANDOM_ACCESS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    LARGE_INTEGER size {};
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0 && static_cast<uint64_t>(size.QuadPart) <= SIZE_MAX) {
      mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, Wide(mappingName));
      if (mapping != nullptr && GetLastError() != ERROR_ALREADY_EXISTS) fileSize = static_cast<size_t>(size.QuadPart);
    }
    CloseHandle(file);
    if (mapping == nullptr) return {};
  }
  const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
  if (view == nullptr) {
    CloseHandle(mapping);
    return {};
  }
  MappedFile result(static_cast<const uint8_t*>(view), fileSize != 0 ? fileSize : ViewRegionSize(view), mapping);
  if (result.size() == 0) return {};
  return result;
}

}  // namespace kellavor::platform
