// What tests, benchmarks, fuzzers and the driver reach inside a KovraDouble beyond its public
// interface: the state the core owns, the entry engine, the three timers, the spin controller
// and the hover tracker — and a way to write Text1 as the control's own code writes it. The
// library itself never includes this header.
#pragma once

#include <string>

#include "base/lifetimebound.h"
#include "control/kovra_double.h"
#include "core/control_state.h"
#include "entry/entry_engine.h"
#include "frame/hover_tracking.h"
#include "platform/timer.h"
#include "spin/spin_behaviour.h"

namespace kovra::probe {

// The one door into a control's inside: a friend of KovraDouble. The free functions below
// are its spelling.
class ControlProbe {
 public:
  static ControlState& State(KovraDouble& control) { return control.state_; }
  static const ControlState& State(const KovraDouble& control) { return control.state_; }
  // The inner parts and the behaviours that work on them, made if they do not exist yet.
  static auto& Parts(const KovraDouble& control) { return control.Made(); }
};

// The members of every property and the state the core owns (separators, focus, undo texts,
// the change guard).
inline ControlState& State(KovraDouble& control KOVRA_LIFETIMEBOUND) {
  return ControlProbe::State(control);
}
inline const ControlState& State(const KovraDouble& control KOVRA_LIFETIMEBOUND) {
  return ControlProbe::State(control);
}
// The editing engine: AcceptedText, the undo toggle, BackspacePending, the saved clipboard.
inline EntryEngine& Entry(const KovraDouble& control KOVRA_LIFETIMEBOUND) {
  return ControlProbe::Parts(control).entry;
}
// Hover tracking's timer, the spin buttons' hot-state timer and their auto-repeat timer.
inline Timer& Timer1(const KovraDouble& control KOVRA_LIFETIMEBOUND) {
  return *ControlProbe::Parts(control).timer1;
}
inline Timer& Timer2(const KovraDouble& control KOVRA_LIFETIMEBOUND) {
  return *ControlProbe::Parts(control).timer2;
}
inline Timer& Timer3(const KovraDouble& control KOVRA_LIFETIMEBOUND) {
  return *ControlProbe::Parts(control).timer3;
}
// The spin buttons' and hover tracking's state machines.
inline SpinController& Spin(const KovraDouble& control KOVRA_LIFETIMEBOUND) {
  return ControlProbe::Parts(control).spin;
}
inline HoverTracker& Hover(const KovraDouble& control KOVRA_LIFETIMEBOUND) {
  return ControlProbe::Parts(control).hover;
}

// While one lives, every change of Text1 counts as a rewrite of the control's own: the change
// guard is set, so the change handling and a requested full refresh stand aside. The guard is
// cleared when it ends, however it ends.
class OwnRewrite {
 public:
  explicit OwnRewrite(KovraDouble& control) : guard_(State(control)) {}

 private:
  ChangeGuardScope guard_;
};

// Writes `text` into Text1 as the control's own code writes it: taken as written, with no
// change handling (a text that is not a number stays).
inline void PutTextAsWritten(KovraDouble& control, const std::wstring& text) {
  const OwnRewrite rewrite(control);
  control.Text1().SetText(text);
}

}  // namespace kovra::probe
