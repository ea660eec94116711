#include "control/persistence.h"

#include <array>

#include "base/coercion.h"
#include "base/control_error.h"
#include "control/control_internals.h"
#include "control/kovra_double.h"
#include "control/property_access.h"
#include "core/member_fields.h"

namespace kovra {

namespace {

// The saved order, read off the member table: each member at its place, and again where it is
// handled twice.
std::array<PersistedKey, kSavedKeys> SavedOrder() {
  std::array<PersistedKey, kSavedKeys> keys{};
  for (const Member& member : Members()) {
    for (const SavedAt& at : {member.saved, member.savedAgain}) {
      if (at.position == 0) continue;
      keys.at(at.position - 1u) = {member.name, SavedType(member), &member, at.loading};
    }
  }
  return keys;
}

const std::array<PersistedKey, kSavedKeys>& Keys() {
  static const std::array<PersistedKey, kSavedKeys> keys = SavedOrder();
  return keys;
}

// The default handed to the bag on both sides; the font's is the container's ambient font.
Variant BagDefault(KovraDouble& control, const Member& member) {
  if (member.byDefault.kind == Default::Kind::AmbientFont) return control.Site().AmbientFont();
  return DefaultValue(member);
}

// The number as "Value" keeps it: "0." and DecimalPlaces zeros, so no grouping, the locale's
// separator, and a trailing separator when there are no decimals.
std::wstring SavedValueText(KovraDouble& control) {
  const ControlState& state = ControlInternals::State(control);
  const NumberMask saved{
      .grouped = false, .point = true, .decimals = state.properties.decimalPlaces};
  return FormatNumber(ControlInternals::Entry(control).TextAsNumber(), saved, state.separators);
}

void Apply(KovraDouble& control, const PersistedKey& key, const Variant& value) {
  switch (key.loading) {
    case Loading::Store:
      return StoreProperty(control, *key.member, value);
    case Loading::StoreGuarded: {
      const ChangeGuardScope guard(ControlInternals::State(control));
      return StoreProperty(control, *key.member, value);
    }
    case Loading::Setter:
      return PutProperty(control, *key.member, value,
                         key.member->IsObject() ? PutKind::Set : PutKind::Let);
  }
}

// The saved text goes into Text1 as it was written, under the change guard; then, where the
// group separator of this locale was the decimal separator of the saving one, its first
// occurrence is taken for this locale's decimal separator and the number passes the Value
// setter. The font attributes are taken up again from Text1's font object. These last steps
// are skipped one by one when they fail.
void LoadValue(KovraDouble& control, const PersistedKey& key, PropertyBag& bag) {
  ControlState& state = ControlInternals::State(control);
  const ChangeGuardScope guard(state);
  const Variant saved = bag.ReadProperty(key.key, DefaultValue(*key.member));
  control.Text1().SetText(ToText(saved, state.separators));
  try {
    std::wstring text = control.Text1().Text();
    if (const auto p = text.find(state.separators.group); p != std::wstring::npos) {
      text[p] = state.separators.decimal;
      const EntryEngine& entry = ControlInternals::Entry(control);
      control.SetValue(entry.GeneralText(ParseNumber(text, state.separators)));
    }
  } catch (const ControlError&) {
  }
  try {
    TextBox& box = control.Text1();
    if (const FontRef font = box.GetFont()) box.SetFont(font);
  } catch (const ControlError&) {
  }
}

}  // namespace

std::span<const PersistedKey> PersistedKeys() { return Keys(); }

void WriteProperties(KovraDouble& control, PropertyBag& bag) {
  for (const PersistedKey& key : Keys()) {
    const Member& member = *key.member;
    const Variant value = member.home == Home::Value ? Variant(SavedValueText(control))
                                                     : GetProperty(control, member);
    bag.WriteProperty(key.key, value, BagDefault(control, member));
  }
}

void ReadProperties(KovraDouble& control, PropertyBag& bag) {
  for (const PersistedKey& key : Keys()) {
    if (key.member->home == Home::Value) {
      LoadValue(control, key, bag);
    } else {
      Apply(control, key, bag.ReadProperty(key.key, BagDefault(control, *key.member)));
    }
  }
}

}  // namespace kovra
