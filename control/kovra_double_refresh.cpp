// The names the container and the setters call for the control's looks: UserControl_Resize,
// Refresh and the two spin-button renderers, wired to the frame and spin subsystems.
#include "control/kovra_double.h"
#include "control/refresh.h"
#include "spin/spin_renderer.h"

namespace kovra {

void KovraDouble::UserControl_Resize() {
  Parts& parts = Made();
  RunFullRefresh({state_, *parts.surface, *parts.text1, *parts.up, *parts.down, parts.entry,
                  platform_, container_, [this](std::uint8_t& s) { PaintUpButton(s); },
                  [this](std::uint8_t& s) { PaintDownButton(s); }});
}

void KovraDouble::Refresh() { UserControl().Refresh(); }

void KovraDouble::PaintUpButton(std::uint8_t& state) {
  PaintSpinButton(SpinSide::Up, state,
                  {Up(), UserControl(), platform_.GetDrawing(), state_, Text1().Locked()});
}

void KovraDouble::PaintDownButton(std::uint8_t& state) {
  PaintSpinButton(SpinSide::Down, state,
                  {Down(), UserControl(), platform_.GetDrawing(), state_, Text1().Locked()});
}

}  // namespace kovra
