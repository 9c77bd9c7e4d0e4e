#include "ime/lexicon/suggestion_cache.h"

#include <gtest/gtest.h>

namespace kellavor::lexicon {
namespace {

using Words = std::vector<std::u16string>;

TEST(SuggestionCache, KeepsTheMostRecentlyUsedInputs) {
  SuggestionCache cache(2);
  EXPECT_EQ(cache.Find(u"Stand"), nullptr);
  cache.Store(u"Stand", {u"Stand", u"Stadt"});
  cache.Store(u"Standa", {});
  ASSERT_NE(cache.Find(u"Stand"), nullptr);
  EXPECT_EQ(*cache.Find(u"Stand"), (Words{u"Stand", u"Stadt"}));
  ASSERT_NE(cache.Find(u"Standa"), nullptr) << "an empty answer is an answer";

  cache.Find(u"Stand");  // now the most recent
  cache.Store(u"Standar", {u"Standard"});
  EXPECT_EQ(cache.size(), 2u);
  EXPECT_EQ(cache.Find(u"Standa"), nullptr) << "the least recently used went";
  EXPECT_NE(cache.Find(u"Stand"), nullptr);
  EXPECT_NE(cache.Find(u"Standar"), nullptr);
}

TEST(SuggestionCache, StoringAnInputAgainReplacesIt) {
  SuggestionCache cache(2);
  cache.Store(u"Stand", {u"a"});
  cache.Store(u"Stand", {u"b"});
  EXPECT_EQ(cache.size(), 1u);
  EXPECT_EQ(*cache.Find(u"Stand"), Words{u"b"});
  cache.Clear();
  EXPECT_EQ(cache.Find(u"Stand"), nullptr);
}

TEST(SuggestionCache, ZeroCapacityKeepsNothing) {
  SuggestionCache cache(0);
  cache.Store(u"Stand", {u"Stand"});
  EXPECT_EQ(cache.Find(u"Stand"), nullptr);
}

}  // namespace
}  // namespace kellavor::lexicon
