#include "core/kovra_double.h"

namespace kovra {

namespace {

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
      entry_(state_, *text1_, platform, surface_->WindowHandle()) {
  text1_->SetText(L"0.00");  // the designed text, before anyone listens
  text1_->SetEvents(this);
  surface_->SetResizeHandler([this] { UserControl_Resize(); });
}

KovraDouble::~KovraDouble() {
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

}  // namespace kovra
