#include "ime/core/sim/sim_ui_windows.h"

#include "ime/platform/ime_messages.h"

namespace kellavor::core {

using platform::kCandidateWindowClass;
using platform::kCompositionWindowClass;
using platform::kStatusWindowClass;
using platform::kUiWindowClass;
using platform::kWmImeUiRefresh;

SimUiWindows::SimUiWindows(platform::SimInputMethod& sim, InputPanel& panel, const settings::ImeSettings& settings)
    : sim_(sim),
      panel_(panel),
      settings_(settings),
      ui_(sim.AddWindow(std::u16string(kUiWindowClass))),
      composition_(sim.AddWindow(std::u16string(kCompositionWindowClass), ui_)),
      candidate_(sim.AddWindow(std::u16string(kCandidateWindowClass), ui_)),
      status_(sim.AddWindow(std::u16string(kStatusWindowClass), ui_)) {
  panel_.SetWindows(composition_, candidate_);
  panel_.SetUiWindow(ui_);
  panel_.SetStatusWindow(status_);
  sim_.SetWindowProcedure(ui_, [this](uint32_t message, uintptr_t, intptr_t) -> intptr_t {
    if (message == kWmImeUiRefresh) Refresh();
    return 0;
  });
}

void SimUiWindows::Refresh() {
  const bool hasCandidates = !panel_.Entries().empty();
  const bool shown = hasCandidates || !panel_.Composition().empty();
  sim_.SetWindowVisible(composition_, shown);
  sim_.SetWindowVisible(candidate_, shown && hasCandidates && settings_.iscomb == 0);
}

}  // namespace kellavor::core
