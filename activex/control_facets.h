// What a container asks of a control beyond embedding it: IOleControl (its keyboard
// information, ambient properties that changed, events frozen while the container is not ready
// for them), IQuickActivate (the site, sinks and extent in one call), ISpecifyPropertyPages
// (its six pages in the order the designer shows them) and IObjectSafety (safe for scripting
// and for initialising from persisted data: every value it is given is checked).
#pragma once

#include <objsafe.h>
#include <ocidl.h>

#include "activex/facet.h"

namespace kovra::activex {

// Shows the control's property pages: the container's own frame when its site offers one,
// otherwise the system's frame with the six pages, owned by the container's window.
HRESULT ShowPropertyPages(ControlObject& object);

class OleControlFacet final : public Facet<IOleControl> {
 public:
  using Facet::Facet;
  HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO* info) override;
  HRESULT STDMETHODCALLTYPE OnMnemonic(MSG* message) override;
  HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID id) override;
  HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL freeze) override;
};

class QuickActivateFacet final : public Facet<IQuickActivate> {
 public:
  using Facet::Facet;
  HRESULT STDMETHODCALLTYPE QuickActivate(QACONTAINER* container, QACONTROL* control) override;
  HRESULT STDMETHODCALLTYPE SetContentExtent(LPSIZEL size) override;
  HRESULT STDMETHODCALLTYPE GetContentExtent(LPSIZEL size) override;
};

class PropertyPagesFacet final : public Facet<ISpecifyPropertyPages> {
 public:
  using Facet::Facet;
  HRESULT STDMETHODCALLTYPE GetPages(CAUUID* pages) override;
};

class ObjectSafetyFacet final : public Facet<IObjectSafety> {
 public:
  using Facet::Facet;
  HRESULT STDMETHODCALLTYPE GetInterfaceSafetyOptions(REFIID iid, DWORD* supported,
                                                      DWORD* enabled) override;
  HRESULT STDMETHODCALLTYPE SetInterfaceSafetyOptions(REFIID iid, DWORD mask,
                                                      DWORD enabled) override;

 private:
  DWORD enabled_ = 0;
};

}  // namespace kovra::activex
