// The dual interface `_KovraDouble` as the object hands it out: a pointer to a vtable made from
// the slot list (activex/dual_slots.h) when the library is compiled, IUnknown's and IDispatch's
// seven functions first, then one function per slot whose parameter types are those of its
// member. Early-bound clients call the slots directly; late-bound ones go through IDispatch;
// both reach the control's late-binding entries with the same values.
#pragma once

#include <objbase.h>

namespace kovra::activex {

class ControlObject;

using VtableEntry = void (*)();

struct DualInterface {
  const VtableEntry* vtable;  // first, where every COM interface pointer finds its functions
  ControlObject* object;
};

// The one vtable of every control object's dual interface.
const VtableEntry* DualVtable();

// The interface pointer a client is handed for `dual`.
inline IUnknown* AsInterface(DualInterface& dual) { return reinterpret_cast<IUnknown*>(&dual); }

}  // namespace kovra::activex
