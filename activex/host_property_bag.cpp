#include "activex/host_property_bag.h"

#include <string>

#include "activex/com_error.h"
#include "activex/com_values.h"
#include "activex/value_bridge.h"
#include "control/persistence.h"

namespace kovra::activex {
namespace {

// The VARIANT type a bag is asked to hand a key back in: objects as dispatch objects, so that
// a bag that keeps them in a saved form makes them again; any type for the others, which the
// control coerces itself.
VARTYPE AskedType(ValueType type) {
  return type == ValueType::Font || type == ValueType::Picture ? VT_DISPATCH : VT_EMPTY;
}

}  // namespace

SavedProperties ReadHostBag(IPropertyBag* bag, IErrorLog* log, FontLink& fonts) {
  SavedProperties saved;
  for (const PersistedKey& key : PersistedKeys()) {
    if (saved.Find(key.key) != nullptr) continue;  // a key handled twice is read once
    const std::wstring name(key.key);
    ComVariant value;
    VARIANT* slot = value.Put();
    slot->llVal = 0;
    slot->vt = AskedType(key.type);
    const HRESULT result = bag->Read(name.c_str(), slot, log);
    if (result == E_INVALIDARG) continue;  // not in the bag: the default applies
    ThrowIfFailed(result);
    saved.Put(key.key, ArgumentValue(value.get(), key.type, fonts));
  }
  return saved;
}

void WriteHostBag(IPropertyBag* bag, const SavedProperties& saved, FontLink& fonts) {
  for (const PersistedKey& key : PersistedKeys()) {
    const Variant* value = saved.Find(key.key);
    if (value == nullptr) throw ComError(E_UNEXPECTED);
    const std::wstring name(key.key);
    ComVariant written;
    ResultValue(*value, written.Put(), fonts);
    ThrowIfFailed(bag->Write(name.c_str(), const_cast<VARIANT*>(&written.get())));
  }
}

}  // namespace kovra::activex
