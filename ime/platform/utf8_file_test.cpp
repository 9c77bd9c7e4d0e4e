#include "ime/platform/utf8_file.h"

#include <gtest/gtest.h>

#include "ime/platform/file_system.h"
#include "tests/support/test_folder.h"

namespace kellavor::platform {
namespace {

TEST(WriteUtf8File, WritesTheBytesAsTheyAreWithoutAByteOrderMark) {
  TestFolder folder("utf8_file");
  const std::u16string path = folder.Path(u"detail.html");
  ASSERT_TRUE(WriteUtf8File(path, "<p>Stra\xC3\x9F" "e</p>"));
  ASSERT_TRUE(WriteUtf8File(path, "\xC3\x9F"));
  const auto bytes = platform::ReadWholeFile(path, 100);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "\xC3\x9F") << "the file is truncated first";
  EXPECT_FALSE(WriteUtf8File(folder.Path(u"missing") + platform::kPathSeparator + u"x.html", "x"));
}

}  // namespace
}  // namespace kellavor::platform
