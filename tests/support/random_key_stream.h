// A long random stream of key events, settings changes and conversion flags for an engine, with
// the checks that its state holds together after every event and that every lock it took was given
// back.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>

#include "tests/support/engine_harness.h"

namespace kellavor {

namespace random_keys {

constexpr uint32_t kKeys[] = {
    'A', 'B', 'G', 'H', 'I', 'N', 'O', 'U', 'Z', '0', '1', '2', '3', '5', '6', '9', 0xBA, 0xBB, 0xBC, 0xBD, 0xBE,
    0xBF, 0xC0, 0xDB, 0xDC, 0xDE, platform::vk::kSpace, platform::vk::kReturn, platform::vk::kEscape, platform::vk::kBack, platform::vk::kDelete, platform::vk::kLeft,
    platform::vk::kRight, platform::vk::kUp, platform::vk::kDown, platform::vk::kHome, platform::vk::kEnd, platform::vk::kPrior, platform::vk::kNext, platform::vk::kTab, platform::vk::kShift, platform::vk::kCapital,
    platform::vk::kAdd, platform::vk::kSubtract, 'L', 'K', 'M'};

}  // namespace random_keys

inline void ExpectEngineConsistent(EngineHarness& engine, size_t step) {
  using namespace core;
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

// What a stream does besides keys when the engine runs on the module's objects: the settings and
// the theme reloaded as the external event window's messages have them reloaded. Empty: neither.
struct StreamReloads {
  std::function<void()> settings;
  std::function<void()> theme;
};

// Feeds steps random events to the engine and checks it after each.
inline void TypeRandomKeys(EngineHarness& engine, uint32_t seed, size_t steps, const StreamReloads& reloads = {}) {
  using namespace core;
  std::mt19937 random(seed);
  auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
  const uint32_t modifiers[] = {platform::vk::kShift, platform::vk::kControl, platform::vk::kMenu};

  for (size_t step = 0; step < steps; ++step) {
    settings::ImeSettings& settings = engine.settings();
    if (chance(1)) settings.sentence_en ^= 1;
    if (chance(1)) settings.en_usespace ^= 1;
    if (chance(1)) settings.pageturnbyplus ^= 1;
    if (chance(1)) settings.showmode ^= 1;
    if (chance(1)) {
      settings.numofpage = static_cast<uint16_t>(random() % 11);
      engine.core().TakePageSize();
    }
    if (chance(1)) engine.SetConversion(engine.Conversion() ^ (chance(50) ? platform::kCmodeFullShape : platform::kCmodeSoftKbd));
    if (chance(1)) settings.softkbdid = static_cast<uint16_t>(random() % 15);
    if (reloads.settings && random() % 1000 < 2) reloads.settings();
    if (reloads.theme && random() % 1000 < 2) reloads.theme();

    const uint32_t key = random_keys::kKeys[random() % std::size(random_keys::kKeys)];
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
    ExpectEngineConsistent(engine, step);
    if (::testing::Test::HasFatalFailure()) return;
    if (step % 1000 == 0) engine.sim().ClearEvents();
  }
}

}  // namespace kellavor
