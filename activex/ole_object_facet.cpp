#include "activex/ole_object_facet.h"

#include "activex/com_error.h"
#include "activex/control_facets.h"
#include "activex/control_object.h"
#include "activex/identifiers.h"
#include "activex/registration_table.h"

namespace kovra::activex {

HRESULT STDMETHODCALLTYPE OleObjectFacet::SetClientSite(IOleClientSite* site) {
  return Guarded([&] {
    object_.Embedded().SetClientSite(site);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE OleObjectFacet::GetClientSite(IOleClientSite** site) {
  if (site == nullptr) return E_POINTER;
  *site = object_.Embedded().ClientSite();
  if (*site != nullptr) (*site)->AddRef();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE OleObjectFacet::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

HRESULT STDMETHODCALLTYPE OleObjectFacet::Close(DWORD saveOption) {
  return Guarded([&] {
    const ComPtr<IUnknown> keep(&IdentityOf(object_));  // a sink may let the last reference go
    Embedding& embedding = object_.Embedded();
    if (saveOption != OLECLOSE_NOSAVE && object_.Dirty() && embedding.ClientSite() != nullptr) {
      embedding.ClientSite()->SaveObject();
    }
    embedding.DeactivateInPlace();
    if (adviseHolder_) adviseHolder_->SendOnClose();
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE OleObjectFacet::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE OleObjectFacet::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker != nullptr) *moniker = nullptr;
  return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE OleObjectFacet::InitFromData(IDataObject*, BOOL, DWORD) {
  return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE OleObjectFacet::GetClipboardData(DWORD, IDataObject** data) {
  if (data != nullptr) *data = nullptr;
  return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE OleObjectFacet::DoVerb(LONG verb, LPMSG, IOleClientSite* activeSite, LONG,
                                                 HWND, LPCRECT place) {
  return Guarded([&]() -> HRESULT {
    Embedding& embedding = object_.Embedded();
    switch (verb) {
      case OLEIVERB_PRIMARY:
      case OLEIVERB_UIACTIVATE:
        return embedding.ActivateUserInterface(activeSite, place);
      case OLEIVERB_SHOW:
      case OLEIVERB_INPLACEACTIVATE: {
        const HRESULT result = embedding.ActivateInPlace(activeSite, place);
        if (SUCCEEDED(result)) embedding.Show(true);
        return result;
      }
      case OLEIVERB_HIDE:
        embedding.DeactivateUserInterface();
        embedding.Show(false);
        return S_OK;
      case OLEIVERB_DISCARDUNDOSTATE:
        return S_OK;
      case OLEIVERB_PROPERTIES:
        return ShowPropertyPages(object_);
      case OLEIVERB_OPEN:
        return E_NOTIMPL;  // no window of its own to open in
      default:
        if (verb < 0) return E_NOTIMPL;
        // A verb the control does not list: the primary one, and the caller is told.
        const HRESULT result = embedding.ActivateUserInterface(activeSite, place);
        return FAILED(result) ? result : OLEOBJ_S_INVALIDVERB;
    }
  });
}

HRESULT STDMETHODCALLTYPE OleObjectFacet::EnumVerbs(IEnumOLEVERB** verbs) {
  if (verbs == nullptr) return E_POINTER;
  return ::OleRegEnumVerbs(kControlClass.id, verbs);
}

HRESULT STDMETHODCALLTYPE OleObjectFacet::Update() { return S_OK; }

HRESULT STDMETHODCALLTYPE OleObjectFacet::IsUpToDate() { return S_OK; }

HRESULT STDMETHODCALLTYPE OleObjectFacet::GetUserClassID(CLSID* id) {
  if (id == nullptr) return E_POINTER;
  *id = kControlClass.id;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE OleObjectFacet::GetUserType(DWORD, LPOLESTR* name) {
  if (name != nullptr) *name = nullptr;
  return OLE_S_USEREG;
}

HRESULT STDMETHODCALLTYPE OleObjectFacet::SetExtent(DWORD aspect, SIZEL* size) {
  if (size == nullptr) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  return Guarded([&] {
    object_.Embedded().SetExtent(*size);
    object_.ViewChanged();
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE OleObjectFacet::GetExtent(DWORD aspect, SIZEL* size) {
  if (size == nullptr) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  return Guarded([&] {
    *size = object_.Embedded().Extent();
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE OleObjectFacet::Advise(IAdviseSink* sink, DWORD* connection) {
  if (connection == nullptr) return E_POINTER;
  *connection = 0;
  if (!adviseHolder_) {
    if (const HRESULT made = ::CreateOleAdviseHolder(adviseHolder_.Put()); FAILED(made)) {
      return made;
    }
  }
  return adviseHolder_->Advise(sink, connection);
}

HRESULT STDMETHODCALLTYPE OleObjectFacet::Unadvise(DWORD connection) {
  return adviseHolder_ ? adviseHolder_->Unadvise(connection) : OLE_E_NOCONNECTION;
}

HRESULT STDMETHODCALLTYPE OleObjectFacet::EnumAdvise(IEnumSTATDATA** advises) {
  if (advises == nullptr) return E_POINTER;
  *advises = nullptr;
  return adviseHolder_ ? adviseHolder_->EnumAdvise(advises) : E_FAIL;
}

HRESULT STDMETHODCALLTYPE OleObjectFacet::GetMiscStatus(DWORD, DWORD* status) {
  if (status == nullptr) return E_POINTER;
  *status = MiscStatus();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE OleObjectFacet::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }

}  // namespace kovra::activex
