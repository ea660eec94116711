// The persisted property set: 42 keys in a fixed order with their types and defaults, as the
// member table places them, written into and read from the container's property bag.
#pragma once

#include <span>
#include <string_view>

#include "core/member_table.h"
#include "platform/property_bag.h"

namespace kovra {

class KovraDouble;

struct PersistedKey {
  std::wstring_view key;
  ValueType type;  // the type of the value put into the bag
  const Member* member;
  Loading loading;
};

// The 42 keys in the order both directions handle them ("MouseIcon" twice).
std::span<const PersistedKey> PersistedKeys();

// Saves every key with its default. Throws TypeMismatch when the text is not a number (the keys
// before "Value" are written by then).
void WriteProperties(KovraDouble& control, PropertyBag& bag);
// Restores a saved control in place of InitProperties: no setter runs for the plain members, no
// notification, no validation, no repaint; the saved "Value" text is repaired for the locale in
// force. A failing read or text-box write of the keys before "Value" ends loading with that
// error.
void ReadProperties(KovraDouble& control, PropertyBag& bag);

}  // namespace kovra
