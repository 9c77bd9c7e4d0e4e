#include "ime/module/create_directory_chain.h"

#include "ime/platform/file_system.h"

namespace kellavor::module {

bool CreateDirectoryChain(const std::u16string& path) {
  if (path.size() < 2 || path.size() > kMaxDirectoryChainLength) return false;
  for (size_t i = 1; i < path.size(); ++i) {
    if (platform::IsPathSeparator(path[i])) platform::CreateFolder(path.substr(0, i));
  }
  return platform::CreateFolder(path);
}

}  // namespace kellavor::module
