// The parts of the test container that a control talks to: the frame (the form's top-level
// window: active object, modeless state) and one site per control (client site, in-place site,
// control site, ambient properties and the extender). Each keeps a log of what the control told
// it, in order, so that a test reads the conversation.
#pragma once

#include <ocidl.h>
#include <olectl.h>

#include <optional>
#include <string>
#include <vector>

#include "activex/com_object.h"
#include "activex/untyped_dispatch.h"

namespace kovra::container {

class FormFrame final : public activex::ComObject<FormFrame, IOleInPlaceFrame> {
 public:
  static std::span<const activex::InterfaceEntry<FormFrame>> Interfaces();
  explicit FormFrame(HWND window) : window_(window) {}

  std::vector<std::wstring> log;
  activex::ComPtr<IOleInPlaceActiveObject> active;

  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
  HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override {
    return INPLACE_E_NOTOOLSPACE;
  }
  HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) override;
  HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL enable) override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

 private:
  HWND window_;
};

// What a site is told and what it answers.
struct SitePolicy {
  bool userMode = true;
  std::wstring toolTipText = L"A number";
  std::wstring fontName = L"Courier New";
  // The height the site grants when the control asks for another place (empty: what it asks).
  std::optional<int> grantedHeight;
};

class FormSite final : public activex::ComObject<FormSite, IOleClientSite, IOleInPlaceSite,
                                                 IOleControlSite, activex::UntypedDispatch<>> {
 public:
  static std::span<const activex::InterfaceEntry<FormSite>> Interfaces();
  FormSite(HWND form, FormFrame& frame, const SitePolicy& policy, RECT place);

  std::vector<std::wstring> log;
  SitePolicy policy;
  RECT place;
  int toolTipReads = 0;
  // The sites of the form, so that the one that becomes UI-active deactivates the others.
  const std::vector<activex::ComPtr<FormSite>>* siblings = nullptr;
  activex::ComPtr<IOleObject> control;  // set by the form once the control has its site
  bool uiActive = false;

  // IOleClientSite
  HRESULT STDMETHODCALLTYPE SaveObject() override;
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override;
  HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }
  // IOleInPlaceSite
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override;
  HRESULT STDMETHODCALLTYPE OnUIActivate() override;
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** ui,
                                             LPRECT place, LPRECT clip,
                                             LPOLEINPLACEFRAMEINFO info) override;
  HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override;
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override;
  HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT wanted) override;
  // IOleControlSite
  HRESULT STDMETHODCALLTYPE OnControlInfoChanged() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE LockInPlaceActive(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetExtendedControl(IDispatch** extender) override;
  HRESULT STDMETHODCALLTYPE TransformCoords(POINTL*, POINTF*, DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG* message, DWORD modifiers) override;
  HRESULT STDMETHODCALLTYPE OnFocus(BOOL gained) override;
  HRESULT STDMETHODCALLTYPE ShowPropertyFrame() override { return E_NOTIMPL; }
  // IDispatch: the ambient properties UserMode and Font.
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*,
                                   VARIANT* result, EXCEPINFO*, UINT*) override;

 private:
  HWND form_;
  FormFrame& frame_;
};

}  // namespace kovra::container
