#include "ime/platform/file_system.h"

#include <gtest/gtest.h>

#include "tests/support/test_folder.h"

namespace kellavor::platform {
namespace {

using kellavor::TestFolder;

TEST(FileSystem, WritesReadsCopiesAndReplacesFiles) {
  TestFolder folder("file_system");
  const std::u16string a = folder.Path(u"a.bin");
  const std::u16string b = folder.Path(u"b.bin");
  ASSERT_TRUE(WriteWholeFile(a, "abc", 3));
  EXPECT_EQ(FileSize(a), 3u);
  EXPECT_EQ(ReadWholeFile(a, 100), (std::vector<uint8_t>{'a', 'b', 'c'}));
  EXPECT_FALSE(ReadWholeFile(a, 2).has_value()) << "a file above the limit is refused";

  EXPECT_TRUE(CopyFileIfAbsent(a, b));
  ASSERT_TRUE(WriteWholeFile(a, "x", 1));
  EXPECT_FALSE(CopyFileIfAbsent(a, b)) << "an existing target is never overwritten";
  EXPECT_EQ(FileSize(b), 3u);

  EXPECT_TRUE(ReplaceFileWith(a, b));
  EXPECT_FALSE(FileExists(a));
  EXPECT_EQ(FileSize(b), 1u);
  EXPECT_TRUE(RemoveFile(b));
  EXPECT_FALSE(FileExists(b));
  EXPECT_FALSE(ReadWholeFile(b, 100).has_value());
}

TEST(FileSystem, CreatesFoldersOnceAndFindsFilesBySuffix) {
  TestFolder folder("folders");
  const std::u16string sub = folder.Path(u"spell");
  EXPECT_TRUE(CreateFolder(sub));
  EXPECT_FALSE(CreateFolder(sub)) << "an existing folder reports failure";
  EXPECT_FALSE(FindFirstFileWithSuffix(sub, u".aff").has_value());
  ASSERT_TRUE(WriteWholeFile(sub + kPathSeparator + u"de_DE.aff", "", 0));
  ASSERT_TRUE(WriteWholeFile(sub + kPathSeparator + u"de_DE.dic", "", 0));
  EXPECT_EQ(FindFirstFileWithSuffix(sub, u".aff"), u"de_DE.aff");
  EXPECT_FALSE(FindFirstFileWithSuffix(folder.Path(u"missing"), u".aff").has_value());
}

}  // namespace
}  // namespace kellavor::platform
