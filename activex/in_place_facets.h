// The control active in place: IOleInPlaceObject (its window, its place and clip rectangles,
// deactivation in place and in the user interface) and IOleInPlaceActiveObject (the keys the
// container's message loop offers it first). Both answer IOleWindow with the control's window.
#pragma once

#include <ole2.h>

#include "activex/facet.h"

namespace kovra::activex {

class InPlaceObjectFacet final : public Facet<IOleInPlaceObject> {
 public:
  using Facet::Facet;
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override;
  HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override;
  HRESULT STDMETHODCALLTYPE UIDeactivate() override;
  HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT place, LPCRECT clip) override;
  HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override;
};

class InPlaceActiveObjectFacet final : public Facet<IOleInPlaceActiveObject> {
 public:
  using Facet::Facet;
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override;
  // A key of Text1's goes to Text1 (S_OK: the container does nothing more with it); Tab, Enter
  // and Escape are offered to the site, and otherwise left to the container (S_FALSE).
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG message) override;
  HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL active) override;
  HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL active) override;
  HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window,
                                         BOOL frame) override;
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL enable) override;
};

// The control's window for IOleWindow::GetWindow: E_FAIL while it is not active in place.
HRESULT ControlWindow(ControlObject& object, HWND* window);

}  // namespace kovra::activex
