#include "ime/platform/module_resources.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ime/platform/file_system.h"

namespace kellavor::platform {
namespace {

// Generous bound for one resource; a larger file is treated as missing.
constexpr size_t kMaxResourceBytes = 16u << 20;

std::u16string& ResourceFolder() {
  static std::u16string folder;
  return folder;
}

// Loaded resources by file path; entries are never removed, so handed-out spans stay valid.
std::map<std::u16string, std::vector<uint8_t>>& LoadedResources() {
  static std::map<std::u16string, std::vector<uint8_t>> loaded;
  return loaded;
}

}  // namespace

std::u16string ResourceFileName(std::u16string_view type, uint16_t id) {
  if (!type.empty() && type.front() == u'#') type.remove_prefix(1);
  std::u16string name(type);
  name += u'-';
  for (char c : std::to_string(id)) name += static_cast<char16_t>(c);
  name += u".bin";
  return name;
}

void SetResourceFolder(const std::u16string& folder) {
  ResourceFolder() = folder;
  if (!folder.empty() && !IsPathSeparator(folder.back())) ResourceFolder() += kPathSeparator;
}

std::span<const uint8_t> FindModuleResource(std::u16string_view type, uint16_t id) {
  if (ResourceFolder().empty() || type.empty()) return {};
  const std::u16string path = ResourceFolder() + ResourceFileName(type, id);
  auto& loaded = LoadedResources();
  auto found = loaded.find(path);
  if (found == loaded.end()) {
    std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(path, kMaxResourceBytes);
    if (!bytes) return {};
    found = loaded.emplace(path, std::move(*bytes)).first;
  }
  return found->second;
}

}  // namespace kellavor::platform
