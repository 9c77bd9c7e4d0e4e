#include "ime/base/sorted_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <vector>

namespace kellavor::base {
namespace {

int CompareInts(const void* key, const void* record, void* context) {
  ++*static_cast<int*>(context);
  return *static_cast<const int32_t*>(key) - *static_cast<const int32_t*>(record);
}

struct Bounds {
  int32_t lower;
  bool lowerFound;
  int32_t upper;
  bool upperFound;
};

Bounds Search(const std::vector<int32_t>& values, int32_t key) {
  int calls = 0;
  Bounds bounds{};
  const int32_t n = static_cast<int32_t>(values.size());
  bounds.lowerFound = LowerBound(values.data(), n, sizeof(int32_t), CompareInts, &key, &calls, bounds.lower);
  bounds.upperFound = UpperBound(values.data(), n, sizeof(int32_t), CompareInts, &key, &calls, bounds.upper);
  return bounds;
}

TEST(SortedSearch, FindsTheRecordsEqualToAKey) {
  const std::vector<int32_t> values{10, 20, 20, 30};
  const Bounds twenty = Search(values, 20);
  EXPECT_EQ(twenty.lower, 1);
  EXPECT_TRUE(twenty.lowerFound);
  EXPECT_EQ(twenty.upper, 3);
  EXPECT_FALSE(twenty.upperFound) << "the upper bound's flag is false on an ordered array";
  EXPECT_EQ(Search(values, 31).lower, 4);
  EXPECT_EQ(Search({}, 20).lower, 0);

  int calls = 0;
  const void* first = nullptr;
  const void* last = nullptr;
  const int32_t thirty = 30;
  ASSERT_TRUE(EqualRange(values.data(), 4, sizeof(int32_t), CompareInts, &thirty, &calls, first, last));
  EXPECT_EQ(first, &values[3]);
  EXPECT_EQ(last, values.data() + 4);
  EXPECT_GT(calls, 0) << "the context reaches the comparator";

  const int32_t missing = 15;
  first = last = nullptr;
  EXPECT_FALSE(EqualRange(values.data(), 4, sizeof(int32_t), CompareInts, &missing, &calls, first, last));
  EXPECT_EQ(first, nullptr);
  EXPECT_EQ(last, nullptr);
}

TEST(SortedSearch, AgreesWithTheStandardBoundsOnRandomArrays) {
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    std::vector<int32_t> values(random() % 40);
    for (int32_t& value : values) value = static_cast<int32_t>(random() % 20);
    std::sort(values.begin(), values.end());
    for (int32_t key = -1; key <= 20; ++key) {
      const Bounds bounds = Search(values, key);
      const auto lower = std::lower_bound(values.begin(), values.end(), key) - values.begin();
      const auto upper = std::upper_bound(values.begin(), values.end(), key) - values.begin();
      ASSERT_EQ(bounds.lower, lower);
      ASSERT_EQ(bounds.upper, upper);
      ASSERT_EQ(bounds.lowerFound, lower < upper);
    }
  }
}

struct NamedRecord {
  const char16_t* name;
  int32_t value;
};

TEST(SortedSearch, NamesCompareFoldingOnlyAsciiLetters) {
  EXPECT_EQ(CompareIgnoringCase(u"Haus", u"HAUS"), 0);
  EXPECT_NE(CompareIgnoringCase(u"Äpfel", u"äpfel"), 0);
  EXPECT_EQ(CompareIgnoringCase(u"b", u"A"), 1);
  EXPECT_LT(CompareIgnoringCase(u"_", u"A"), 0) << "letters fold to lower case, which sorts after '_'";
  EXPECT_LT(CompareIgnoringCase(u"Apfel", u"apfelbaum"), 0);
  EXPECT_GT(CompareIgnoringCase(u"\uFFFF", u"a"), 0) << "units compare as unsigned values";
  EXPECT_EQ(CompareIgnoringCase(nullptr, u""), 0);
}

TEST(SortedSearch, SortsNamedRecordsAndFindsAllSpellingsOfAKey) {
  std::vector<NamedRecord> records{{u"zug", 0}, {u"HAUS", 1}, {u"Apfel", 2}, {u"haus", 3}, {u"Haustür", 4}};
  std::qsort(records.data(), records.size(), sizeof(NamedRecord), CompareRecordNames);
  EXPECT_EQ(std::u16string(records[0].name), u"Apfel");
  EXPECT_EQ(std::u16string(records[3].name), u"Haustür");
  EXPECT_EQ(std::u16string(records[4].name), u"zug");

  const void* first = nullptr;
  const void* last = nullptr;
  ASSERT_TRUE(EqualRange(records.data(), 5, sizeof(NamedRecord), CompareKeyToRecordName, u"Haus", nullptr, first,
                         last));
  EXPECT_EQ(first, &records[1]);
  EXPECT_EQ(last, &records[3]);
  EXPECT_FALSE(EqualRange(records.data(), 5, sizeof(NamedRecord), CompareKeyToRecordName, u"Hau", nullptr, first,
                          last));
}

}  // namespace
}  // namespace kellavor::base
