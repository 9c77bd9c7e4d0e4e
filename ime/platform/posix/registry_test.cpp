#include "ime/platform/registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace kellavor::platform {
namespace {

TEST(InstallFolderValue, ComesFromTheEnvironmentWithinTheLimit) {
  unsetenv("KELLAVOR_MAIN_PATH");
  EXPECT_EQ(ReadInstallFolderValue(), u"");
  setenv("KELLAVOR_MAIN_PATH", "/opt/kellavor/\xC3\xA4/", 1);
  EXPECT_EQ(ReadInstallFolderValue(), u"/opt/kellavor/\u00e4/");
  setenv("KELLAVOR_MAIN_PATH", std::string(129, 'a').c_str(), 1);
  EXPECT_EQ(ReadInstallFolderValue().size(), 129u);
  setenv("KELLAVOR_MAIN_PATH", std::string(130, 'a').c_str(), 1);
  EXPECT_EQ(ReadInstallFolderValue(), u"");
  unsetenv("KELLAVOR_MAIN_PATH");
}

}  // namespace
}  // namespace kellavor::platform
