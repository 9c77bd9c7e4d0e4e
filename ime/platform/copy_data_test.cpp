#include "ime/platform/copy_data.h"

#include <gtest/gtest.h>

#include "ime/platform/copy_data_receiver.h"

namespace kellavor::platform {
namespace {

const std::u16string kClass = u"Tessal_ExtWriteCl";
const std::u16string kTitle = u"Tessal_ExtWriteWi";

TEST(CopyData, WithoutAWindowNothingIsSent) {
  const uint8_t bytes[] = {1, 2, 3};
  EXPECT_FALSE(SendCopyData(kClass, kTitle, 4, bytes, sizeof bytes));
}

TEST(CopyData, TheWindowOfClassAndTitleReceivesTheBytes) {
  const uint8_t bytes[] = {'H', 0, 'a', 0, 0, 0, 0xFF};
  {
    CopyDataReceiver writer(kClass, kTitle);
    CopyDataReceiver other(kClass, u"Another title");
    ASSERT_TRUE(writer.exists());
    ASSERT_TRUE(other.exists());

    EXPECT_TRUE(SendCopyData(kClass, kTitle, 2, bytes, sizeof bytes));
    EXPECT_TRUE(SendCopyData(kClass, kTitle, 3, nullptr, 0));

    ASSERT_EQ(writer.received().size(), 2u);
    EXPECT_EQ(writer.received()[0].dwData, 2u);
    EXPECT_EQ(writer.received()[0].data, std::vector<uint8_t>(bytes, bytes + sizeof bytes));
    EXPECT_EQ(writer.received()[1].dwData, 3u);
    EXPECT_TRUE(writer.received()[1].data.empty());
    EXPECT_TRUE(other.received().empty());
  }
  EXPECT_FALSE(SendCopyData(kClass, kTitle, 2, bytes, sizeof bytes));
}

}  // namespace
}  // namespace kellavor::platform
