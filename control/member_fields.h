// One property member read into a Variant and stored from one, by the kind of value it holds:
// the width the member has and the coercion that fills it. Shared by the accessors and by
// loading from the property bag, which store the same members the same way.
#pragma once

#include "base/coercion.h"
#include "control/kovra_double.h"

namespace kovra {

enum class FieldKind { Color, Boolean, Int16, Int32, Double };

// The value of `Field` (a pointer to a PropertyMembers member) as a Variant of its kind:
// colours as 32-bit numbers, Booleans as bool.
template <FieldKind Kind, auto Field>
Variant ReadField(KovraDouble& control) {
  const auto& value = control.State().properties.*Field;
  if constexpr (Kind == FieldKind::Color) {
    return static_cast<std::int32_t>(value);
  } else if constexpr (Kind == FieldKind::Boolean) {
    return value != kFalse;
  } else {
    return value;
  }
}

// Stores `value` in `Field`, coerced to its kind; throws ControlError before storing anything
// when the value does not fit.
template <FieldKind Kind, auto Field>
void StoreField(KovraDouble& control, const Variant& value) {
  const Separators& separators = control.State().separators;
  auto& field = control.State().properties.*Field;
  if constexpr (Kind == FieldKind::Color) {
    field = ToColor(value, separators);
  } else if constexpr (Kind == FieldKind::Boolean) {
    field = ToBoolean(value, separators);
  } else if constexpr (Kind == FieldKind::Int16) {
    field = ToInt16(value, separators);
  } else if constexpr (Kind == FieldKind::Int32) {
    field = ToInt32(value, separators);
  } else {
    field = ToDouble(value, separators);
  }
}

}  // namespace kovra
