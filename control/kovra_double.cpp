#include "control/kovra_double.h"

#include <array>

#include "control/control_internals.h"
#include "core/events.h"

namespace kovra {

namespace {

// A spin surface's mouse input for the spin buttons: presses, releases, double clicks, moves.
void SpinInput(SpinController& spin, bool up, MouseAction action, std::int16_t button, float x,
               float y) {
  switch (action) {
    case MouseAction::Down:
      return spin.MouseDown(up, button);
    case MouseAction::Up:
      return spin.MouseUp(up, button);
    case MouseAction::Move:
      return spin.MouseMove(up, button, x, y);
    case MouseAction::DblClick:
      return spin.DblClick(up);
    case MouseAction::Click:
      return;
  }
}

void RaiseMouse(Container& container, int dispatchId, std::int16_t button, std::int16_t shift,
                float x, float y) {
  std::array<EventArgument, 4> arguments{&button, &shift, &x, &y};
  container.RaiseEvent(dispatchId, arguments);
}

std::unique_ptr<Timer> MakeTimer(Platform& platform, int interval) {
  auto timer = platform.CreateTimer();
  timer->SetInterval(interval);
  timer->SetEnabled(false);
  return timer;
}

}  // namespace

ControlState& ControlInternals::State(KovraDouble& control) { return control.state_; }

EntryEngine& ControlInternals::Entry(KovraDouble& control) { return control.Entry(); }

KovraDouble::Parts::Parts(KovraDouble& control)
    : surface(control.platform_.CreateControlSurface()),
      text1(control.platform_.CreateTextBox(*surface)),
      up(control.platform_.CreatePictureSurface(*surface)),
      down(control.platform_.CreatePictureSurface(*surface)),
      timer1(MakeTimer(control.platform_, 3)),
      timer2(MakeTimer(control.platform_, 3)),
      timer3(MakeTimer(control.platform_, 500)),
      entry(control.state_, *text1, control.platform_, control.container_, *surface),
      spin({control.state_, *text1, *surface, *up, *down, *timer2, *timer3,
            control.platform_.GetPointer(), control.platform_.GetDrawing(), control.container_}),
      hover({control.state_, *surface, *text1, *timer1, control.platform_.GetPointer(),
             control.platform_.GetDrawing(), control.container_}) {}

KovraDouble::KovraDouble(Platform& platform)
    : platform_(platform),
      text1Mouse_(*this, [](KovraDouble& c, MouseAction a, std::int16_t b, std::int16_t s, float x,
                            float y) { c.Text1_Mouse(a, b, s, x, y); }),
      surfaceMouse_(*this, [](KovraDouble& c, MouseAction a, std::int16_t b, std::int16_t s,
                              float x, float y) { c.UserControl_Mouse(a, b, s, x, y); }),
      upMouse_(*this, [](KovraDouble& c, MouseAction a, std::int16_t b, std::int16_t, float x,
                         float y) { SpinInput(c.Spin(), true, a, b, x, y); }),
      downMouse_(*this, [](KovraDouble& c, MouseAction a, std::int16_t b, std::int16_t, float x,
                           float y) { SpinInput(c.Spin(), false, a, b, x, y); }) {}

KovraDouble::~KovraDouble() {
  if (parts_) Wire(*parts_, false);
}

KovraDouble::Parts& KovraDouble::Made() const {
  if (!parts_) {
    auto& self = const_cast<KovraDouble&>(*this);  // making the parts changes nothing visible
    auto parts = std::make_unique<Parts>(self);
    if (parent_ != 0) parts->surface->SetParentWindow(parent_);
    parts->text1->SetText(L"0.00");  // the designed text, before anyone listens
    self.Wire(*parts, true);
    parts_ = std::move(parts);
  }
  return *parts_;
}

void KovraDouble::Wire(Parts& parts, bool on) {
  parts.text1->SetEvents(on ? this : nullptr);
  parts.text1->SetMouseEvents(on ? &text1Mouse_ : nullptr);
  parts.surface->SetMouseEvents(on ? &surfaceMouse_ : nullptr);
  parts.up->SetMouseEvents(on ? &upMouse_ : nullptr);
  parts.down->SetMouseEvents(on ? &downMouse_ : nullptr);
  if (on) {
    parts.timer1->SetHandler([this] { Hover().Timer1_Timer(); });
    parts.timer2->SetHandler([this] { Spin().Timer2_Timer(); });
    parts.timer3->SetHandler([this] { Spin().Timer3_Timer(); });
    parts.surface->SetResizeHandler([this] { UserControl_Resize(); });
  } else {
    for (Timer* timer : {parts.timer1.get(), parts.timer2.get(), parts.timer3.get()}) {
      timer->SetHandler(nullptr);
    }
    parts.surface->SetResizeHandler(nullptr);
  }
}

void KovraDouble::SetParentWindow(std::uintptr_t parent) {
  parent_ = parent;
  if (parent != 0 || parts_) UserControl().SetParentWindow(parent);
}

void KovraDouble::Initialize() {
  state_.themeLibraryAvailable = platform_.GetSystem().ThemeLibraryAvailable();
  ProbeLocale();
}

void KovraDouble::ProbeLocale() { state_.separators = ProbeSeparators(platform_.GetLocale()); }

void KovraDouble::InitProperties() {
  state_.newInstance = 1;
  // The members still hold zero here (DecimalPlaces, MinValue, MaxValue, ButtonSpin), so the
  // text box receives 0 written without decimals.
  SetValue(FormatNumber(0, NumberMask{.point = true, .decimals = 2}, state_.separators));
  state_.firstUndoText = Value();
  state_.properties = DefaultProperties();
  UserControl().SetFont(container_.AmbientFont());
  Text1().SetFont(container_.AmbientFont());
}

void KovraDouble::Show() { UserControl().Refresh(); }

void KovraDouble::Text1_Mouse(MouseAction action, std::int16_t button, std::int16_t shift, float x,
                              float y) {
  Container& container = container_;
  switch (action) {
    case MouseAction::Down:
      return RaiseMouse(container, event::MouseDown, button, shift, x, y);
    case MouseAction::Up:
      return RaiseMouse(container, event::MouseUp, button, shift, x, y);
    case MouseAction::Move:
      return RaiseMouse(container, event::MouseMove, button, shift, x, y);
    case MouseAction::Click:
      return container.RaiseEvent(event::Click, {});
    case MouseAction::DblClick:
      return container.RaiseEvent(event::DblClick, {});
  }
}

void KovraDouble::UserControl_Mouse(MouseAction action, std::int16_t button, std::int16_t shift,
                                    float x, float y) {
  switch (action) {
    case MouseAction::Move:
      return Hover().MouseMove(button, shift, x, y);
    case MouseAction::Click:
    case MouseAction::DblClick:
      Text1().SetFocus();
      return container_.RaiseEvent(action == MouseAction::Click ? event::Click : event::DblClick,
                                   {});
    case MouseAction::Down:
    case MouseAction::Up:
      return;
  }
}

}  // namespace kovra
