// IDispatch, or an interface built on it, for an object that describes none of its members:
// event sinks, sites and accessible objects that their callers reach by dispatch identifier.
// It offers no type information and knows no names; an object that answers some names itself
// overrides GetIDsOfNames. The object still writes Invoke.
//
//   class Sink final : public ComObject<Sink, UntypedDispatch<>> { ... Invoke ... };
//
// answers IUnknown and IDispatch.
#pragma once

#include <oaidl.h>

namespace kovra::activex {

template <typename Interface = IDispatch>
class UntypedDispatch : public Interface {
 public:
  // The interface an object's interface table answers with this base.
  using Answered = Interface;

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info != nullptr) *info = nullptr;
    return DISP_E_BADINDEX;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID,
                                          DISPID* ids) override {
    for (UINT i = 0; ids != nullptr && i < count; ++i) ids[i] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
  }
};

}  // namespace kovra::activex
