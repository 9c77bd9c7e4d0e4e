#include "ime/platform/shared_block.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "ime/platform/named_mutex.h"
#include "ime/platform/utf.h"

namespace kellavor::platform {
namespace {

// Names unique to this run, so that runs side by side never meet.
std::u16string UniqueName(const char* topic) {
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  return AsciiToUtf16(std::string("KellavorTest_") + topic + "_" + std::to_string(stamp));
}

TEST(SharedBlock, SecondOpenSeesTheFirstOnesContentAndTheLastCloseEndsIt) {
  const std::u16string name = UniqueName("block");
  SharedBlock first = SharedBlock::Open(name, 4096);
  ASSERT_TRUE(first.valid());
  EXPECT_EQ(first.origin(), SharedBlockOrigin::kCreated);
  EXPECT_FALSE(first.readOnly());
  EXPECT_GE(first.size(), 4096u);
  EXPECT_EQ(first.data()[4095], 0);
  first.data()[10] = 42;

  SharedBlock second = SharedBlock::Open(name, 100);
  ASSERT_TRUE(second.valid());
  EXPECT_EQ(second.origin(), SharedBlockOrigin::kExisted);
  EXPECT_GE(second.size(), 4096u) << "the creator's size counts";
  EXPECT_EQ(second.data()[10], 42);

  first.Close();
  EXPECT_EQ(second.data()[10], 42) << "the block lives while a holder remains";
  second.Close();

  SharedBlock fresh = SharedBlock::Open(name, 4096);
  ASSERT_TRUE(fresh.valid());
  EXPECT_EQ(fresh.origin(), SharedBlockOrigin::kCreated);
  EXPECT_EQ(fresh.data()[10], 0);
}

TEST(SharedBlock, ReadOnlyAccessOpensOnlyAnExistingBlock) {
  const std::u16string name = UniqueName("readonly");
  EXPECT_FALSE(SharedBlock::Open(name, 4096, SharedBlockAccess::kReadOnly).valid()) << "nothing to open yet";
  SharedBlock writer = SharedBlock::Open(name, 4096);
  ASSERT_TRUE(writer.valid());
  writer.data()[7] = 9;
  SharedBlock reader = SharedBlock::Open(name, 4096, SharedBlockAccess::kReadOnly);
  ASSERT_TRUE(reader.valid());
  EXPECT_TRUE(reader.readOnly());
  EXPECT_EQ(reader.origin(), SharedBlockOrigin::kExisted);
  EXPECT_GE(reader.size(), 4096u);
  EXPECT_EQ(reader.data()[7], 9);
}

TEST(SharedBlock, MovesOwnershipAndRefusesAnEmptySize) {
  EXPECT_FALSE(SharedBlock::Open(UniqueName("empty"), 0).valid());
  SharedBlock block = SharedBlock::Open(UniqueName("moved"), 64);
  SharedBlock moved = std::move(block);
  EXPECT_FALSE(block.valid());
  EXPECT_TRUE(moved.valid());
}

TEST(NamedMutex, LocksAndUnlocksAcrossObjectsOfOneName) {
  const std::u16string name = UniqueName("mutex");
  NamedMutex a(name);
  NamedMutex b(name);
  ASSERT_TRUE(a.valid());
  { NamedMutexLock hold(a); }
  NamedMutexLock hold(b);
}

}  // namespace
}  // namespace kellavor::platform
