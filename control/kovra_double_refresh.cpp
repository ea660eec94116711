// The names the container and the setters call for the control's looks: UserControl_Resize,
// Refresh and the two spin-button renderers, wired to the frame and spin subsystems.
#include "control/kovra_double.h"
#include "control/refresh.h"
#include "spin/spin_renderer.h"

namespace kovra {

void KovraDouble::UserControl_Resize() {
  RunFullRefresh({state_, *surface_, *text1_, *up_, *down_, entry_, platform_,
                  [this](std::uint8_t& s) { PaintUpButton(s); },
                  [this](std::uint8_t& s) { PaintDownButton(s); }});
}

void KovraDouble::Refresh() { surface_->Refresh(); }

void KovraDouble::PaintUpButton(std::uint8_t& state) {
  PaintSpinButton(SpinSide::Up, state,
                  {*up_, *surface_, platform_.GetDrawing(), state_, text1_->Locked()});
}

void KovraDouble::PaintDownButton(std::uint8_t& state) {
  PaintSpinButton(SpinSide::Down, state,
                  {*down_, *surface_, platform_.GetDrawing(), state_, text1_->Locked()});
}

}  // namespace kovra
