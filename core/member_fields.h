// A property member read into a Variant and stored from one, by the width its field has: the
// accessors, loading and the defaults all store members this way.
#pragma once

#include "base/number_text.h"
#include "base/variant.h"
#include "core/member_table.h"

namespace kovra {

// The member's field (Home::Member) as a Variant of its type: colours as 32-bit numbers,
// Booleans as bool, a picture by reference.
Variant ReadField(const PropertyMembers& members, const Member& member);
// Stores `value` in the member's field, coerced to its width; throws ControlError before
// storing anything when the value does not fit.
void StoreField(PropertyMembers& members, const Member& member, const Variant& value,
                const Separators& separators);

// The type of the value a member hands to the property bag: colours as 32-bit integers,
// enumerations in the width they are stored in.
ValueType SavedType(const Member& member);
// The member's default as the bag is handed it, or as InitProperties stores it; the ambient
// font is the caller's to supply.
Variant DefaultValue(const Member& member);

}  // namespace kovra
