#include "ime/core/translation_list.h"

#include <gtest/gtest.h>

#include <cstring>

namespace kellavor::core {
namespace {

// The manager's record layout: 24-byte records from byte 8 in 64-bit code, 12-byte records from
// byte 4 in 32-bit code.
constexpr size_t kFirstRecord = sizeof(void*) == 8 ? 8 : 4;
constexpr size_t kRecordBytes = sizeof(void*) == 8 ? 24 : 12;

template <typename Value>
Value ReadAt(void* list, size_t offset) {
  Value value {};
  std::memcpy(&value, static_cast<uint8_t*>(list) + offset, sizeof(value));
  return value;
}

TEST(TranslationList, RecordsLieWhereTheManagerReadsThem) {
  TranslationListBuffer buffer(4);
  TranslationList list = buffer.list();
  EXPECT_EQ(list.Capacity(), 4u);
  EXPECT_EQ(ReadAt<uint32_t>(buffer.data(), 0), 4u);

  ASSERT_TRUE(list.Store(0, {0x010D, 0, 0}));
  ASSERT_TRUE(list.Store(1, {0x010F, 7, 0x188}));
  EXPECT_EQ(ReadAt<uint32_t>(buffer.data(), kFirstRecord + kRecordBytes), 0x010Fu);
  EXPECT_EQ(ReadAt<uintptr_t>(buffer.data(), kFirstRecord + kRecordBytes + sizeof(void*)), 7u);
  EXPECT_EQ(ReadAt<intptr_t>(buffer.data(), kFirstRecord + kRecordBytes + 2 * sizeof(void*)), 0x188);
  EXPECT_EQ(list.At(0), (platform::ImeMessage{0x010D, 0, 0}));
  EXPECT_EQ(list.At(1), (platform::ImeMessage{0x010F, 7, 0x188}));
}

TEST(TranslationList, NothingIsStoredBeyondTheCapacity) {
  TranslationListBuffer buffer(2);
  TranslationList list = buffer.list();
  EXPECT_TRUE(list.Store(1, {0x010E, 0, -1}));
  EXPECT_FALSE(list.Store(2, {0x010F, 0, 0x800}));
  EXPECT_EQ(list.At(1), (platform::ImeMessage{0x010E, 0, -1}));

  EXPECT_EQ(list.At(2), platform::ImeMessage {});

  TranslationListBuffer empty(0);
  EXPECT_FALSE(empty.list().Store(0, {0x010D, 0, 0}));
  EXPECT_EQ(TranslationList(nullptr).Capacity(), 0u);
}

}  // namespace
}  // namespace kellavor::core
