#include "ime/base/sort_records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace kellavor::base {
namespace {

struct Item {
  int32_t key;
  int32_t serial;
};

int CompareKeys(const void* a, const void* b, void* context) {
  ++*static_cast<int*>(context);
  const int32_t x = static_cast<const Item*>(a)->key;
  const int32_t y = static_cast<const Item*>(b)->key;
  return (x > y) - (x < y);
}

TEST(SortRecords, SortsLikeTheStandardSortAcrossSizesAndShapes) {
  std::mt19937 random(7);
  for (int32_t count : {0, 1, 2, 3, 12, 13, 50, 1000, 10000}) {
    for (int shape = 0; shape < 4; ++shape) {
      std::vector<Item> items(static_cast<size_t>(count));
      for (int32_t i = 0; i < count; ++i) {
        const int32_t key = shape == 0   ? static_cast<int32_t>(random() % 1000)
                            : shape == 1 ? i                 // ascending
                            : shape == 2 ? count - i         // descending
                                         : i % 3;            // many equal keys
        items[static_cast<size_t>(i)] = {key, i};
      }
      std::vector<Item> expected = items;
      std::sort(expected.begin(), expected.end(), [](const Item& a, const Item& b) { return a.key < b.key; });
      int calls = 0;
      SortRecords(items.data(), count, sizeof(Item), CompareKeys, &calls);
      for (size_t i = 0; i < items.size(); ++i) {
        ASSERT_EQ(items[i].key, expected[i].key) << count << "/" << shape;
      }
      std::vector<bool> seen(items.size());
      for (const Item& item : items) seen[static_cast<size_t>(item.serial)] = true;
      EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](bool b) { return b; })) << "no record lost or doubled";
      if (count == 10000 && shape != 0) {
        EXPECT_LT(calls, 10000 * 40) << "no quadratic worst case on ordered input";
      }
    }
  }
}

// Ranking rules call some pairs of different kinds equal, which is no strict weak order; the
// sort must still stay inside the array and end.
int CompareInconsistently(const void* a, const void* b, void*) {
  const int32_t x = static_cast<const Item*>(a)->key;
  const int32_t y = static_cast<const Item*>(b)->key;
  if (x % 7 == 0 || y % 7 == 0) return 0;
  return (x * 31 % 11) - (y * 17 % 13);
}

TEST(SortRecords, StaysInBoundsWithAnInconsistentComparator) {
  std::vector<Item> items(5000);
  for (int32_t i = 0; i < 5000; ++i) items[static_cast<size_t>(i)] = {i, i};
  SortRecords(items.data(), 5000, sizeof(Item), CompareInconsistently, nullptr);
  std::vector<bool> seen(items.size());
  for (const Item& item : items) seen[static_cast<size_t>(item.serial)] = true;
  EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](bool b) { return b; }));
}

TEST(SortRecords, IgnoresCallsWithoutWorkOrComparator) {
  Item items[2] = {{2, 0}, {1, 1}};
  SortRecords(items, 2, sizeof(Item), nullptr, nullptr);
  SortRecords(items, 2, 0, CompareKeys, nullptr);
  SortRecords(items, 1, sizeof(Item), CompareKeys, nullptr);
  EXPECT_EQ(items[0].key, 2);
}

}  // namespace
}  // namespace kellavor::base
