#include "activex/control_facets.h"

#include <olectl.h>

#include <array>
#include <string>

#include "activex/com_error.h"
#include "activex/control_object.h"
#include "activex/identifiers.h"
#include "activex/registration_table.h"
#include "activex/view_object_facet.h"

namespace kovra::activex {
namespace {

constexpr DWORD kSafeFor = INTERFACESAFE_FOR_UNTRUSTED_CALLER | INTERFACESAFE_FOR_UNTRUSTED_DATA;

// The pages in the order the designer shows them: the control's own three, then the system's
// colour, font and picture pages.
std::array<CLSID, 6> PageClasses() {
  return {kPages[0].pageClass.id, kPages[1].pageClass.id, kPages[2].pageClass.id,
          kStandardPages[0].id,   kStandardPages[1].id,   kStandardPages[2].id};
}

bool Answers(ControlObject& object, REFIID iid) {
  ComPtr<IUnknown> answer;
  return SUCCEEDED(IdentityOf(object).QueryInterface(iid, answer.PutVoid()));
}

// Connects `sink` to the connection point for `iid`; 0 when it cannot.
DWORD Connect(ConnectionPoint& point, IUnknown* sink) {
  DWORD cookie = 0;
  if (sink == nullptr || FAILED(point.Advise(sink, &cookie))) return 0;
  return cookie;
}

}  // namespace

HRESULT ShowPropertyPages(ControlObject& object) {
  Embedding& embedding = object.Embedded();
  if (IOleControlSite* site = embedding.ControlSite()) {
    if (site->ShowPropertyFrame() == S_OK) return S_OK;  // the container's own frame
  }
  std::array<CLSID, 6> classes = PageClasses();
  IUnknown* objects[] = {&IdentityOf(object)};
  embedding.EnableModeless(false);
  const HRESULT shown = ::OleCreatePropertyFrame(
      embedding.DialogOwner(), 0, 0, std::wstring(kControlClass.name).c_str(), 1, objects,
      static_cast<ULONG>(classes.size()), classes.data(), LOCALE_USER_DEFAULT, 0, nullptr);
  embedding.EnableModeless(true);
  return shown;
}

HRESULT STDMETHODCALLTYPE OleControlFacet::GetControlInfo(CONTROLINFO* info) {
  if (info == nullptr) return E_POINTER;
  if (info->cb < sizeof(CONTROLINFO)) return E_INVALIDARG;
  info->hAccel = nullptr;  // no mnemonics: Tab, Enter and Escape stay the container's
  info->cAccel = 0;
  info->dwFlags = 0;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE OleControlFacet::OnMnemonic(MSG*) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE OleControlFacet::OnAmbientPropertyChange(DISPID id) {
  return Guarded([&] {
    // Design and run time draw a disabled control differently; the control's font is its own
    // once it is placed, so a new ambient font changes nothing already shown.
    if ((id == DISPID_AMBIENT_USERMODE || id == DISPID_UNKNOWN) &&
        object_.GetOrigin() != ControlObject::Origin::None) {
      object_.Existing().UserControl_Resize();
    }
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE OleControlFacet::FreezeEvents(BOOL freeze) {
  return Guarded([&] {
    object_.Site().FreezeEvents(freeze != FALSE);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE QuickActivateFacet::QuickActivate(QACONTAINER* container,
                                                            QACONTROL* control) {
  if (container == nullptr || control == nullptr) return E_POINTER;
  if (container->cbSize < sizeof(QACONTAINER) || control->cbSize < sizeof(QACONTROL)) {
    return E_INVALIDARG;
  }
  return Guarded([&] {
    object_.Embedded().SetClientSite(container->pClientSite);
    if (container->pAdviseSink != nullptr) {
      object_.View().SetAdvise(DVASPECT_CONTENT, 0, container->pAdviseSink);
    }
    ConnectionPointContainerFacet& points = object_.Connections();
    control->dwPropNotifyCookie = Connect(points.Notifications(), container->pPropertyNotifySink);
    control->dwEventCookie = Connect(points.Events(), container->pUnkEventSink);
    control->dwMiscStatus = MiscStatus();
    control->dwViewStatus = kViewStatus;
    control->dwPointerActivationPolicy = 0;
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE QuickActivateFacet::SetContentExtent(LPSIZEL size) {
  if (size == nullptr) return E_POINTER;
  return Guarded([&] {
    object_.Embedded().SetExtent(*size);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE QuickActivateFacet::GetContentExtent(LPSIZEL size) {
  if (size == nullptr) return E_POINTER;
  return Guarded([&] {
    *size = object_.Embedded().Extent();
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE PropertyPagesFacet::GetPages(CAUUID* pages) {
  if (pages == nullptr) return E_POINTER;
  const std::array<CLSID, 6> classes = PageClasses();
  pages->pElems = static_cast<GUID*>(::CoTaskMemAlloc(sizeof(GUID) * classes.size()));
  if (pages->pElems == nullptr) {
    pages->cElems = 0;
    return E_OUTOFMEMORY;
  }
  pages->cElems = static_cast<ULONG>(classes.size());
  for (std::size_t i = 0; i < classes.size(); ++i) pages->pElems[i] = classes[i];
  return S_OK;
}

HRESULT STDMETHODCALLTYPE ObjectSafetyFacet::GetInterfaceSafetyOptions(REFIID iid, DWORD* supported,
                                                                       DWORD* enabled) {
  if (supported == nullptr || enabled == nullptr) return E_POINTER;
  *supported = *enabled = 0;
  if (!Answers(object_, iid)) return E_NOINTERFACE;
  *supported = kSafeFor;
  *enabled = enabled_;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE ObjectSafetyFacet::SetInterfaceSafetyOptions(REFIID iid, DWORD mask,
                                                                       DWORD enabled) {
  if (!Answers(object_, iid)) return E_NOINTERFACE;
  if ((mask & ~kSafeFor) != 0) return E_FAIL;
  enabled_ = (enabled_ & ~mask) | (enabled & mask);
  return S_OK;
}

}  // namespace kovra::activex
