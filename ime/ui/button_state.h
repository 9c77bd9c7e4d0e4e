// The skinned button's state machine: normal, hovered, pressed, driven by the pointer events its
// disabled host window sees and by the poll of its hover timer. A click is a press and a release
// both on the button.
#pragma once

#include <cstdint>

namespace kellavor::ui {

enum class ButtonState : uint16_t { kNormal = 0, kHover = 1, kPressed = 2 };
enum class ButtonEvent { kMove, kPress, kRelease, kPoll };

struct ButtonStep {
  ButtonState state = ButtonState::kNormal;
  bool changed = false;     // repaint the button
  bool startTimer = false;  // (re)start the hover poll
  bool stopTimer = false;
  bool command = false;     // send the button's command to the host
  bool consumed = false;    // the host must not handle the event itself
};

// What the event does to a button in the state, with hit telling whether the cursor is on it.
ButtonStep StepButton(ButtonState state, ButtonEvent event, bool hit);

}  // namespace kellavor::ui
