// The value path: Value read and write, RoundToPlaces, the masks and ApplyMask.
#include <cmath>

#include "base/control_error.h"
#include "core/member_table.h"
#include "entry/entry_engine.h"
#include "platform/container_message.h"

namespace kovra {

namespace {
// Every message of the control ends in four blanks.
constexpr std::wstring_view kMessageEnd = L"    ";
}  // namespace

EntryEngine::EntryEngine(ControlState& state, TextBox& text1, Platform& platform,
                         Container& container, ControlSurface& surface)
    : state_(state), text1_(text1), platform_(platform), container_(container), surface_(surface) {}

NumberMask EntryEngine::EditMask() const {
  return kovra::EditMask(state_.properties.decimalPlaces);
}

NumberMask EntryEngine::DisplayMask() const {
  return kovra::DisplayMask(state_.properties.decimalPlaces,
                            state_.properties.useSeparator != kFalse);
}

double EntryEngine::TextAsNumber() const { return ParseNumber(text1_.Text(), state_.separators); }

bool EntryEngine::TryNumber(std::wstring_view text, double& value) const {
  return TryParseNumber(text, state_.separators, value);
}

std::wstring EntryEngine::GeneralText(double value) const {
  return GeneralNumberText(value, state_.separators.decimal);
}

std::wstring EntryEngine::Value() const { return GeneralText(TextAsNumber()); }

double EntryEngine::RoundToPlaces(double value, int places) const {
  // The locale's own number format: grouped, its separators, rounded half away from zero.
  if (places < 0 || !std::isfinite(value)) return 0;
  const NumberMask localeFormat{.grouped = true, .point = places > 0, .decimals = places};
  double rounded = 0;
  if (!TryNumber(FormatNumber(value, localeFormat, state_.separators), rounded)) return 0;
  return rounded;
}

void EntryEngine::ApplyMask(const NumberMask& mask) {
  WriteText(FormatText(text1_.Text(), mask, state_.separators));
}

void EntryEngine::ShowError(const std::wstring& text, MessageIcon icon) {
  ShowContainerMessage(container_, platform_.GetMessageDialog(), text + std::wstring(kMessageEnd),
                       kErrorTitle, icon);
}

void EntryEngine::SetValue(std::wstring_view newValue) {
  const PropertyMembers& p = state_.properties;
  if (p.buttonSpin != kFalse) {
    const double v = ParseNumber(newValue, state_.separators);
    if (v > p.buttonSpinMax) {
      ShowError(L"The Property ButtonSpin = True and Value > " + GeneralText(p.buttonSpinMax),
                MessageIcon::Critical);
      return;
    }
    if (v < p.buttonSpinMin) {
      ShowError(L"The Property ButtonSpin = True and Value < " + GeneralText(p.buttonSpinMin),
                MessageIcon::Critical);
      return;
    }
  }
  const double number = ParseNumber(newValue, state_.separators);
  // With the change guard clear: the change handling runs and raises Change once.
  WriteText(GeneralText(RoundToPlaces(number, p.decimalPlaces)));
  {
    ChangeGuardScope guard(state_);
    ApplyMask(EditMask());
  }
  if (!state_.hasFocus) {
    ChangeGuardScope guard(state_);
    ApplyMask(DisplayMask());
  }
  container_.PropertyChanged(L"Value", kValueDispatchId);
}

}  // namespace kovra
