#include "ime/module/create_directory_chain.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/test_folder.h"

namespace kellavor::module {
namespace {

using platform::kPathSeparator;

TEST(CreateDirectoryChainTest, CreatesEveryMissingFolderAlongThePath) {
  TestFolder root("directory_chain_nested");
  const std::u16string path = root.Folder() + u"a" + kPathSeparator + u"b" + kPathSeparator + u"c";
  EXPECT_TRUE(CreateDirectoryChain(path));
  EXPECT_TRUE(std::filesystem::is_directory(root.Native() / "a" / "b" / "c"));
}

TEST(CreateDirectoryChainTest, ReportsTheLastCreationOnly) {
  TestFolder root("directory_chain_results");
  const std::u16string withSeparator = root.Folder() + u"fresh" + kPathSeparator;
  // The folder is made at its separator, so the creation for the whole path finds it there.
  EXPECT_FALSE(CreateDirectoryChain(withSeparator));
  EXPECT_TRUE(std::filesystem::is_directory(root.Native() / "fresh"));
  // An existing folder reports failure as well; nothing else changes.
  EXPECT_FALSE(CreateDirectoryChain(root.Folder() + u"fresh"));
}

TEST(CreateDirectoryChainTest, RefusesPathsTooShortOrTooLong) {
  EXPECT_FALSE(CreateDirectoryChain(u""));
  EXPECT_FALSE(CreateDirectoryChain(u"a"));

  TestFolder root("directory_chain_long");
  std::u16string path = root.Folder() + u"first" + kPathSeparator;
  path.resize(kMaxDirectoryChainLength + 1, u'x');
  EXPECT_FALSE(CreateDirectoryChain(path));
  EXPECT_FALSE(std::filesystem::exists(root.Native() / "first")) << "nothing is created for a refused path";
}

}  // namespace
}  // namespace kellavor::module
