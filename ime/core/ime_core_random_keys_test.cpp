// The engine under a long random stream of keys on candidates made up for any key.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/fake_lexicon.h"
#include "tests/support/random_key_stream.h"

namespace kellavor::core {
namespace {

// A few candidates for any key, some covering only its first letters, some with line feeds.
std::vector<FakeEntry> AnyKey(std::u16string_view key) {
  std::vector<FakeEntry> entries;
  const size_t count = key.size() % 13;
  for (size_t i = 0; i < count; ++i) {
    FakeEntry entry;
    entry.text = std::u16string(key.substr(0, 1 + i % 3)) + (i % 4 == 0 ? u"\nxyz" : u"字");
    entry.consumed = static_cast<uint8_t>(i % 3 == 0 ? 0 : std::min<size_t>(key.size(), i));
    entry.codes.assign(1 + i % 4, static_cast<uint16_t>(1 + i % 3));
    entry.explanation = u"解释\\n更多";
    entries.push_back(entry);
  }
  return entries;
}

TEST(ImeCoreRandomKeys, StateHoldsTogetherUnderAnyKeys) {
  FakeLexicon lexicon;
  lexicon.fallback = AnyKey;
  EngineHarness engine(lexicon);
  TypeRandomKeys(engine, 20240611, 30000);
}

}  // namespace
}  // namespace kellavor::core
