#include "ime/platform/module_resources.h"

#include <gtest/gtest.h>

#include "tests/support/test_folder.h"

namespace kellavor::platform {
namespace {

#ifndef _WIN32
using kellavor::TestFolder;

TEST(ModuleResources, ResourcesAreFilesNamedByTypeAndId) {
  TestFolder folder("module_resources");
  EXPECT_TRUE(FindModuleResource(u"Kvtest", 7).empty()) << "no folder set: every resource is missing";

  ASSERT_TRUE(WriteWholeFile(folder.Path(u"Kvtest-7.bin"), "seven", 5));
  ASSERT_TRUE(WriteWholeFile(folder.Path(u"23-9.bin"), "<html/>", 7));
  SetResourceFolder(folder.Native().u16string());

  const std::span<const uint8_t> named = FindModuleResource(u"Kvtest", 7);
  EXPECT_EQ(std::string(named.begin(), named.end()), "seven");
  const std::span<const uint8_t> numbered = FindModuleResource(kHtmlResourceType, 9);
  EXPECT_EQ(std::string(numbered.begin(), numbered.end()), "<html/>");
  EXPECT_TRUE(FindModuleResource(u"Kvtest", 8).empty());

  ASSERT_TRUE(RemoveFile(folder.Path(u"Kvtest-7.bin")));
  EXPECT_EQ(FindModuleResource(u"Kvtest", 7).data(), named.data()) << "a resource once found stays";
  SetResourceFolder(u"");
}
#endif

}  // namespace
}  // namespace kellavor::platform
