#include "control/property_access.h"

#include <array>
#include <cmath>

#include "base/coercion.h"
#include "base/control_error.h"
#include "base/version.h"
#include "control/kovra_double.h"
#include "control/member_fields.h"
#include "core/enumerations.h"

namespace kovra {

namespace {

// When a stored value brings on the full refresh.
enum class Repaint { Always, Themed, Classic, Spin, Never };

struct PropertyRow {
  std::wstring_view name;
  Variant (*get)(KovraDouble&);
  // Stores the value; false when validation refused it (the message has been shown).
  bool (*put)(KovraDouble&, const Variant&);
  Repaint repaint;
};

PropertyMembers& P(KovraDouble& c) { return c.State().properties; }
const Separators& Seps(KovraDouble& c) { return c.State().separators; }

// Member properties: read and stored as loading does, then notified and repainted.
template <FieldKind Kind, auto Field>
bool PutField(KovraDouble& c, const Variant& v) {
  StoreField<Kind, Field>(c, v);
  return true;
}

// A refused value: the message, nothing stored, and the caller gets no error.
bool Refuse(KovraDouble& c) {
  c.GetPlatform().GetMessageDialog().Show(c.Site().DialogOwner(), kInvalidValueMessage, kErrorTitle,
                                          MessageIcon::Critical);
  return false;
}

bool PutWinBorderWidth(KovraDouble& c, const Variant& v) {
  const std::int16_t width = ToInt16(v, Seps(c));
  if (width < 1) return Refuse(c);
  P(c).winBorderWidth = width;
  return true;
}

bool PutDecimalPlaces(KovraDouble& c, const Variant& v) {
  const std::int16_t places = ToInt16(v, Seps(c));
  if (places < 0) return Refuse(c);
  P(c).decimalPlaces = places;
  return true;
}

bool PutButtonSpinIncrement(KovraDouble& c, const Variant& v) {
  const double increment = ToDouble(v, Seps(c));
  if (!(increment >= 0)) return Refuse(c);  // a value that is not a number fails too
  P(c).buttonSpinIncrement = increment;
  return true;
}

// Writes `bound` as the text through the change handling when the text's number lies beyond it.
void BringTextWithin(KovraDouble& c, double bound, bool above) {
  const double number = c.Entry().TextAsNumber();
  if (above ? number > bound : number < bound) {
    c.Text1().SetText(c.Entry().GeneralText(bound));
  }
}

bool PutButtonSpin(KovraDouble& c, const Variant& v) {
  P(c).buttonSpin = ToBoolean(v, Seps(c));
  if (P(c).buttonSpin != kFalse) BringTextWithin(c, P(c).buttonSpinMax, true);
  if (P(c).buttonSpin != kFalse) BringTextWithin(c, P(c).buttonSpinMin, false);
  return true;
}

bool PutButtonSpinMax(KovraDouble& c, const Variant& v) {
  P(c).buttonSpinMax = ToDouble(v, Seps(c));
  if (P(c).buttonSpin != kFalse) BringTextWithin(c, P(c).buttonSpinMax, true);
  return true;
}

bool PutButtonSpinMin(KovraDouble& c, const Variant& v) {
  P(c).buttonSpinMin = ToDouble(v, Seps(c));
  if (P(c).buttonSpin != kFalse) BringTextWithin(c, P(c).buttonSpinMin, false);
  return true;
}

Variant GetMouseIcon(KovraDouble& c) { return P(c).mouseIcon; }
bool PutMouseIcon(KovraDouble& c, const Variant& v) {
  P(c).mouseIcon = ToPicture(v);
  return true;
}

Variant GetValue(KovraDouble& c) { return c.Value(); }
bool PutValue(KovraDouble& c, const Variant& v) {
  c.SetValue(ToText(v, Seps(c)));  // notifies "Value" itself
  return false;
}

// Text1's own properties.
Variant GetFont(KovraDouble& c) { return c.Text1().GetFont(); }
bool PutFont(KovraDouble& c, const Variant& v) {
  c.Text1().SetFont(ToFont(v));
  return true;
}

Variant GetAlignment(KovraDouble& c) { return c.Text1().Alignment(); }
bool PutAlignment(KovraDouble& c, const Variant& v) {
  c.Text1().SetAlignment(ToInt16(v, Seps(c)));
  return true;
}
Variant GetHideSelection(KovraDouble& c) { return c.Text1().HideSelection(); }
Variant GetLinkItem(KovraDouble& c) { return c.Text1().LinkItem(); }
bool PutLinkItem(KovraDouble& c, const Variant& v) {
  c.Text1().SetLinkItem(ToText(v, Seps(c)));
  return true;
}
Variant GetLinkMode(KovraDouble& c) { return c.Text1().LinkMode(); }
bool PutLinkMode(KovraDouble& c, const Variant& v) {
  c.Text1().SetLinkMode(ToInt16(v, Seps(c)));
  return true;
}
Variant GetLinkTimeout(KovraDouble& c) { return c.Text1().LinkTimeout(); }
bool PutLinkTimeout(KovraDouble& c, const Variant& v) {
  c.Text1().SetLinkTimeout(ToInt16(v, Seps(c)));
  return true;
}
Variant GetLinkTopic(KovraDouble& c) { return c.Text1().LinkTopic(); }
bool PutLinkTopic(KovraDouble& c, const Variant& v) {
  c.Text1().SetLinkTopic(ToText(v, Seps(c)));
  return true;
}
Variant GetOleDragMode(KovraDouble& c) { return c.Text1().OLEDragMode(); }
bool PutOleDragMode(KovraDouble& c, const Variant& v) {
  c.Text1().SetOLEDragMode(ToInt16(v, Seps(c)));
  return true;
}
Variant GetOleDropMode(KovraDouble& c) { return c.Text1().OLEDropMode(); }
bool PutOleDropMode(KovraDouble& c, const Variant& v) {
  c.Text1().SetOLEDropMode(ToInt16(v, Seps(c)));
  return true;
}
Variant GetRightToLeft(KovraDouble& c) { return c.Text1().RightToLeft(); }
bool PutRightToLeft(KovraDouble& c, const Variant& v) {
  c.Text1().SetRightToLeft(ToBoolean(v, Seps(c)) != kFalse);
  return true;
}

// The separate font attributes change Text1's font object and hand it back to Text1.
template <auto Field>
Variant GetFontFlag(KovraDouble& c) {
  const FontRef font = c.Text1().GetFont();
  return font ? (*font).*Field : false;
}
template <auto Field>
bool PutFontFlag(KovraDouble& c, const Variant& v) {
  const bool on = ToBoolean(v, Seps(c)) != kFalse;
  const FontRef font = c.Text1().GetFont();
  if (!font) throw ControlError(ErrorCode::InvalidArgument);
  (*font).*Field = on;
  c.Text1().SetFont(font);
  return true;
}
Variant GetFontSize(KovraDouble& c) {
  const FontRef font = c.Text1().GetFont();
  return font ? font->size : 0.0f;
}
bool PutFontSize(KovraDouble& c, const Variant& v) {
  const float size = ToSingle(v, Seps(c));
  const FontRef font = c.Text1().GetFont();
  if (!font || !(size > 0)) throw ControlError(ErrorCode::InvalidArgument);
  font->size = size;
  c.Text1().SetFont(font);
  return true;
}
Variant GetFontName(KovraDouble& c) {
  const FontRef font = c.Text1().GetFont();
  return font ? font->name : std::wstring();
}
bool PutFontName(KovraDouble& c, const Variant& v) {
  std::wstring name = ToText(v, Seps(c));
  const FontRef font = c.Text1().GetFont();
  if (!font || name.empty()) throw ControlError(ErrorCode::InvalidArgument);
  font->name = std::move(name);
  c.Text1().SetFont(font);
  return true;
}

Variant GetHwnd(KovraDouble& c) { return static_cast<std::int32_t>(c.Text1().WindowHandle()); }
Variant GetChwnd(KovraDouble& c) {
  return static_cast<std::int32_t>(c.UserControl().WindowHandle());
}

using F = PropertyMembers;

constexpr std::array<PropertyRow, 50> kProperties{{
    {L"BackColor", ReadField<FieldKind::Color, &F::backColor>,
     PutField<FieldKind::Color, &F::backColor>, Repaint::Always},
    {L"ForeColor", ReadField<FieldKind::Color, &F::foreColor>,
     PutField<FieldKind::Color, &F::foreColor>, Repaint::Always},
    {L"Enabled", ReadField<FieldKind::Boolean, &F::enabled>,
     PutField<FieldKind::Boolean, &F::enabled>, Repaint::Always},
    {L"Font", GetFont, PutFont, Repaint::Always},
    {L"Appearance", ReadField<FieldKind::Int16, &F::appearance>,
     PutField<FieldKind::Int16, &F::appearance>, Repaint::Always},
    {L"Alignment", GetAlignment, PutAlignment, Repaint::Always},
    {L"HideSelection", GetHideSelection, nullptr, Repaint::Never},
    {L"LinkItem", GetLinkItem, PutLinkItem, Repaint::Never},
    {L"LinkMode", GetLinkMode, PutLinkMode, Repaint::Never},
    {L"LinkTimeout", GetLinkTimeout, PutLinkTimeout, Repaint::Never},
    {L"LinkTopic", GetLinkTopic, PutLinkTopic, Repaint::Never},
    {L"OLEDragMode", GetOleDragMode, PutOleDragMode, Repaint::Never},
    {L"OLEDropMode", GetOleDropMode, PutOleDropMode, Repaint::Never},
    {L"RightToLeft", GetRightToLeft, PutRightToLeft, Repaint::Never},
    {L"SelLength", ReadField<FieldKind::Int32, &F::selLength>,
     PutField<FieldKind::Int32, &F::selLength>, Repaint::Never},
    {L"SelStart", ReadField<FieldKind::Int32, &F::selStart>,
     PutField<FieldKind::Int32, &F::selStart>, Repaint::Never},
    {L"WinBorderWidth", ReadField<FieldKind::Int16, &F::winBorderWidth>, PutWinBorderWidth,
     Repaint::Themed},
    {L"WinBorderColor", ReadField<FieldKind::Color, &F::winBorderColor>,
     PutField<FieldKind::Color, &F::winBorderColor>, Repaint::Themed},
    {L"WinBorderEffect", ReadField<FieldKind::Boolean, &F::winBorderEffect>,
     PutField<FieldKind::Boolean, &F::winBorderEffect>, Repaint::Themed},
    {L"WinBorderOverColor", ReadField<FieldKind::Color, &F::winBorderOverColor>,
     PutField<FieldKind::Color, &F::winBorderOverColor>, Repaint::Never},
    {L"FontOverEffect", ReadField<FieldKind::Boolean, &F::fontOverEffect>,
     PutField<FieldKind::Boolean, &F::fontOverEffect>, Repaint::Never},
    {L"FontOverColor", ReadField<FieldKind::Color, &F::fontOverColor>,
     PutField<FieldKind::Color, &F::fontOverColor>, Repaint::Never},
    {L"Border3DStyle", ReadField<FieldKind::Int16, &F::border3DStyle>,
     PutField<FieldKind::Int16, &F::border3DStyle>, Repaint::Classic},
    {L"Edit3DOption", ReadField<FieldKind::Int16, &F::edit3DOption>,
     PutField<FieldKind::Int16, &F::edit3DOption>, Repaint::Classic},
    {L"Value", GetValue, PutValue, Repaint::Never},
    {L"MaxValue", ReadField<FieldKind::Double, &F::maxValue>,
     PutField<FieldKind::Double, &F::maxValue>, Repaint::Never},
    {L"MinValue", ReadField<FieldKind::Double, &F::minValue>,
     PutField<FieldKind::Double, &F::minValue>, Repaint::Never},
    {L"DecimalPlaces", ReadField<FieldKind::Int16, &F::decimalPlaces>, PutDecimalPlaces,
     Repaint::Always},
    {L"UseSeparator", ReadField<FieldKind::Boolean, &F::useSeparator>,
     PutField<FieldKind::Boolean, &F::useSeparator>, Repaint::Always},
    {L"MousePointer", ReadField<FieldKind::Int32, &F::mousePointer>,
     PutField<FieldKind::Int32, &F::mousePointer>, Repaint::Never},
    {L"MouseIcon", GetMouseIcon, PutMouseIcon, Repaint::Never},
    {L"XPGetTheme", ReadField<FieldKind::Int16, &F::xpGetTheme>,
     PutField<FieldKind::Int16, &F::xpGetTheme>, Repaint::Themed},
    {L"WinTheme", ReadField<FieldKind::Int16, &F::winTheme>,
     PutField<FieldKind::Int16, &F::winTheme>, Repaint::Themed},
    {L"WinBorderColorOption", ReadField<FieldKind::Int16, &F::winBorderColorOption>,
     PutField<FieldKind::Int16, &F::winBorderColorOption>, Repaint::Themed},
    {L"ButtonSpin", ReadField<FieldKind::Boolean, &F::buttonSpin>, PutButtonSpin, Repaint::Always},
    {L"ButtonSpinArrowColor", ReadField<FieldKind::Color, &F::buttonSpinArrowColor>,
     PutField<FieldKind::Color, &F::buttonSpinArrowColor>, Repaint::Spin},
    {L"Edit3DColor", ReadField<FieldKind::Color, &F::edit3DColor>,
     PutField<FieldKind::Color, &F::edit3DColor>, Repaint::Spin},
    {L"ButtonSpinIncrement", ReadField<FieldKind::Double, &F::buttonSpinIncrement>,
     PutButtonSpinIncrement, Repaint::Never},
    {L"ButtonSpinMax", ReadField<FieldKind::Double, &F::buttonSpinMax>, PutButtonSpinMax,
     Repaint::Never},
    {L"ButtonSpinMin", ReadField<FieldKind::Double, &F::buttonSpinMin>, PutButtonSpinMin,
     Repaint::Never},
    {L"ButtonSpinEdit", ReadField<FieldKind::Int16, &F::buttonSpinEdit>,
     PutField<FieldKind::Int16, &F::buttonSpinEdit>, Repaint::Never},
    {L"Locked", ReadField<FieldKind::Boolean, &F::locked>, PutField<FieldKind::Boolean, &F::locked>,
     Repaint::Always},
    {L"hWnd", GetHwnd, nullptr, Repaint::Never},
    {L"chWnd", GetChwnd, nullptr, Repaint::Never},
    {L"FontUnderline", GetFontFlag<&Font::underline>, PutFontFlag<&Font::underline>,
     Repaint::Always},
    {L"FontStrikethru", GetFontFlag<&Font::strikethrough>, PutFontFlag<&Font::strikethrough>,
     Repaint::Always},
    {L"FontSize", GetFontSize, PutFontSize, Repaint::Always},
    {L"FontName", GetFontName, PutFontName, Repaint::Always},
    {L"FontItalic", GetFontFlag<&Font::italic>, PutFontFlag<&Font::italic>, Repaint::Always},
    {L"FontBold", GetFontFlag<&Font::bold>, PutFontFlag<&Font::bold>, Repaint::Always},
}};

const PropertyRow& Row(const Member& member) {
  for (const PropertyRow& row : kProperties) {
    if (row.name == member.name) return row;
  }
  throw ControlError(ErrorCode::InvalidArgument, "not a property");
}

bool RepaintWanted(KovraDouble& c, Repaint repaint) {
  switch (repaint) {
    case Repaint::Always:
      return true;
    case Repaint::Themed:
      return P(c).appearance == appearance::WindowsAppearance;
    case Repaint::Classic:
      return P(c).appearance == appearance::Standard3DAppearance;
    case Repaint::Spin:
      return P(c).buttonSpin != kFalse;
    case Repaint::Never:
      break;
  }
  return false;
}

}  // namespace

Variant GetProperty(KovraDouble& control, const Member& member) { return Row(member).get(control); }

void StoreProperty(KovraDouble& control, const Member& member, const Variant& value) {
  const PropertyRow& row = Row(member);
  if (row.put == nullptr) throw ControlError(ErrorCode::InvalidArgument, "read-only property");
  row.put(control, value);
}

void PutProperty(KovraDouble& control, const Member& member, const Variant& value) {
  const PropertyRow& row = Row(member);
  if (row.put == nullptr) throw ControlError(ErrorCode::InvalidArgument, "read-only property");
  if (!row.put(control, value)) return;
  control.Site().PropertyChanged(row.name, member.dispatchId);
  if (RepaintWanted(control, row.repaint)) control.UserControl_Resize();
}

void InvokeMethod(KovraDouble& control, const Member& member, std::span<const Variant> arguments) {
  const auto argument = [&](std::size_t i) -> const Variant& {
    if (i >= arguments.size()) throw ControlError(ErrorCode::InvalidArgument, "missing argument");
    return arguments[i];
  };
  TextBox& box = control.Text1();
  if (member.name == L"Refresh") {
    control.UserControl().Refresh();
  } else if (member.name == L"LinkExecute") {
    box.LinkExecute(ToText(argument(0), control.State().separators));
  } else if (member.name == L"LinkPoke") {
    box.LinkPoke();
  } else if (member.name == L"LinkRequest") {
    box.LinkRequest();
  } else if (member.name == L"LinkSend") {
    box.LinkSend();
  } else if (member.name == L"OLEDrag") {
    box.OLEDrag();
  } else if (member.name == L"Acerca") {
    control.GetPlatform().GetSystem().ShowAbout(
        L"About Control KovraDouble", L"Version: " + std::to_wstring(version::kMajor) + L"." +
                                          std::to_wstring(version::kMinor) + L"." +
                                          std::to_wstring(version::kRevision));
  } else {
    throw ControlError(ErrorCode::InvalidArgument, "not a method");
  }
}

}  // namespace kovra
