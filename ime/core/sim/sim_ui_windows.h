// The module's windows on the simulated input-method manager: a UI window that answers the
// engine's refresh as the real one does (the panel windows shown while there is something to show,
// hidden otherwise), the composition and candidate windows it owns, and the status window. For the
// console front end and the engine's tests.
#pragma once

#include "ime/core/input_panel.h"
#include "ime/platform/sim/sim_input_method.h"
#include "ime/settings/ime_settings.h"

namespace kellavor::core {

class SimUiWindows {
 public:
  // Creates the four windows (all hidden) and gives the panel its two.
  SimUiWindows(platform::SimInputMethod& sim, InputPanel& panel, const settings::ImeSettings& settings);
  SimUiWindows(const SimUiWindows&) = delete;
  SimUiWindows& operator=(const SimUiWindows&) = delete;

  platform::WindowHandle ui() const { return ui_; }
  platform::WindowHandle composition() const { return composition_; }
  platform::WindowHandle candidate() const { return candidate_; }
  platform::WindowHandle status() const { return status_; }

 private:
  // The refresh: composition window shown while there is a composition or a candidate; the
  // candidate window too when the layout is separate and there are candidates.
  void Refresh();

  platform::SimInputMethod& sim_;
  InputPanel& panel_;
  const settings::ImeSettings& settings_;
  platform::WindowHandle ui_;
  platform::WindowHandle composition_;
  platform::WindowHandle candidate_;
  platform::WindowHandle status_;
};

}  // namespace kellavor::core
