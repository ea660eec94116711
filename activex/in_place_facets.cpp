#include "activex/in_place_facets.h"

#include "activex/com_error.h"
#include "activex/control_object.h"
#include "activex/key_routing.h"
#include "platform/win32/handles.h"

namespace kovra::activex {

HRESULT ControlWindow(ControlObject& object, HWND* window) {
  if (window == nullptr) return E_POINTER;
  *window = nullptr;
  if (!object.Embedded().InPlaceActive()) return E_FAIL;
  *window = win32::FromWindowId(object.Existing().UserControl().WindowHandle());
  return S_OK;
}

HRESULT STDMETHODCALLTYPE InPlaceObjectFacet::GetWindow(HWND* window) {
  return ControlWindow(object_, window);
}

HRESULT STDMETHODCALLTYPE InPlaceObjectFacet::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE InPlaceObjectFacet::InPlaceDeactivate() {
  return Guarded([&] { return object_.Embedded().DeactivateInPlace(); });
}

HRESULT STDMETHODCALLTYPE InPlaceObjectFacet::UIDeactivate() {
  return Guarded([&] { return object_.Embedded().DeactivateUserInterface(); });
}

HRESULT STDMETHODCALLTYPE InPlaceObjectFacet::SetObjectRects(LPCRECT place, LPCRECT clip) {
  return Guarded([&] { return object_.Embedded().SetObjectRects(place, clip); });
}

HRESULT STDMETHODCALLTYPE InPlaceObjectFacet::ReactivateAndUndo() { return INPLACE_E_NOTUNDOABLE; }

HRESULT STDMETHODCALLTYPE InPlaceActiveObjectFacet::GetWindow(HWND* window) {
  return ControlWindow(object_, window);
}

HRESULT STDMETHODCALLTYPE InPlaceActiveObjectFacet::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE InPlaceActiveObjectFacet::TranslateAccelerator(LPMSG message) {
  if (message == nullptr) return E_POINTER;
  return Guarded([&]() -> HRESULT {
    Embedding& embedding = object_.Embedded();
    if (!embedding.InPlaceActive()) return S_FALSE;
    const DWORD modifiers = HeldModifiers();
    switch (RouteOfKey(*message, modifiers)) {
      case KeyRoute::Text1: {
        MSG toText1 = *message;
        toText1.hwnd = win32::FromWindowId(object_.Existing().Text1().WindowHandle());
        ::TranslateMessage(&toText1);
        ::DispatchMessageW(&toText1);
        return S_OK;
      }
      case KeyRoute::Container:
        if (IOleControlSite* site = embedding.ControlSite()) {
          if (site->TranslateAccelerator(message, modifiers) == S_OK) return S_OK;
        }
        return S_FALSE;
      case KeyRoute::AsUsual:
        return S_FALSE;
    }
    return S_FALSE;
  });
}

HRESULT STDMETHODCALLTYPE InPlaceActiveObjectFacet::OnFrameWindowActivate(BOOL) { return S_OK; }

HRESULT STDMETHODCALLTYPE InPlaceActiveObjectFacet::OnDocWindowActivate(BOOL) { return S_OK; }

HRESULT STDMETHODCALLTYPE InPlaceActiveObjectFacet::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*,
                                                                 BOOL) {
  return S_OK;  // the control puts no tools on the container's borders
}

HRESULT STDMETHODCALLTYPE InPlaceActiveObjectFacet::EnableModeless(BOOL) { return S_OK; }

}  // namespace kovra::activex
