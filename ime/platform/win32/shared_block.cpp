#include "ime/platform/shared_block.h"

#include <windows.h>

#include "ime/platform/win32/wide.h"

namespace kellavor::platform {

// A mapping of the page file. Its name has no session prefix, so the processes of one logon
// session share it; it goes when the last handle to it is closed.
SharedBlock SharedBlock::Open(const std::u16string& name, size_t size, SharedBlockAccess access) {
  SharedBlock block;
  if (size == 0) return block;
  HANDLE mapping = nullptr;
  bool denied = access == SharedBlockAccess::kReadOnly;
  if (!denied) {
    const auto wide = static_cast<uint64_t>(size);
    mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, static_cast<DWORD>(wide >> 32),
                                 static_cast<DWORD>(wide), Wide(name));
    if (mapping != nullptr) {
      block.origin_ = GetLastError() == ERROR_ALREADY_EXISTS ? SharedBlockOrigin::kExisted : SharedBlockOrigin::kCreated;
    } else {
      denied = GetLastError() == ERROR_ACCESS_DENIED;
    }
  }
  if (denied) {
    mapping = OpenFileMappingW(FILE_MAP_READ, FALSE, Wide(name));
    block.readOnly_ = true;
    block.origin_ = SharedBlockOrigin::kExisted;
  }
  if (mapping == nullptr) return block;

  void* view = MapViewOfFile(mapping, block.readOnly_ ? FILE_MAP_READ : FILE_MAP_ALL_ACCESS, 0, 0, 0);
  if (view == nullptr) {
    CloseHandle(mapping);
    return block;
  }
  size_t mapped = size;
  if (block.origin_ == SharedBlockOrigin::kExisted) {
    // The creator chose the size; the view's region tells how much of it may be read.
    MEMORY_BASIC_INFORMATION region {};
    mapped = VirtualQuery(view, &region, sizeof region) != 0 ? region.RegionSize : 0;
  }
  block.data_ = static_cast<uint8_t*>(view);
  block.size_ = mapped;
  block.handle_ = reinterpret_cast<intptr_t>(mapping);
  block.name_ = name;
  return block;
}

void SharedBlock::Close() {
  if (data_ == nullptr) return;
  UnmapViewOfFile(data_);
  CloseHandle(reinterpret_cast<HANDLE>(handle_));
  data_ = nullptr;
  size_ = 0;
  handle_ = -1;
}

}  // namespace kellavor::platform
