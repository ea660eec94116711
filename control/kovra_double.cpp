#include "control/kovra_double.h"

#include <array>

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

KovraDouble::KovraDouble(Platform& platform)
    : platform_(platform),
      surface_(platform.CreateControlSurface()),
      text1_(platform.CreateTextBox(*surface_)),
      up_(platform.CreatePictureSurface(*surface_)),
      down_(platform.CreatePictureSurface(*surface_)),
      timer1_(MakeTimer(platform, 3)),
      timer2_(MakeTimer(platform, 3)),
      timer3_(MakeTimer(platform, 500)),
      entry_(state_, *text1_, platform, surface_->WindowHandle()),
      spin_({state_, *text1_, *surface_, *up_, *down_, *timer2_, *timer3_, platform.GetPointer(),
             platform.GetDrawing(), platform.GetContainer()}),
      hover_({state_, *surface_, *text1_, *timer1_, platform.GetPointer(), platform.GetDrawing(),
              platform.GetContainer()}),
      text1Mouse_(*this, [](KovraDouble& c, MouseAction a, std::int16_t b, std::int16_t s, float x,
                            float y) { c.Text1_Mouse(a, b, s, x, y); }),
      surfaceMouse_(*this, [](KovraDouble& c, MouseAction a, std::int16_t b, std::int16_t s,
                              float x, float y) { c.UserControl_Mouse(a, b, s, x, y); }),
      upMouse_(*this, [](KovraDouble& c, MouseAction a, std::int16_t b, std::int16_t, float x,
                         float y) { SpinInput(c.spin_, true, a, b, x, y); }),
      downMouse_(*this, [](KovraDouble& c, MouseAction a, std::int16_t b, std::int16_t, float x,
                           float y) { SpinInput(c.spin_, false, a, b, x, y); }) {
  text1_->SetText(L"0.00");  // the designed text, before anyone listens
  text1_->SetEvents(this);
  text1_->SetMouseEvents(&text1Mouse_);
  surface_->SetMouseEvents(&surfaceMouse_);
  up_->SetMouseEvents(&upMouse_);
  down_->SetMouseEvents(&downMouse_);
  timer1_->SetHandler([this] { hover_.Timer1_Timer(); });
  timer2_->SetHandler([this] { spin_.Timer2_Timer(); });
  timer3_->SetHandler([this] { spin_.Timer3_Timer(); });
  surface_->SetResizeHandler([this] { UserControl_Resize(); });
}

KovraDouble::~KovraDouble() {
  for (Timer* timer : {timer1_.get(), timer2_.get(), timer3_.get()}) timer->SetHandler(nullptr);
  up_->SetMouseEvents(nullptr);
  down_->SetMouseEvents(nullptr);
  surface_->SetMouseEvents(nullptr);
  text1_->SetMouseEvents(nullptr);
  surface_->SetResizeHandler(nullptr);
  text1_->SetEvents(nullptr);
}

void KovraDouble::Initialize() {
  state_.themeLibraryAvailable = platform_.GetSystem().ThemeLibraryAvailable();
  ProbeLocale();
}

void KovraDouble::ProbeLocale() {
  // 1234.45 under "#,##0.00": the 6th character is the decimal separator, the 2nd the group
  // separator ("1,234.45", "1.234,45").
  const std::wstring probe = platform_.GetLocale().FormatNumber(L"1234.45", 2);
  if (probe.size() >= 6) {
    state_.separators.decimal = probe[5];
    state_.separators.group = probe[1];
  }
}

void KovraDouble::InitProperties() {
  state_.newInstance = 1;
  // The members still hold zero here (DecimalPlaces, MinValue, MaxValue, ButtonSpin), so the
  // text box receives 0 written without decimals.
  SetValue(FormatNumber(0, NumberMask{.point = true, .decimals = 2}, state_.separators));
  state_.firstUndoText = Value();
  state_.properties = DefaultProperties();
  Container& container = platform_.GetContainer();
  surface_->SetFont(container.AmbientFont());
  text1_->SetFont(container.AmbientFont());
}

void KovraDouble::Show() { surface_->Refresh(); }

void KovraDouble::Text1_Mouse(MouseAction action, std::int16_t button, std::int16_t shift, float x,
                              float y) {
  Container& container = platform_.GetContainer();
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
      return hover_.MouseMove(button, shift, x, y);
    case MouseAction::Click:
    case MouseAction::DblClick:
      text1_->SetFocus();
      return platform_.GetContainer().RaiseEvent(
          action == MouseAction::Click ? event::Click : event::DblClick, {});
    case MouseAction::Down:
    case MouseAction::Up:
      return;
  }
}

}  // namespace kovra
