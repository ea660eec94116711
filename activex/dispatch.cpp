#include "activex/dispatch.h"

#include <optional>
#include <vector>

#include "activex/automation_error.h"
#include "activex/com_error.h"
#include "activex/control_object.h"
#include "activex/identifiers.h"
#include "activex/value_bridge.h"
#include "base/visit_helpers.h"
#include "control/kovra_double.h"

namespace kovra::activex {
namespace {

// A failure a caller can point at: the argument (its place in rgvarg) that caused it.
struct ArgumentFailure {
  HRESULT result;
  UINT argument;
};

// The value of rgvarg[index] for a destination of `type`; a VARIANT it cannot take names the
// argument.
Variant ArgumentAt(const DISPPARAMS& parameters, UINT index, ValueType type, FontLink& fonts) {
  try {
    return ArgumentValue(parameters.rgvarg[index], type, fonts);
  } catch (const ComError& error) {
    throw ArgumentFailure{error.result(), index};
  }
}

bool IsMissing(const VARIANT& value) {
  return value.vt == VT_ERROR && value.scode == DISP_E_PARAMNOTFOUND;
}

// A method's arguments in the order of its parameters, from positional (last first in rgvarg)
// and named arguments.
std::vector<Variant> MethodArguments(const Member& member, const DISPPARAMS& parameters,
                                     FontLink& fonts) {
  const std::size_t count = member.parameters.size();
  if (parameters.cArgs > count) throw ArgumentFailure{DISP_E_BADPARAMCOUNT, 0};
  std::vector<std::optional<UINT>> source(count);  // the rgvarg index of each parameter
  for (UINT i = 0; i < parameters.cNamedArgs; ++i) {
    const DISPID named = parameters.rgdispidNamedArgs[i];
    if (named < 0 || static_cast<std::size_t>(named) >= count || source[named]) {
      throw ArgumentFailure{DISP_E_PARAMNOTFOUND, i};
    }
    source[named] = i;
  }
  const UINT positional = parameters.cArgs - parameters.cNamedArgs;
  for (UINT p = 0; p < positional; ++p) {
    if (source[p]) throw ArgumentFailure{DISP_E_PARAMNOTFOUND, parameters.cArgs - 1 - p};
    source[p] = parameters.cArgs - 1 - p;
  }
  std::vector<Variant> arguments;
  for (std::size_t p = 0; p < count; ++p) {
    if (!source[p] || IsMissing(parameters.rgvarg[*source[p]])) {
      throw ArgumentFailure{DISP_E_PARAMNOTOPTIONAL, 0};
    }
    arguments.push_back(ArgumentAt(parameters, *source[p], member.parameters[p].type, fonts));
  }
  return arguments;
}

// The new value of a property put: one argument, named DISPID_PROPERTYPUT when it is named.
Variant PutArgument(const Member& member, const DISPPARAMS& parameters, FontLink& fonts) {
  if (parameters.cArgs != 1) throw ArgumentFailure{DISP_E_BADPARAMCOUNT, 0};
  if (parameters.cNamedArgs > 1 ||
      (parameters.cNamedArgs == 1 && parameters.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)) {
    throw ArgumentFailure{DISP_E_PARAMNOTFOUND, 0};
  }
  return ArgumentAt(parameters, 0, member.type, fonts);
}

constexpr WORD kPut = DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF;

// Carries out the call; false when the member is not reached the way `flags` asks.
bool Call(ControlObject& object, const Member& member, WORD flags, const DISPPARAMS& parameters,
          VARIANT* result) {
  FontLink& fonts = object.Fonts();
  if ((flags & kPut) != 0) {
    if (member.IsMethod()) return false;
    // A set by reference where the member has one; a let otherwise (a client that cannot tell
    // which it wants sends both flags).
    const bool set = (flags & DISPATCH_PROPERTYPUTREF) != 0 && (member.access & kSet) != 0;
    const Variant value = PutArgument(member, parameters, fonts);
    object.Control().PutProperty(member.dispatchId, value, set ? PutKind::Set : PutKind::Let);
    return true;
  }
  if (member.IsMethod()) {
    if ((flags & DISPATCH_METHOD) == 0) return false;
    const std::vector<Variant> arguments = MethodArguments(member, parameters, fonts);
    object.Control().Invoke(member.dispatchId, arguments);
    return true;
  }
  if ((flags & DISPATCH_PROPERTYGET) == 0) return false;
  if (parameters.cArgs != 0) throw ArgumentFailure{DISP_E_BADPARAMCOUNT, 0};
  const Variant value = object.Control().GetProperty(member.dispatchId);
  if (result != nullptr) ResultValue(value, result, fonts);
  return true;
}

bool WellFormed(const DISPPARAMS* parameters) {
  return parameters != nullptr && parameters->cNamedArgs <= parameters->cArgs &&
         (parameters->cArgs == 0 || parameters->rgvarg != nullptr) &&
         (parameters->cNamedArgs == 0 || parameters->rgdispidNamedArgs != nullptr);
}

}  // namespace

HRESULT DispatchTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 1;
  return S_OK;
}

HRESULT DispatchTypeInfo(ControlObject& object, UINT index, ITypeInfo** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  return Guarded([&] {
    return object.Share()
        .TypeOf(kControlInterface.id)
        .CopyTo(IID_ITypeInfo, reinterpret_cast<void**>(out));
  });
}

HRESULT DispatchIdsOfNames(REFIID iid, LPOLESTR* names, UINT count, DISPID* ids) {
  if (!::IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  if (count == 0) return S_OK;
  if (names == nullptr || ids == nullptr) return E_POINTER;
  for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  if (names[0] == nullptr) return DISP_E_UNKNOWNNAME;
  const Member* member = FindMember(std::wstring_view(names[0]));
  if (member == nullptr) return DISP_E_UNKNOWNNAME;
  ids[0] = member->dispatchId;
  HRESULT result = S_OK;
  // The names after the first are the member's parameters, numbered by their position.
  for (UINT i = 1; i < count; ++i) {
    for (std::size_t p = 0; p < member->parameters.size() && names[i] != nullptr; ++p) {
      if (EqualsIgnoringCase(member->parameters[p].name, names[i])) ids[i] = static_cast<DISPID>(p);
    }
    if (ids[i] == DISPID_UNKNOWN) result = DISP_E_UNKNOWNNAME;
  }
  return result;
}

HRESULT DispatchInvoke(ControlObject& object, DISPID id, REFIID iid, WORD flags,
                       DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                       UINT* argumentError) {
  if (!::IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  if (!WellFormed(parameters)) return E_INVALIDARG;
  if (result != nullptr) ::VariantInit(result);
  const Member* member = FindMember(static_cast<std::int32_t>(id));
  if (member == nullptr) return DISP_E_MEMBERNOTFOUND;
  try {
    return Call(object, *member, flags, *parameters, result) ? S_OK : DISP_E_MEMBERNOTFOUND;
  } catch (const ArgumentFailure& failure) {
    if (argumentError != nullptr) *argumentError = failure.argument;
    return failure.result;
  } catch (...) {
    const Failure failure = CurrentFailure();
    Publish(failure);
    if (!failure.controlError) return failure.result;
    Describe(failure, exception);
    return DISP_E_EXCEPTION;
  }
}

}  // namespace kovra::activex
