// A long random stream of key events, settings changes and conversion flags: after every event the
// engine's state holds together and every lock it took is given back.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/support/engine_harness.h"
#include "tests/support/fake_lexicon.h"

namespace kellavor::core {
namespace {

constexpr uint32_t kKeys[] = {
    'A', 'B', 'G', 'H', 'I', 'N', 'O', 'U', 'Z', '0', '1', '2', '3', '5', '6', '9', 0xBA, 0xBB, 0xBC, 0xBD, 0xBE,
    0xBF, 0xC0, 0xDB, 0xDC, 0xDE, vk::kSpace, vk::kReturn, vk::kEscape, vk::kBack, vk::kDelete, vk::kLeft,
    vk::kRight, vk::kUp, vk::kDown, vk::kHome, vk::kEnd, vk::kPrior, vk::kNext, vk::kTab, vk::kShift, vk::kCapital,
    vk::kAdd, vk::kSubtract, 'L', 'K', 'M'};

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

void ExpectConsistent(EngineHarness& engine, size_t step) {
  const ImeCore& core = engine.core();
  ASSERT_LE(core.Cursor(), core.Composition().size()) << "step " << step;
  ASSERT_LE(core.Composition().size(), 64u) << "step " << step;
  if (core.CandidateCount() > 0) {
    ASSERT_LT(int32_t{core.PageIndex()} * core.PageSize(), core.CandidateCount()) << "step " << step;
  } else {
    ASSERT_EQ(core.PageIndex(), 0) << "step " << step;
  }
  if (!core.Segments().empty()) {
    ASSERT_EQ(engine.settings().inputmode, kPinyinMode) << "step " << step;
    ASSERT_FALSE(core.Composition().empty()) << "step " << step;
  }
  ASSERT_LE(engine.panel().Split(), engine.panel().Composition().size()) << "step " << step;
  const auto* fields = engine.sim().FindContext(engine.context());
  ASSERT_EQ(fields->lockCount, 0) << "step " << step;
  ASSERT_EQ(engine.sim().LockCount(fields->compositionString), 0) << "step " << step;
  ASSERT_EQ(engine.sim().LockCount(fields->candidateInfo), 0) << "step " << step;
}

TEST(ImeCoreRandomKeys, StateHoldsTogetherUnderAnyKeys) {
  FakeLexicon lexicon;
  lexicon.fallback = AnyKey;
  EngineHarness engine(lexicon);
  std::mt19937 random(20240611);
  auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
  const uint32_t modifiers[] = {vk::kShift, vk::kControl, vk::kMenu};

  for (size_t step = 0; step < 30000; ++step) {
    settings::ImeSettings& settings = engine.settings();
    if (chance(1)) settings.sentence_en ^= 1;
    if (chance(1)) settings.en_usespace ^= 1;
    if (chance(1)) settings.pageturnbyplus ^= 1;
    if (chance(1)) settings.showmode ^= 1;
    if (chance(1)) {
      settings.numofpage = static_cast<uint16_t>(random() % 11);
      engine.core().TakePageSize();
    }
    if (chance(1)) engine.SetConversion(engine.Conversion() ^ (chance(50) ? kCmodeFullShape : kCmodeSoftKbd));
    if (chance(1)) settings.softkbdid = static_cast<uint16_t>(random() % 15);

    const uint32_t key = kKeys[random() % std::size(kKeys)];
    const uint32_t modifier = modifiers[random() % std::size(modifiers)];
    const bool withModifier = chance(15);
    if (withModifier) engine.keys().Press(modifier);
    if (chance(90)) {
      engine.keys().Press(key);
      if (chance(10)) engine.keys().Press(key);
      if (chance(95)) engine.keys().Release(key);
    } else {
      engine.keys().Release(key);
    }
    if (withModifier) engine.keys().Release(modifier);
    ExpectConsistent(engine, step);
    if (::testing::Test::HasFatalFailure()) return;
    if (step % 1000 == 0) engine.sim().ClearEvents();
  }
}

}  // namespace
}  // namespace kellavor::core
