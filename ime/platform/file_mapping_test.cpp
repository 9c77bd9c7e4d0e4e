#include "ime/platform/file_mapping.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/test_folder.h"

namespace kellavor::platform {
namespace {

using kellavor::TestFolder;

TEST(FileMapping, MapsWholeFileReadOnly) {
  TestFolder folder("file_mapping");
  const std::u16string path = folder.Path(u"data.bin");
  const std::string content = "abcdefgh";
  ASSERT_TRUE(WriteWholeFile(path, content.data(), content.size()));

  MappedFile view = MapReadOnlyFile(path, u"KellavorTest_MapsWholeFile");
  ASSERT_TRUE(view);
  ASSERT_EQ(view.size(), content.size());
  EXPECT_EQ(std::memcmp(view.data(), content.data(), content.size()), 0);

  MappedFile moved = std::move(view);
  EXPECT_FALSE(view);
  EXPECT_TRUE(moved);
}

TEST(FileMapping, MissingOrEmptyFileIsNone) {
  TestFolder folder("file_mapping_none");
  EXPECT_FALSE(MapReadOnlyFile(folder.Path(u"missing.bin"), u"KellavorTest_Missing"));
  const std::u16string empty = folder.Path(u"empty.bin");
  ASSERT_TRUE(WriteWholeFile(empty, "", 0));
  EXPECT_FALSE(MapReadOnlyFile(empty, u"KellavorTest_Empty"));
  EXPECT_FALSE(MapReadOnlyFile(folder.Folder(), u"KellavorTest_Folder")) << "a folder is not a file";
}

#ifdef _WIN32
TEST(FileMapping, SecondMappingOfANameSharesTheFirstAndIgnoresThePath) {
  TestFolder folder("file_mapping_shared");
  const std::u16string first = folder.Path(u"first.bin");
  const std::u16string second = folder.Path(u"second.bin");
  ASSERT_TRUE(WriteWholeFile(first, "first file", 10));
  ASSERT_TRUE(WriteWholeFile(second, "2nd", 3));

  MappedFile a = MapReadOnlyFile(first, u"KellavorTest_Shared");
  MappedFile b = MapReadOnlyFile(second, u"KellavorTest_Shared");
  ASSERT_TRUE(a);
  ASSERT_TRUE(b);
  EXPECT_EQ(std::memcmp(b.data(), "first file", 10), 0);
  EXPECT_GE(b.size(), 10u) << "a view opened by name is bounded by its whole pages";
  EXPECT_EQ(b.data()[b.size() - 1], 0) << "the page past the end of the file reads as zero";
}
#endif

}  // namespace
}  // namespace kellavor::platform
