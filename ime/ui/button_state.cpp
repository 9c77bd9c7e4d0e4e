#include "ime/ui/button_state.h"

namespace kellavor::ui {
namespace {

ButtonStep To(ButtonState current, ButtonState next) {
  ButtonStep step;
  step.state = next;
  step.changed = next != current;
  step.consumed = step.changed;
  return step;
}

}  // namespace

ButtonStep StepButton(ButtonState state, ButtonEvent event, bool hit) {
  switch (event) {
    case ButtonEvent::kMove: {
      if (state == ButtonState::kPressed && hit) return {state, false, false, false, false, false};
      if (!hit) return To(state, ButtonState::kNormal);
      ButtonStep step = To(state, ButtonState::kHover);
      step.startTimer = true;
      return step;
    }
    case ButtonEvent::kPress:
      return To(state, hit ? ButtonState::kPressed : ButtonState::kNormal);
    case ButtonEvent::kRelease: {
      if (state != ButtonState::kPressed || !hit) return {state, false, false, false, false, false};
      ButtonStep step = To(state, ButtonState::kNormal);
      step.command = true;
      return step;
    }
    case ButtonEvent::kPoll: {
      ButtonStep step = hit ? ButtonStep{state} : To(state, ButtonState::kNormal);
      step.stopTimer = true;
      step.startTimer = step.state != ButtonState::kNormal;
      step.consumed = true;
      return step;
    }
  }
  return {state};
}

}  // namespace kellavor::ui
