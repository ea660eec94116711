#include "tools/container/form_site.h"

#include <oleauto.h>

#include <string>

#include "activex/com_values.h"

namespace kovra::container {
namespace {

using activex::Answers;
using activex::ComPtr;
using activex::InterfaceEntry;

std::wstring RectText(const RECT& r) {
  return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," + std::to_wstring(r.right) +
         L"," + std::to_wstring(r.bottom);
}

// The extender: the container's own properties of a placed control; here only ToolTipText.
class Extender final : public activex::ComObject<Extender, activex::UntypedDispatch<>> {
 public:
  explicit Extender(FormSite& site) : site_(ComPtr<FormSite>(&site)) {}
  static constexpr DISPID kToolTipText = 1;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override {
    if (count != 1 || ::lstrcmpiW(names[0], L"ToolTipText") != 0) return DISP_E_UNKNOWNNAME;
    ids[0] = kToolTipText;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*,
                                   VARIANT* result, EXCEPINFO*, UINT*) override {
    if (id != kToolTipText || (flags & DISPATCH_PROPERTYGET) == 0) return DISP_E_MEMBERNOTFOUND;
    ++site_->toolTipReads;
    if (result != nullptr) {
      result->vt = VT_BSTR;
      result->bstrVal = ::SysAllocString(site_->policy.toolTipText.c_str());
    }
    return S_OK;
  }

 private:
  ComPtr<FormSite> site_;
};

}  // namespace

std::span<const InterfaceEntry<FormFrame>> FormFrame::Interfaces() {
  static const InterfaceEntry<FormFrame> rows[] = {
      Answers<FormFrame, IOleInPlaceFrame>(),
      Answers<FormFrame, IOleInPlaceUIWindow, IOleInPlaceFrame>(),
      Answers<FormFrame, IOleWindow, IOleInPlaceFrame>()};
  return rows;
}

HRESULT STDMETHODCALLTYPE FormFrame::GetWindow(HWND* window) {
  *window = window_;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE FormFrame::SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) {
  active = ComPtr<IOleInPlaceActiveObject>(object);
  log.push_back(object != nullptr ? L"SetActiveObject" : L"SetActiveObject(none)");
  return S_OK;
}

HRESULT STDMETHODCALLTYPE FormFrame::EnableModeless(BOOL enable) {
  log.push_back(L"EnableModeless(" + std::to_wstring(enable) + L")");
  return S_OK;
}

std::span<const InterfaceEntry<FormSite>> FormSite::Interfaces() {
  using S = FormSite;
  static const InterfaceEntry<S> rows[] = {Answers<S, IOleClientSite>(),
                                           Answers<S, IOleInPlaceSite>(),
                                           Answers<S, IOleWindow, IOleInPlaceSite>(),
                                           Answers<S, IOleControlSite>(), Answers<S, IDispatch>()};
  return rows;
}

FormSite::FormSite(HWND form, FormFrame& frame, const SitePolicy& p, RECT r)
    : policy(p), place(r), form_(form), frame_(frame) {}

HRESULT STDMETHODCALLTYPE FormSite::SaveObject() {
  log.push_back(L"SaveObject");
  return S_OK;
}

HRESULT STDMETHODCALLTYPE FormSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  *moniker = nullptr;
  return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE FormSite::GetContainer(IOleContainer** container) {
  *container = nullptr;
  return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE FormSite::GetWindow(HWND* window) {
  *window = form_;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE FormSite::OnInPlaceActivate() {
  log.push_back(L"OnInPlaceActivate");
  return S_OK;
}

HRESULT STDMETHODCALLTYPE FormSite::OnUIActivate() {
  log.push_back(L"OnUIActivate");
  // One control of a form is UI-active at a time: the one before gives way.
  if (siblings != nullptr) {
    for (const ComPtr<FormSite>& other : *siblings) {
      if (other.get() != this && other->uiActive && other->control) {
        if (auto object = other->control.As<IOleInPlaceObject>()) object->UIDeactivate();
      }
    }
  }
  uiActive = true;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE FormSite::GetWindowContext(IOleInPlaceFrame** frame,
                                                     IOleInPlaceUIWindow** ui, LPRECT r,
                                                     LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
  frame_.AddRef();
  *frame = &frame_;
  *ui = nullptr;
  *r = place;
  ::GetClientRect(form_, clip);
  info->fMDIApp = FALSE;
  info->hwndFrame = form_;
  info->haccel = nullptr;
  info->cAccelEntries = 0;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE FormSite::OnUIDeactivate(BOOL) {
  log.push_back(L"OnUIDeactivate");
  uiActive = false;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE FormSite::OnInPlaceDeactivate() {
  log.push_back(L"OnInPlaceDeactivate");
  return S_OK;
}

HRESULT STDMETHODCALLTYPE FormSite::OnPosRectChange(LPCRECT wanted) {
  log.push_back(L"OnPosRectChange(" + RectText(*wanted) + L")");
  RECT granted = *wanted;
  if (policy.grantedHeight) granted.bottom = granted.top + *policy.grantedHeight;
  place = granted;
  RECT clip{};
  ::GetClientRect(form_, &clip);
  if (auto object = control.As<IOleInPlaceObject>()) object->SetObjectRects(&granted, &clip);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE FormSite::GetExtendedControl(IDispatch** extender) {
  *extender = activex::MakeObject<Extender>(*this).Detach();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE FormSite::TranslateAccelerator(MSG* message, DWORD modifiers) {
  log.push_back(L"TranslateAccelerator(" + std::to_wstring(message->wParam) + L"," +
                std::to_wstring(modifiers) + L")");
  return S_FALSE;  // the form's own loop handles the key
}

HRESULT STDMETHODCALLTYPE FormSite::OnFocus(BOOL gained) {
  log.push_back(L"OnFocus(" + std::to_wstring(gained) + L")");
  return S_OK;
}

HRESULT STDMETHODCALLTYPE FormSite::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*,
                                           VARIANT* result, EXCEPINFO*, UINT*) {
  if (result == nullptr) return E_POINTER;
  if (id == DISPID_AMBIENT_USERMODE) {
    result->vt = VT_BOOL;
    result->boolVal = policy.userMode ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }
  if (id == DISPID_AMBIENT_FONT) {
    FONTDESC description{sizeof(FONTDESC),
                         const_cast<LPOLESTR>(policy.fontName.c_str()),
                         {{120000, 0}},
                         FW_NORMAL,
                         ANSI_CHARSET,
                         FALSE,
                         FALSE,
                         FALSE};
    result->vt = VT_DISPATCH;
    return ::OleCreateFontIndirect(&description, IID_IDispatch,
                                   reinterpret_cast<void**>(&result->pdispVal));
  }
  return DISP_E_MEMBERNOTFOUND;
}

}  // namespace kovra::container
