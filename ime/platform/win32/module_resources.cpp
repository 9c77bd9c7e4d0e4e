#include "ime/platform/module_resources.h"

#include <windows.h>

#include "ime/platform/win32/wide.h"

namespace kellavor::platform {
namespace {

HMODULE& ResourceModule() {
  static HMODULE module = nullptr;
  return module;
}

}  // namespace

void SetResourceModule(void* module) { ResourceModule() = static_cast<HMODULE>(module); }

std::span<const uint8_t> FindModuleResource(std::u16string_view type, uint16_t id) {
  if (type.empty()) return {};
  HMODULE module = ResourceModule() != nullptr ? ResourceModule() : GetModuleHandleW(nullptr);
  const std::u16string typeName(type);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), Wide(typeName));
  if (found == nullptr) return {};
  const DWORD size = SizeofResource(module, found);
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr || size == 0) return {};
  return {static_cast<const uint8_t*>(bytes), size};
}

}  // namespace kellavor::platform
