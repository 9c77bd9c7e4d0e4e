// kellavor_dictsite --data DIR [--port N]: serves the dictionary site on 127.0.0.1 until killed.
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "ime/platform/file_system.h"
#include "tools/dictsite/dict_site.h"

namespace {

int Usage() {
  std::fputs("usage: kellavor_dictsite --data DIR [--port N]\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::u16string folder;
  int port = kellavor::dictsite::kDefaultPort;
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    if (i + 1 >= argc) return Usage();
    const std::string_view value = argv[++i];
    if (option == "--data") {
      folder = std::filesystem::path(value).make_preferred().u16string();
      if (!folder.empty() && folder.back() != kellavor::platform::kPathSeparator) folder += kellavor::platform::kPathSeparator;
    } else if (option == "--port") {
      const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), port);
      if (error != std::errc() || end != value.data() + value.size() || port < 1 || port > 65535) return Usage();
    } else {
      return Usage();
    }
  }
  if (folder.empty()) return Usage();
  kellavor::dictsite::DictSite site(folder);
  if (!site.HasDictionary()) std::fputs("kellavor_dictsite: no German dictionary in the data folder\n", stderr);
  if (site.Bind(port) < 0) {
    std::fprintf(stderr, "kellavor_dictsite: cannot listen on %s:%d\n", kellavor::dictsite::kLoopbackAddress, port);
    return 1;
  }
  std::printf("kellavor_dictsite: http://%s:%d/\n", kellavor::dictsite::kLoopbackAddress, port);
  std::fflush(stdout);
  return site.Serve() ? 0 : 1;
}
