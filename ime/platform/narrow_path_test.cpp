#include "ime/platform/narrow_path.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "ime/platform/file_system.h"
#include "tests/support/test_folder.h"

namespace kellavor::platform {
namespace {

// The narrow path must reach the same file through the C runtime, whatever the folder's name.
TEST(NarrowPath, OpensFilesThroughTheCRuntime) {
  TestFolder root("narrow_path");
  for (const std::u16string name : {u"plain", u"Wörterbücher", u"词典 Größe"}) {
    const std::filesystem::path folder = root.Native() / std::filesystem::path(name);
    std::filesystem::create_directories(folder);
    const std::u16string file = (folder / "de_DE.aff").u16string();
    ASSERT_TRUE(WriteWholeFile(file, "SET UTF-8\n", 10));

    const auto narrow = NarrowFilePath(file);
    ASSERT_TRUE(narrow.has_value());
    std::FILE* opened = std::fopen(narrow->c_str(), "rb");
    ASSERT_NE(opened, nullptr) << *narrow;
    char bytes[4] = {};
    EXPECT_EQ(std::fread(bytes, 1, 3, opened), 3u);
    EXPECT_STREQ(bytes, "SET");
    std::fclose(opened);
  }
}

}  // namespace
}  // namespace kellavor::platform
