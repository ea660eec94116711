// The dual interface's vtable, one thunk per slot of the slot list. Each thunk's parameter type
// is that of its member in the member table (a 16-bit Boolean, an enumeration as a 32-bit
// integer, a colour as OLE_COLOR, a font or picture object as its dispatch interface), so that
// a compiled client's call lands with its arguments where the calling convention put them.
// Every thunk wraps its typed value in a VARIANT and takes the late-binding road that
// IDispatch::Invoke takes, so that both kinds of client reach the same accessors.
#include <olectl.h>

#include <utility>

#include "activex/automation_error.h"
#include "activex/com_error.h"
#include "activex/com_values.h"
#include "activex/control_object.h"
#include "activex/dispatch.h"
#include "activex/dual_interface.h"
#include "activex/dual_slots.h"
#include "activex/value_bridge.h"
#include "control/kovra_double.h"

namespace kovra::activex {
namespace {

// The type a slot's value has in the vtable, and the VARIANT type that carries it.
template <typename T, VARTYPE Variant>
struct Carried {
  using Type = T;
  static constexpr VARTYPE kVariant = Variant;
};
template <ValueType Type>
struct SlotValue;
// clang-format off
template <> struct SlotValue<ValueType::None> : Carried<std::nullptr_t, VT_EMPTY> {};  // methods
template <> struct SlotValue<ValueType::Boolean> : Carried<VARIANT_BOOL, VT_BOOL> {};
template <> struct SlotValue<ValueType::Int16> : Carried<SHORT, VT_I2> {};
template <> struct SlotValue<ValueType::Int32> : Carried<LONG, VT_I4> {};
template <> struct SlotValue<ValueType::Enumeration> : Carried<LONG, VT_I4> {};  // 32-bit
template <> struct SlotValue<ValueType::Color> : Carried<OLE_COLOR, VT_I4> {};  // its 32 bits
template <> struct SlotValue<ValueType::Single> : Carried<FLOAT, VT_R4> {};
template <> struct SlotValue<ValueType::Double> : Carried<DOUBLE, VT_R8> {};
template <> struct SlotValue<ValueType::String> : Carried<BSTR, VT_BSTR> {};
template <> struct SlotValue<ValueType::Font> : Carried<IFontDisp*, VT_DISPATCH> {};
template <> struct SlotValue<ValueType::Picture> : Carried<IPictureDisp*, VT_DISPATCH> {};
// clang-format on

template <ValueType Type>
using SlotType = typename SlotValue<Type>::Type;

// A typed value as the VARIANT that carries it (borrowed: strings and objects are not copied).
template <ValueType Type>
VARIANT Wrapped(SlotType<Type> value) {
  VARIANT wrapped;
  ::VariantInit(&wrapped);
  wrapped.vt = SlotValue<Type>::kVariant;
  if constexpr (Type == ValueType::Boolean) {
    wrapped.boolVal = value;
  } else if constexpr (Type == ValueType::Int16) {
    wrapped.iVal = value;
  } else if constexpr (Type == ValueType::Color) {
    wrapped.lVal = static_cast<LONG>(value);
  } else if constexpr (Type == ValueType::Int32 || Type == ValueType::Enumeration) {
    wrapped.lVal = value;
  } else if constexpr (Type == ValueType::Single) {
    wrapped.fltVal = value;
  } else if constexpr (Type == ValueType::Double) {
    wrapped.dblVal = value;
  } else if constexpr (Type == ValueType::String) {
    wrapped.bstrVal = value;
  } else {
    wrapped.pdispVal = value;
  }
  return wrapped;
}

// The typed value of a property read, taken out of the VARIANT it came in.
template <ValueType Type>
SlotType<Type> Unwrapped(ComVariant& value) {
  if constexpr (Type == ValueType::Font || Type == ValueType::Picture) {
    using Object = std::remove_pointer_t<SlotType<Type>>;
    ComPtr<Object> object;
    if (value.get().vt == VT_DISPATCH && value.get().pdispVal != nullptr) {
      ThrowIfFailed(value.get().pdispVal->QueryInterface(__uuidof(Object), object.PutVoid()));
    }
    return object.Detach();
  } else {
    ComVariant converted;
    ThrowIfFailed(::VariantChangeType(converted.Put(), const_cast<VARIANT*>(&value.get()), 0,
                                      SlotValue<Type>::kVariant));
    VARIANT out;
    converted.Detach(&out);
    if constexpr (Type == ValueType::Boolean) {
      return out.boolVal;
    } else if constexpr (Type == ValueType::Int16) {
      return out.iVal;
    } else if constexpr (Type == ValueType::Color) {
      return static_cast<OLE_COLOR>(out.lVal);
    } else if constexpr (Type == ValueType::Int32 || Type == ValueType::Enumeration) {
      return out.lVal;
    } else if constexpr (Type == ValueType::Single) {
      return out.fltVal;
    } else if constexpr (Type == ValueType::Double) {
      return out.dblVal;
    } else {
      return out.bstrVal;  // the caller owns it now
    }
  }
}

ControlObject& ObjectOf(DualInterface* self) { return *self->object; }

template <std::size_t Index>
struct SlotThunk {
  static constexpr DualSlot kSlot = kDualSlots[Index];
  static constexpr const Member& kMember = SlotMember(kSlot);
  using Value = SlotType<kMember.type>;

  static HRESULT STDMETHODCALLTYPE Get(DualInterface* self, Value* out) {
    if (out == nullptr) return E_POINTER;
    *out = Value{};
    ControlObject& object = ObjectOf(self);
    return Reported([&] {
      ComVariant value;
      ResultValue(object.Control().GetProperty(kMember.dispatchId), value.Put(), object.Fonts());
      *out = Unwrapped<kMember.type>(value);
    });
  }

  static HRESULT STDMETHODCALLTYPE Put(DualInterface* self, Value value) {
    ControlObject& object = ObjectOf(self);
    return Reported([&] {
      const Variant argument =
          ArgumentValue(Wrapped<kMember.type>(value), kMember.type, object.Fonts());
      object.Control().PutProperty(kMember.dispatchId, argument,
                                   kSlot.kind == SlotKind::Set ? PutKind::Set : PutKind::Let);
    });
  }

  template <std::size_t... P>
  static HRESULT STDMETHODCALLTYPE Method(DualInterface* self,
                                          SlotType<kMember.parameters[P].type>... values) {
    ControlObject& object = ObjectOf(self);
    return Reported([&] {
      const Variant arguments[] = {
          Variant(),  // keeps the array non-empty for a method without parameters
          ArgumentValue(Wrapped<kMember.parameters[P].type>(values), kMember.parameters[P].type,
                        object.Fonts())...};
      object.Control().Invoke(kMember.dispatchId, std::span<const Variant>(arguments).subspan(1));
    });
  }

  template <std::size_t... P>
  static VtableEntry MethodEntry(std::index_sequence<P...>) {
    return reinterpret_cast<VtableEntry>(&Method<P...>);
  }

  static VtableEntry Entry() {
    if constexpr (kSlot.kind == SlotKind::Get) {
      return reinterpret_cast<VtableEntry>(&Get);
    } else if constexpr (kSlot.kind == SlotKind::Method) {
      return MethodEntry(std::make_index_sequence<kMember.parameters.size()>());
    } else {
      return reinterpret_cast<VtableEntry>(&Put);
    }
  }
};

// IUnknown and IDispatch, the first seven slots.
HRESULT STDMETHODCALLTYPE QueryInterface(DualInterface* self, REFIID iid, void** out) {
  return IdentityOf(ObjectOf(self)).QueryInterface(iid, out);
}
ULONG STDMETHODCALLTYPE AddRef(DualInterface* self) { return IdentityOf(ObjectOf(self)).AddRef(); }
ULONG STDMETHODCALLTYPE Release(DualInterface* self) {
  return IdentityOf(ObjectOf(self)).Release();
}
HRESULT STDMETHODCALLTYPE GetTypeInfoCount(DualInterface*, UINT* count) {
  return DispatchTypeInfoCount(count);
}
HRESULT STDMETHODCALLTYPE GetTypeInfo(DualInterface* self, UINT index, LCID, ITypeInfo** out) {
  return DispatchTypeInfo(ObjectOf(self), index, out);
}
HRESULT STDMETHODCALLTYPE GetIDsOfNames(DualInterface*, REFIID iid, LPOLESTR* names, UINT count,
                                        LCID, DISPID* ids) {
  return DispatchIdsOfNames(iid, names, count, ids);
}
HRESULT STDMETHODCALLTYPE Invoke(DualInterface* self, DISPID id, REFIID iid, LCID, WORD flags,
                                 DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                 UINT* argumentError) {
  return DispatchInvoke(ObjectOf(self), id, iid, flags, parameters, result, exception,
                        argumentError);
}

template <typename Function>
VtableEntry Entry(Function function) {
  return reinterpret_cast<VtableEntry>(function);
}

template <std::size_t... Index>
const VtableEntry* MakeVtable(std::index_sequence<Index...>) {
  static const VtableEntry table[] = {
      Entry(&QueryInterface), Entry(&AddRef),        Entry(&Release), Entry(&GetTypeInfoCount),
      Entry(&GetTypeInfo),    Entry(&GetIDsOfNames), Entry(&Invoke),  SlotThunk<Index>::Entry()...};
  static_assert(std::size(table) == kDispatchSlots + kDualSlots.size());
  return table;
}

}  // namespace

const VtableEntry* DualVtable() {
  static const VtableEntry* const table = MakeVtable(std::make_index_sequence<kDualSlots.size()>());
  return table;
}

}  // namespace kovra::activex
