// A test suite whose tests share one application window typing through the installed module:
// without a window manager Wine takes seconds to hide a focused window, so each suite opens one.
#pragma once

#include <gtest/gtest.h>

#include "tests/wine/harness_environment.h"
#include "tests/wine/ime_session.h"

namespace kellavor::wine {

class SessionTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { session_ = new ImeSession(Installed().layout); }
  static void TearDownTestSuite() {
    delete session_;
    session_ = nullptr;
  }
  static inline ImeSession* session_ = nullptr;
};

}  // namespace kellavor::wine
