#include "ime/ui/button_state.h"

#include <gtest/gtest.h>

namespace kellavor::ui {
namespace {

using enum ButtonState;
using enum ButtonEvent;

TEST(ButtonStateMachine, AClickIsAPressAndAReleaseOnTheButton) {
  ButtonStep step = StepButton(kNormal, kMove, true);
  EXPECT_EQ(step.state, kHover);
  EXPECT_TRUE(step.startTimer && step.changed && step.consumed);
  step = StepButton(kHover, kPress, true);
  EXPECT_EQ(step.state, kPressed);
  EXPECT_FALSE(StepButton(kPressed, kMove, true).consumed) << "it stays pressed";
  step = StepButton(kPressed, kRelease, true);
  EXPECT_TRUE(step.command);
  EXPECT_EQ(step.state, kNormal);
}

TEST(ButtonStateMachine, PressOnReleaseOffOrPressOffReleaseOnGivesNoCommand) {
  ButtonStep step = StepButton(kPressed, kRelease, false);
  EXPECT_FALSE(step.command);
  EXPECT_EQ(step.state, kPressed);
  step = StepButton(kPressed, kPoll, false);
  EXPECT_EQ(step.state, kNormal) << "the poll finds the cursor gone";
  EXPECT_TRUE(step.stopTimer);
  EXPECT_FALSE(step.startTimer);
  step = StepButton(kNormal, kPress, false);
  EXPECT_FALSE(step.consumed) << "the host handles a press off the button";
  EXPECT_FALSE(StepButton(kNormal, kRelease, true).command);
  step = StepButton(kHover, kPoll, true);
  EXPECT_EQ(step.state, kHover);
  EXPECT_TRUE(step.startTimer) << "the poll goes on while hovered";
}

}  // namespace
}  // namespace kellavor::ui
