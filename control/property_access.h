// Every property and method of the control's interface reached by its member-table entry: the
// getters, and the setters with their validation, messages, spin-range side effects, change
// notification and conditional repaint. Values arrive as Variants and are coerced as an
// Automation client expects; a refused coercion throws ControlError before anything is stored.
#pragma once

#include <span>

#include "base/variant.h"
#include "core/member_table.h"

namespace kovra {

class KovraDouble;

// The message of a refused property value (critical icon, the control's error title).
inline constexpr const wchar_t* kInvalidValueMessage = L"The property  value is not valid    ";

// The value of the property `member`. Throws TypeMismatch when the text is not a number (Value).
Variant GetProperty(KovraDouble& control, const Member& member);
// Assigns `value` (let or set) to the property `member`.
void PutProperty(KovraDouble& control, const Member& member, const Variant& value);
// Stores `value` as the setter of `member` does, without the change notification and the
// repaint that follow it (loading writes Text1's own settings this way).
void StoreProperty(KovraDouble& control, const Member& member, const Variant& value);
// Calls the method `member` with `arguments` (by position).
void InvokeMethod(KovraDouble& control, const Member& member, std::span<const Variant> arguments);

}  // namespace kovra
