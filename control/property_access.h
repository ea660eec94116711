// Every property and method of the control's interface reached by its member-table entry: the
// getters, and the setters with their checks, messages, spin-range side effects, change
// notification and conditional repaint, all as the table describes them. Values arrive as
// Variants and are coerced as an Automation client expects; a refused coercion throws
// ControlError before anything is stored.
#pragma once

#include <span>

#include "base/variant.h"
#include "core/member_table.h"

namespace kovra {

class KovraDouble;

// The message of a refused property value (critical icon, the control's error title).
inline constexpr const wchar_t* kInvalidValueMessage = L"The property  value is not valid    ";

// How a value is assigned: by value (let) or by reference (set, for the object properties).
enum class PutKind { Let, Set };

// The value of the property `member`. Throws TypeMismatch when the text is not a number (Value),
// NotSupported for a method.
Variant GetProperty(KovraDouble& control, const Member& member);
// Assigns `value` to the property `member` the way `kind` says. Throws ReadOnly for a property
// that can only be read, NotSupported for a method or a property not assigned that way.
void PutProperty(KovraDouble& control, const Member& member, const Variant& value,
                 PutKind kind = PutKind::Let);
// Stores `value` as loading does: into the member or into Text1's property, coerced to its
// width but otherwise unchecked, with no notification and no repaint.
void StoreProperty(KovraDouble& control, const Member& member, const Variant& value);
// Calls the method `member` with `arguments` (by position); NotSupported for a property.
void InvokeMethod(KovraDouble& control, const Member& member, std::span<const Variant> arguments);

}  // namespace kovra
