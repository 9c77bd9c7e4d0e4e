#include "ime/base/grow_array.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

namespace kellavor::base {
namespace {

struct Record {
  int32_t key;
  int32_t tag;
  int32_t extra;
};
constexpr int16_t kRecordSize = sizeof(Record);

Record Make(int32_t key) { return Record{key, key * 7, -key}; }

std::vector<int32_t> Keys(const GrowArray& array) {
  std::vector<int32_t> keys;
  for (int32_t i = 0; i < array.count(); ++i) keys.push_back(array.At<Record>(i).key);
  return keys;
}

void Append(GrowArray& array, int32_t key) {
  const Record record = Make(key);
  ASSERT_EQ(array.InsertAt(&record, 1, array.count()), kResultOk);
}

TEST(GrowArray, GrowsByOneStepWhenFull) {
  GrowArray array(kRecordSize, 5);
  for (int32_t key = 1; key <= 5; ++key) Append(array, key);
  EXPECT_EQ(array.capacity(), 5);

  const Record first = Make(0);
  ASSERT_EQ(array.InsertAt(&first, 1, 0), kResultOk);
  EXPECT_EQ(array.count(), 6);
  EXPECT_EQ(array.capacity(), 10);
  EXPECT_EQ(array.growStep(), 5);
  EXPECT_EQ(Keys(array), (std::vector<int32_t>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(array.At<Record>(3).tag, 21) << "whole records move, not only their first bytes";
}

TEST(GrowArray, RefusedRequestsLeaveTheArrayAsItWas) {
  GrowArray array(kRecordSize, 4);
  for (int32_t key = 0; key < 3; ++key) Append(array, key);
  const Record record = Make(9);

  EXPECT_EQ(array.SetCapacity(400'000'000), kResultOutOfMemory) << "beyond the storage limit";
  EXPECT_EQ(array.InsertAt(&record, 1, 4), kResultInvalidArgument) << "index past the end";
  EXPECT_EQ(array.InsertAt(&record, 1, -1), kResultInvalidArgument);
  EXPECT_EQ(array.InsertAt(&record, -1, 0), kResultInvalidArgument);
  EXPECT_EQ(array.SetCapacity(-1), kResultInvalidArgument);
  EXPECT_EQ(array.capacity(), 4);
  EXPECT_EQ(array.growStep(), 4);
  EXPECT_EQ(Keys(array), (std::vector<int32_t>{0, 1, 2}));

  // A step too large to allocate: the array starts empty and every growth is refused.
  GrowArray huge(kRecordSize, 400'000'000);
  EXPECT_EQ(huge.count(), 0);
  EXPECT_EQ(huge.capacity(), 0);
  EXPECT_EQ(huge.data(), nullptr);
  EXPECT_EQ(huge.InsertAt(&record, 1, 0), kResultOutOfMemory);
  EXPECT_EQ(huge.count(), 0);
  ASSERT_EQ(huge.SetCapacity(2), kResultOk);
  EXPECT_EQ(huge.InsertAt(&record, 1, 0), kResultOk);

  GrowArray unset;
  EXPECT_EQ(unset.InsertAt(&record, 1, 0), kResultInvalidArgument) << "no record size yet";
}

TEST(GrowArray, InsertionsAlwaysFitEvenWithoutAStep) {
  // With a step of 0 a full array must still grow to hold the new records.
  GrowArray array(kRecordSize, 0);
  for (int32_t key = 0; key < 4; ++key) Append(array, key);
  EXPECT_EQ(array.count(), 4);
  EXPECT_GE(array.capacity(), 4);

  // Several records at once grow the array beyond a single step when they need it.
  ASSERT_EQ(array.SetCapacity(5), kResultOk);
  const Record many[] = {Make(10), Make(11), Make(12), Make(13), Make(14), Make(15), Make(16)};
  ASSERT_EQ(array.InsertAt(many, 7, 2), kResultOk);
  EXPECT_EQ(array.capacity(), 11);
  EXPECT_EQ(Keys(array), (std::vector<int32_t>{0, 1, 10, 11, 12, 13, 14, 15, 16, 2, 3}));
}

TEST(GrowArray, InsertsRecordsTakenFromItsOwnStorage) {
  GrowArray array(kRecordSize, 3);
  for (int32_t key = 0; key < 3; ++key) Append(array, key);
  ASSERT_EQ(array.InsertAt(array.At(2), 1, 0), kResultOk) << "the array is full: this reallocates";
  ASSERT_EQ(array.InsertAt(array.At(1), 2, 0), kResultOk) << "in place: the source moves up";
  EXPECT_EQ(Keys(array), (std::vector<int32_t>{0, 1, 2, 0, 1, 2}));
}

TEST(GrowArray, CopiesAndMovesOwnTheirStorage) {
  GrowArray source(kRecordSize, 4);
  for (int32_t key = 0; key < 3; ++key) Append(source, key);

  GrowArray copy(4, 1);
  ASSERT_EQ(copy.CopyFrom(source), kResultOk);
  EXPECT_EQ(copy.recordSize(), kRecordSize);
  EXPECT_EQ(copy.capacity(), 4);
  EXPECT_EQ(copy.growStep(), 4);
  source.At<Record>(0).key = 42;
  EXPECT_EQ(Keys(copy), (std::vector<int32_t>{0, 1, 2}));
  EXPECT_EQ(copy.CopyFrom(copy), kResultOk);
  EXPECT_EQ(Keys(copy), (std::vector<int32_t>{0, 1, 2}));

  GrowArray moved(std::move(copy));
  EXPECT_EQ(Keys(moved), (std::vector<int32_t>{0, 1, 2}));
  EXPECT_EQ(copy.data(), nullptr);
  EXPECT_EQ(copy.count(), 0);
  moved = std::move(source);
  EXPECT_EQ(Keys(moved), (std::vector<int32_t>{42, 1, 2}));

  // A freed array keeps count and capacity but refuses further use.
  moved.Free();
  EXPECT_EQ(moved.data(), nullptr);
  EXPECT_EQ(moved.count(), 3);
  EXPECT_EQ(moved.capacity(), 4);
  const Record record = Make(1);
  EXPECT_EQ(moved.InsertAt(&record, 1, 0), kResultInvalidArgument);
  moved.RemoveAt(0);
  EXPECT_EQ(moved.count(), 3);
  GrowArray fromFreed;
  EXPECT_EQ(fromFreed.CopyFrom(moved), kResultInvalidArgument);
  EXPECT_EQ(fromFreed.count(), 0);
  EXPECT_EQ(fromFreed.capacity(), 0);
  moved.Init(kRecordSize, 2);
  EXPECT_EQ(moved.InsertAt(&record, 1, 0), kResultOk);
}

// Random insertions, removals (also at -1 and count, which change nothing) and capacity changes
// against std::vector, with the capacity predicted by the growth and shrink rules: growth by one
// step when full, at most one step of slack after a removal, SetCapacity truncating, Clear keeping
// the capacity.
TEST(GrowArray, BehavesLikeAVectorUnderRandomEdits) {
  std::mt19937 random(20240611);
  GrowArray array(kRecordSize, 5);
  std::vector<Record> model;
  int32_t capacity = 5;
  int32_t step = 5;
  for (int operation = 0; operation < 20000; ++operation) {
    const int32_t size = static_cast<int32_t>(model.size());
    const auto choice = random() % 100;
    if (choice < 55) {
      const int32_t index = static_cast<int32_t>(random() % (model.size() + 1));
      const Record record = Make(static_cast<int32_t>(random() % 100000));
      ASSERT_EQ(array.InsertAt(&record, 1, index), kResultOk);
      model.insert(model.begin() + index, record);
      if (size == capacity) capacity = std::max(capacity + step, size + 1);
    } else if (choice < 98) {
      const int32_t index = static_cast<int32_t>(random() % (model.size() + 2)) - 1;
      array.RemoveAt(index);
      if (index >= 0 && index < size) {
        model.erase(model.begin() + index);
        if (capacity > size - 1 + step) capacity = size - 1 + step;
      }
    } else if (choice == 98) {
      array.Clear();
      model.clear();
    } else {
      const int32_t n = static_cast<int32_t>(random() % 40);
      ASSERT_EQ(array.SetCapacity(n), kResultOk);
      if (n < size) model.resize(static_cast<size_t>(n));
      capacity = step = n;
    }
    ASSERT_EQ(array.count(), static_cast<int32_t>(model.size())) << "operation " << operation;
    ASSERT_EQ(array.capacity(), capacity) << "operation " << operation;
    ASSERT_LE(array.count(), array.capacity());
    if (!model.empty()) {
      ASSERT_EQ(std::memcmp(array.data(), model.data(), model.size() * sizeof(Record)), 0)
          << "operation " << operation;
    }
  }
}

}  // namespace
}  // namespace kellavor::base
