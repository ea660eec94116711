#include "activex/class_info_facets.h"

#include "activex/com_error.h"
#include "activex/control_object.h"
#include "activex/identifiers.h"

namespace kovra::activex {

HRESULT STDMETHODCALLTYPE ClassInfoFacet::GetClassInfo(ITypeInfo** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  return Guarded([&] {
    return object_.Share()
        .TypeOf(kControlClass.id)
        .CopyTo(IID_ITypeInfo, reinterpret_cast<void**>(out));
  });
}

HRESULT STDMETHODCALLTYPE ClassInfoFacet::GetGUID(DWORD kind, GUID* id) {
  if (id == nullptr) return E_POINTER;
  *id = GUID_NULL;
  if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
  *id = kEventInterface.id;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE ErrorInfoFacet::InterfaceSupportsErrorInfo(REFIID iid) {
  return ::IsEqualIID(iid, kControlInterface.id) || ::IsEqualIID(iid, IID_IDispatch) ? S_OK
                                                                                     : S_FALSE;
}

}  // namespace kovra::activex
