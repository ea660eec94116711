#include "control/persistence.h"

#include <array>

#include "base/coercion.h"
#include "base/control_error.h"
#include "control/kovra_double.h"
#include "control/member_fields.h"
#include "control/property_access.h"

namespace kovra {

namespace {

PropertyMembers& P(KovraDouble& c) { return c.State().properties; }

// One row of the set: the key, its bag type, the default handed to the bag on both sides, where
// the writer takes the value and where the reader puts it.
struct Row {
  PersistedKey key;
  Variant (*defaultValue)(KovraDouble&);
  Variant (*read)(KovraDouble&);
  void (*apply)(KovraDouble&, const Variant&);
};

// The defaults of InitProperties, as the bag takes them.
template <auto Field>
Variant ColorDefault(KovraDouble&) {
  return static_cast<std::int32_t>(DefaultProperties().*Field);
}
template <auto Field>
Variant DoubleDefault(KovraDouble&) {
  return DefaultProperties().*Field;
}
// "0 (False)": a False default handed to the bag as the integer 0.
Variant ZeroDefault(KovraDouble&) { return std::int16_t{0}; }
Variant TrueDefault(KovraDouble&) { return true; }
Variant FalseDefault(KovraDouble&) { return false; }
template <int N>
Variant Int16Default(KovraDouble&) {
  return static_cast<std::int16_t>(N);
}
template <int N>
Variant Int32Default(KovraDouble&) {
  return static_cast<std::int32_t>(N);
}
Variant EmptyText(KovraDouble&) { return std::wstring(); }
Variant NoPicture(KovraDouble&) { return PictureRef{}; }
Variant AmbientFont(KovraDouble& c) { return c.Site().AmbientFont(); }

constexpr wchar_t kFont[] = L"Font";
constexpr wchar_t kAlignment[] = L"Alignment";
constexpr wchar_t kLinkItem[] = L"LinkItem";
constexpr wchar_t kLinkMode[] = L"LinkMode";
constexpr wchar_t kLinkTimeout[] = L"LinkTimeout";
constexpr wchar_t kLinkTopic[] = L"LinkTopic";
constexpr wchar_t kOLEDragMode[] = L"OLEDragMode";
constexpr wchar_t kOLEDropMode[] = L"OLEDropMode";
constexpr wchar_t kRightToLeft[] = L"RightToLeft";

// Text1's own settings, read and written as its property of the same name is, unnotified.
// The alignment is written under the change guard.
template <const wchar_t* Name>
Variant ReadTextBox(KovraDouble& c) {
  return GetProperty(c, *FindMember(Name));
}
template <const wchar_t* Name>
void ApplyTextBox(KovraDouble& c, const Variant& v) {
  StoreProperty(c, *FindMember(Name), v);
}
void ApplyAlignment(KovraDouble& c, const Variant& v) {
  ChangeGuardScope guard(c.State());
  ApplyTextBox<kAlignment>(c, v);
}

// "MouseIcon": first through the setter (which notifies), then into the member directly.
Variant ReadMouseIcon(KovraDouble& c) { return P(c).mouseIcon; }
void ApplyMouseIconSetter(KovraDouble& c, const Variant& v) {
  PutProperty(c, *FindMember(L"MouseIcon"), PictureRef(ToPicture(v)));
}
void ApplyMouseIconMember(KovraDouble& c, const Variant& v) { P(c).mouseIcon = ToPicture(v); }

using F = PropertyMembers;
using T = ValueType;

constexpr std::array<Row, 41> kRows{{
    {{L"BackColor", T::Int32},
     ColorDefault<&F::backColor>,
     ReadField<FieldKind::Color, &F::backColor>,
     StoreField<FieldKind::Color, &F::backColor>},
    {{L"ForeColor", T::Int32},
     ColorDefault<&F::foreColor>,
     ReadField<FieldKind::Color, &F::foreColor>,
     StoreField<FieldKind::Color, &F::foreColor>},
    {{L"Enabled", T::Boolean},
     TrueDefault,
     ReadField<FieldKind::Boolean, &F::enabled>,
     StoreField<FieldKind::Boolean, &F::enabled>},
    {{L"Font", T::Font}, AmbientFont, ReadTextBox<kFont>, ApplyTextBox<kFont>},
    {{L"Appearance", T::Int16},
     Int16Default<0>,
     ReadField<FieldKind::Int16, &F::appearance>,
     StoreField<FieldKind::Int16, &F::appearance>},
    {{L"Alignment", T::Int16}, Int16Default<0>, ReadTextBox<kAlignment>, ApplyAlignment},
    {{L"LinkItem", T::String}, EmptyText, ReadTextBox<kLinkItem>, ApplyTextBox<kLinkItem>},
    {{L"LinkMode", T::Int16}, Int16Default<0>, ReadTextBox<kLinkMode>, ApplyTextBox<kLinkMode>},
    {{L"LinkTimeout", T::Int16},
     Int16Default<50>,
     ReadTextBox<kLinkTimeout>,
     ApplyTextBox<kLinkTimeout>},
    {{L"LinkTopic", T::String}, EmptyText, ReadTextBox<kLinkTopic>, ApplyTextBox<kLinkTopic>},
    {{L"MouseIcon", T::Picture}, NoPicture, ReadMouseIcon, ApplyMouseIconSetter},
    {{L"OLEDragMode", T::Int16},
     Int16Default<0>,
     ReadTextBox<kOLEDragMode>,
     ApplyTextBox<kOLEDragMode>},
    {{L"OLEDropMode", T::Int16},
     Int16Default<0>,
     ReadTextBox<kOLEDropMode>,
     ApplyTextBox<kOLEDropMode>},
    {{L"RightToLeft", T::Boolean},
     FalseDefault,
     ReadTextBox<kRightToLeft>,
     ApplyTextBox<kRightToLeft>},
    {{L"SelLength", T::Int32},
     Int32Default<0>,
     ReadField<FieldKind::Int32, &F::selLength>,
     StoreField<FieldKind::Int32, &F::selLength>},
    {{L"SelStart", T::Int32},
     Int32Default<0>,
     ReadField<FieldKind::Int32, &F::selStart>,
     StoreField<FieldKind::Int32, &F::selStart>},
    {{L"WinBorderWidth", T::Int16},
     Int16Default<1>,
     ReadField<FieldKind::Int16, &F::winBorderWidth>,
     StoreField<FieldKind::Int16, &F::winBorderWidth>},
    {{L"WinBorderColor", T::Int32},
     ColorDefault<&F::winBorderColor>,
     ReadField<FieldKind::Color, &F::winBorderColor>,
     StoreField<FieldKind::Color, &F::winBorderColor>},
    {{L"WinBorderEffect", T::Boolean},
     ZeroDefault,
     ReadField<FieldKind::Boolean, &F::winBorderEffect>,
     StoreField<FieldKind::Boolean, &F::winBorderEffect>},
    {{L"WinBorderOverColor", T::Int32},
     ColorDefault<&F::winBorderOverColor>,
     ReadField<FieldKind::Color, &F::winBorderOverColor>,
     StoreField<FieldKind::Color, &F::winBorderOverColor>},
    {{L"FontOverEffect", T::Boolean},
     ZeroDefault,
     ReadField<FieldKind::Boolean, &F::fontOverEffect>,
     StoreField<FieldKind::Boolean, &F::fontOverEffect>},
    {{L"FontOverColor", T::Int32},
     ColorDefault<&F::fontOverColor>,
     ReadField<FieldKind::Color, &F::fontOverColor>,
     StoreField<FieldKind::Color, &F::fontOverColor>},
    {{L"Border3DStyle", T::Int16},
     Int16Default<1>,
     ReadField<FieldKind::Int16, &F::border3DStyle>,
     StoreField<FieldKind::Int16, &F::border3DStyle>},
    {{L"Edit3DOption", T::Int16},
     Int16Default<0>,
     ReadField<FieldKind::Int16, &F::edit3DOption>,
     StoreField<FieldKind::Int16, &F::edit3DOption>},
    {{L"MaxValue", T::Double},
     DoubleDefault<&F::maxValue>,
     ReadField<FieldKind::Double, &F::maxValue>,
     StoreField<FieldKind::Double, &F::maxValue>},
    {{L"MinValue", T::Double},
     DoubleDefault<&F::minValue>,
     ReadField<FieldKind::Double, &F::minValue>,
     StoreField<FieldKind::Double, &F::minValue>},
    {{L"DecimalPlaces", T::Int16},
     Int16Default<2>,
     ReadField<FieldKind::Int16, &F::decimalPlaces>,
     StoreField<FieldKind::Int16, &F::decimalPlaces>},
    {{L"UseSeparator", T::Boolean},
     ZeroDefault,
     ReadField<FieldKind::Boolean, &F::useSeparator>,
     StoreField<FieldKind::Boolean, &F::useSeparator>},
    {{L"MousePointer", T::Int32},
     Int32Default<0>,
     ReadField<FieldKind::Int32, &F::mousePointer>,
     StoreField<FieldKind::Int32, &F::mousePointer>},
    {{L"MouseIcon", T::Picture}, NoPicture, ReadMouseIcon, ApplyMouseIconMember},
    {{L"XPGetTheme", T::Int16},
     Int16Default<0>,
     ReadField<FieldKind::Int16, &F::xpGetTheme>,
     StoreField<FieldKind::Int16, &F::xpGetTheme>},
    {{L"WinTheme", T::Int16},
     Int16Default<0>,
     ReadField<FieldKind::Int16, &F::winTheme>,
     StoreField<FieldKind::Int16, &F::winTheme>},
    {{L"WinBorderColorOption", T::Int16},
     Int16Default<0>,
     ReadField<FieldKind::Int16, &F::winBorderColorOption>,
     StoreField<FieldKind::Int16, &F::winBorderColorOption>},
    {{L"ButtonSpin", T::Boolean},
     ZeroDefault,
     ReadField<FieldKind::Boolean, &F::buttonSpin>,
     StoreField<FieldKind::Boolean, &F::buttonSpin>},
    {{L"ButtonSpinArrowColor", T::Int32},
     ColorDefault<&F::buttonSpinArrowColor>,
     ReadField<FieldKind::Color, &F::buttonSpinArrowColor>,
     StoreField<FieldKind::Color, &F::buttonSpinArrowColor>},
    {{L"Edit3DColor", T::Int32},
     ColorDefault<&F::edit3DColor>,
     ReadField<FieldKind::Color, &F::edit3DColor>,
     StoreField<FieldKind::Color, &F::edit3DColor>},
    {{L"ButtonSpinIncrement", T::Double},
     DoubleDefault<&F::buttonSpinIncrement>,
     ReadField<FieldKind::Double, &F::buttonSpinIncrement>,
     StoreField<FieldKind::Double, &F::buttonSpinIncrement>},
    {{L"ButtonSpinMax", T::Double},
     DoubleDefault<&F::buttonSpinMax>,
     ReadField<FieldKind::Double, &F::buttonSpinMax>,
     StoreField<FieldKind::Double, &F::buttonSpinMax>},
    {{L"ButtonSpinMin", T::Double},
     DoubleDefault<&F::buttonSpinMin>,
     ReadField<FieldKind::Double, &F::buttonSpinMin>,
     StoreField<FieldKind::Double, &F::buttonSpinMin>},
    {{L"ButtonSpinEdit", T::Int16},
     Int16Default<0>,
     ReadField<FieldKind::Int16, &F::buttonSpinEdit>,
     StoreField<FieldKind::Int16, &F::buttonSpinEdit>},
    {{L"Locked", T::Boolean},
     ZeroDefault,
     ReadField<FieldKind::Boolean, &F::locked>,
     StoreField<FieldKind::Boolean, &F::locked>},
}};

constexpr PersistedKey kValueKey{L"Value", ValueType::String};
const std::wstring kValueDefault = L"0.00";

std::array<PersistedKey, 42> MakeKeys() {
  std::array<PersistedKey, 42> keys{};
  for (std::size_t i = 0; i < kRows.size(); ++i) keys[i] = kRows[i].key;
  keys[41] = kValueKey;
  return keys;
}

const std::array<PersistedKey, 42> kKeys = MakeKeys();

}  // namespace

std::span<const PersistedKey> PersistedKeys() { return kKeys; }

void WriteProperties(KovraDouble& control, PropertyBag& bag) {
  for (const Row& row : kRows) {
    bag.WriteProperty(row.key.key, row.read(control), row.defaultValue(control));
  }
  // The number with "0." and DecimalPlaces zeros: no grouping, the locale's separator, and a
  // trailing separator when there are no decimals.
  const int places = control.State().properties.decimalPlaces;
  const NumberMask saved{.grouped = false, .point = true, .decimals = places};
  const double number = control.Entry().TextAsNumber();
  bag.WriteProperty(kValueKey.key, FormatNumber(number, saved, control.State().separators),
                    kValueDefault);
}

void ReadProperties(KovraDouble& control, PropertyBag& bag) {
  for (const Row& row : kRows)
    row.apply(control, bag.ReadProperty(row.key.key, row.defaultValue(control)));

  ControlState& state = control.State();
  state.changeGuard = 1;
  try {
    const std::wstring saved =
        ToText(bag.ReadProperty(kValueKey.key, kValueDefault), state.separators);
    control.Text1().SetText(saved);
  } catch (...) {
    state.changeGuard = 0;
    throw;
  }
  // From here on a failing step is skipped and loading goes on.
  try {
    // Saved where the group separator of this locale was the decimal separator: its first
    // occurrence is taken for this locale's decimal separator.
    std::wstring text = control.Text1().Text();
    if (const auto p = text.find(state.separators.group); p != std::wstring::npos) {
      text[p] = state.separators.decimal;
      control.SetValue(control.Entry().GeneralText(ParseNumber(text, state.separators)));
    }
  } catch (const ControlError&) {
  }
  try {
    TextBox& box = control.Text1();
    if (const FontRef font = box.GetFont()) {
      // Underline, strikethrough, size, name, italic and bold are read from Text1's font object
      // and written back to Text1: the box takes up its font object's attributes again.
      box.SetFont(font);
    }
  } catch (const ControlError&) {
  }
  state.changeGuard = 0;
}

}  // namespace kovra
