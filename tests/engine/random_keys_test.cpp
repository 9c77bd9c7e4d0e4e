// The engine on the fixture dictionaries under a long random stream of keys.
#include <gtest/gtest.h>

#include "tests/engine/fixture_engine.h"
#include "tests/support/random_key_stream.h"

namespace kellavor {
namespace {

TEST(RandomKeys, OnTheFixtureDictionaries) {
  EngineHarness engine(FixtureEngine("RandomKeys", "[custom]\nmfg=Mit freundlichen Grüßen,1\n"));
  TypeRandomKeys(engine, 7, 20000);
}

}  // namespace
}  // namespace kellavor
