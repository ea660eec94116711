#include "control/property_access.h"

#include "base/coercion.h"
#include "base/control_error.h"
#include "control/control_internals.h"
#include "control/kovra_double.h"
#include "core/enumerations.h"
#include "core/member_fields.h"
#include "pages/about/about_box.h"
#include "platform/container_message.h"

namespace kovra {

namespace {

[[noreturn]] void NotSupported(const Member& member) {
  throw ControlError(ErrorCode::NotSupported,
                     std::string(DescribeError(ErrorCode::NotSupported)) + ": " +
                         std::string(member.name.begin(), member.name.end()));
}

bool PassesCheck(Check check, double number) {
  switch (check) {
    case Check::None:
      return true;
    case Check::AtLeastOne:
      return number >= 1;
    case Check::AtLeastZero:
    case Check::NotNegative:
      return number >= 0;  // a value that is not a number fails too
  }
  return false;
}

// A refused value: the message, nothing stored, and the caller gets no error.
void ShowRefusal(KovraDouble& control) {
  ShowContainerMessage(control.Site(), control.GetPlatform().GetMessageDialog(),
                       kInvalidValueMessage, kErrorTitle, MessageIcon::Critical);
}

// Stores a member property after its check; false when the check refused the value.
bool StoreChecked(KovraDouble& control, const Member& member, const Variant& value) {
  ControlState& state = ControlInternals::State(control);
  PropertyMembers changed = state.properties;
  StoreField(changed, member, value, state.separators);  // throws before anything is stored
  if (member.check != Check::None) {
    const double number = ToDouble(ReadField(changed, member), state.separators);
    if (!PassesCheck(member.check, number)) {
      ShowRefusal(control);
      return false;
    }
  }
  state.properties = std::move(changed);
  return true;
}

// Writes `bound` as the text, through the change handling, when the text's number lies beyond
// it (above it for an upper bound).
void BringTextWithin(KovraDouble& control, double bound, bool upper) {
  const EntryEngine& entry = ControlInternals::Entry(control);
  const double number = entry.TextAsNumber();
  if (upper ? number > bound : number < bound) control.Text1().SetText(entry.GeneralText(bound));
}

void KeepTextInSpinRange(KovraDouble& control, AfterStore after) {
  const PropertyMembers& p = ControlInternals::State(control).properties;
  if (p.buttonSpin == kFalse) return;
  switch (after) {
    case AfterStore::BringTextIntoSpinRange:
      BringTextWithin(control, p.buttonSpinMax, true);
      if (p.buttonSpin != kFalse) BringTextWithin(control, p.buttonSpinMin, false);
      return;
    case AfterStore::LowerTextToSpinMax:
      return BringTextWithin(control, p.buttonSpinMax, true);
    case AfterStore::RaiseTextToSpinMin:
      return BringTextWithin(control, p.buttonSpinMin, false);
    case AfterStore::Nothing:
      return;
  }
}

bool RepaintWanted(const PropertyMembers& p, Repaint repaint) {
  switch (repaint) {
    case Repaint::Always:
      return true;
    case Repaint::Themed:
      return p.appearance == appearance::WindowsAppearance;
    case Repaint::Classic:
      return p.appearance == appearance::Standard3DAppearance;
    case Repaint::Spin:
      return p.buttonSpin != kFalse;
    case Repaint::Never:
      break;
  }
  return false;
}

void RequirePut(const Member& member, PutKind kind) {
  if (member.IsMethod()) NotSupported(member);
  if ((member.access & (kLet | kSet)) == 0) throw ControlError(ErrorCode::ReadOnly);
  if ((member.access & (kind == PutKind::Let ? kLet : kSet)) == 0) NotSupported(member);
}

}  // namespace

Variant GetProperty(KovraDouble& control, const Member& member) {
  switch (member.home) {
    case Home::Member:
      return ReadField(ControlInternals::State(control).properties, member);
    case Home::TextBox:
      return member.textBox->get(control.Text1());
    case Home::Value:
      return control.Value();
    case Home::SurfaceWindow:
      return static_cast<std::int32_t>(control.UserControl().WindowHandle());
    case Home::Method:
      break;
  }
  NotSupported(member);
}

void StoreProperty(KovraDouble& control, const Member& member, const Variant& value) {
  ControlState& state = ControlInternals::State(control);
  const Separators& separators = state.separators;
  switch (member.home) {
    case Home::Member:
      return StoreField(state.properties, member, value, separators);
    case Home::TextBox:
      if (member.textBox->put == nullptr) throw ControlError(ErrorCode::ReadOnly);
      return member.textBox->put(control.Text1(), value, separators);
    case Home::Value:
      return control.Text1().SetText(ToText(value, separators));
    case Home::SurfaceWindow:
      throw ControlError(ErrorCode::ReadOnly);
    case Home::Method:
      break;
  }
  NotSupported(member);
}

void PutProperty(KovraDouble& control, const Member& member, const Variant& value, PutKind kind) {
  RequirePut(member, kind);
  const ControlState& state = ControlInternals::State(control);
  switch (member.home) {
    case Home::Value:
      return control.SetValue(ToText(value, state.separators));  // notifies itself
    case Home::Member:
      if (!StoreChecked(control, member, value)) return;
      break;
    default:
      StoreProperty(control, member, value);
      break;
  }
  KeepTextInSpinRange(control, member.afterStore);
  control.Site().PropertyChanged(member.name, member.dispatchId);
  if (RepaintWanted(state.properties, member.repaint)) control.UserControl_Resize();
}

void InvokeMethod(KovraDouble& control, const Member& member, std::span<const Variant> arguments) {
  if (member.textBoxMethod != nullptr) {
    const Separators& separators = ControlInternals::State(control).separators;
    return member.textBoxMethod(control.Text1(), arguments, separators);
  }
  switch (member.controlMethod) {
    case ControlMethod::Refresh:
      return control.UserControl().Refresh();
    case ControlMethod::About:
      return about::ShowAboutBox(control.GetPlatform().GetForms(),
                                 control.GetPlatform().GetMessageDialog());
    case ControlMethod::None:
      break;
  }
  NotSupported(member);
}

}  // namespace kovra
