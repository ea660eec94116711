// What the control object says about itself: its class description with the default event
// interface (IProvideClassInfo2), and that its dual interface reports errors through the
// thread's error information (ISupportErrorInfo).
#pragma once

#include <ocidl.h>

#include "activex/facet.h"

namespace kovra::activex {

class ClassInfoFacet final : public Facet<IProvideClassInfo2> {
 public:
  using Facet::Facet;
  HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** out) override;
  HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* id) override;
};

class ErrorInfoFacet final : public Facet<ISupportErrorInfo> {
 public:
  using Facet::Facet;
  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override;
};

}  // namespace kovra::activex
