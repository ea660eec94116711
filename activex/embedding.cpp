#include "activex/embedding.h"

#include "activex/control_accessible.h"
#include "activex/control_object.h"
#include "activex/himetric.h"
#include "platform/win32/win32_surface.h"
#include "platform/win32/win32_text_box.h"

namespace kovra::activex {
namespace {

win32::Win32Surface& SurfaceOf(KovraDouble& control) {
  return dynamic_cast<win32::Win32Surface&>(control.UserControl());
}

win32::Win32TextBox& Text1Of(KovraDouble& control) {
  return dynamic_cast<win32::Win32TextBox&>(control.Text1());
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

}  // namespace

Embedding::Embedding(ControlObject& object) : object_(object) {}

void Embedding::Leave() {
  if (InPlaceActive()) DeactivateInPlace();
  uiActive_ = false;
  focusInside_ = false;
}

void Embedding::SetClientSite(IOleClientSite* site) {
  if (site != clientSite_.get() && InPlaceActive()) DeactivateInPlace();
  clientSite_ = ComPtr<IOleClientSite>(site);
  controlSite_ = clientSite_.As<IOleControlSite>();
  ambient_ = clientSite_.As<IDispatch>();
}

HRESULT Embedding::ActivateInPlace(IOleClientSite* site, const RECT* place) {
  if (InPlaceActive()) {
    return place != nullptr ? SetObjectRects(place, place) : S_OK;
  }
  if (site == nullptr) site = clientSite_.get();
  if (site == nullptr) return E_UNEXPECTED;
  ComPtr<IOleInPlaceSite> inPlace;
  if (FAILED(site->QueryInterface(IID_IOleInPlaceSite, inPlace.PutVoid()))) return E_NOINTERFACE;
  if (inPlace->CanInPlaceActivate() != S_OK) return E_FAIL;
  const HRESULT activated = inPlace->OnInPlaceActivate();
  if (FAILED(activated)) return activated;

  HWND parent = nullptr;
  RECT position{};
  RECT clip{};
  OLEINPLACEFRAMEINFO frameInfo{};
  frameInfo.cb = sizeof frameInfo;
  if (FAILED(inPlace->GetWindow(&parent)) ||
      FAILED(
          inPlace->GetWindowContext(frame_.Put(), uiWindow_.Put(), &position, &clip, &frameInfo))) {
    frame_.Reset();
    uiWindow_.Reset();
    inPlace->OnInPlaceDeactivate();
    return E_FAIL;
  }
  inPlaceSite_ = inPlace;
  KovraDouble& control = object_.Control();
  control.SetParentWindow(win32::ToWindowId(parent));
  Observe(true);
  SetObjectRects(place != nullptr ? place : &position, &clip);
  Show(true);
  return S_OK;
}

HRESULT Embedding::ActivateUserInterface(IOleClientSite* site, const RECT* place) {
  if (const HRESULT result = ActivateInPlace(site, place); FAILED(result)) return result;
  if (!uiActive_) {
    uiActive_ = true;
    inPlaceSite_->OnUIActivate();
    auto* active = static_cast<IOleInPlaceActiveObject*>(&object_.ActiveObject());
    if (frame_) {
      frame_->SetActiveObject(active, nullptr);
      frame_->SetBorderSpace(nullptr);
    }
    if (uiWindow_) {
      uiWindow_->SetActiveObject(active, nullptr);
      uiWindow_->SetBorderSpace(nullptr);
    }
  }
  if (!Inside(::GetFocus())) object_.Control().Text1().SetFocus();
  return S_OK;
}

HRESULT Embedding::DeactivateUserInterface() {
  if (!uiActive_) return S_OK;
  uiActive_ = false;
  if (uiWindow_) uiWindow_->SetActiveObject(nullptr, nullptr);
  if (frame_) frame_->SetActiveObject(nullptr, nullptr);
  if (inPlaceSite_) inPlaceSite_->OnUIDeactivate(FALSE);
  return S_OK;
}

HRESULT Embedding::DeactivateInPlace() {
  if (!InPlaceActive()) return S_OK;
  DeactivateUserInterface();
  const ComPtr<IOleInPlaceSite> site = inPlaceSite_;
  Observe(false);
  focusInside_ = false;
  object_.Existing().SetParentWindow(0);
  inPlaceSite_.Reset();
  frame_.Reset();
  uiWindow_.Reset();
  site->OnInPlaceDeactivate();
  return S_OK;
}

void Embedding::Show(bool visible) {
  if (!object_.Existing().HasWindows()) return;
  ::ShowWindow(SurfaceWindow(), visible ? SW_SHOWNA : SW_HIDE);
  if (visible) object_.Existing().Show();
}

HRESULT Embedding::SetObjectRects(const RECT* place, const RECT* clip) {
  if (place == nullptr) return E_POINTER;
  place_ = *place;
  KovraDouble& control = object_.Control();
  HWND surface = SurfaceWindow();
  ::SetWindowPos(surface, nullptr, place->left, place->top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The part outside the clip rectangle is not shown: a window region in window coordinates.
  RECT shown{};
  if (clip != nullptr && ::IntersectRect(&shown, place, clip) && !::EqualRect(&shown, place)) {
    ::OffsetRect(&shown, -place->left, -place->top);
    ::SetWindowRgn(surface, ::CreateRectRgnIndirect(&shown), TRUE);  // the window owns it
  } else {
    ::SetWindowRgn(surface, nullptr, TRUE);
  }
  // The container's resize notification: the full refresh, also when the size stays.
  SurfaceOf(control).SetExtent(Width(*place), Height(*place));
  extent_ = PixelsToHimetric({Width(*place), Height(*place)});
  return S_OK;
}

SIZEL Embedding::Extent() const {
  if (InPlaceActive() || (extent_.cx == 0 && extent_.cy == 0)) {
    RECT client{};
    ::GetClientRect(SurfaceWindow(), &client);
    return PixelsToHimetric({Width(client), Height(client)});
  }
  return extent_;
}

void Embedding::SetExtent(SIZEL himetric) {
  extent_ = himetric;
  if (InPlaceActive()) return;  // the container places an active control with SetObjectRects
  const SIZE pixels = HimetricToPixels(himetric);
  SurfaceOf(object_.Control()).SetExtent(pixels.cx, pixels.cy);
}

HWND Embedding::DialogOwner() const {
  HWND window = nullptr;
  if (inPlaceSite_) {
    inPlaceSite_->GetWindow(&window);
  } else if (const auto oleWindow = clientSite_.As<IOleWindow>()) {
    oleWindow->GetWindow(&window);
  }
  return window != nullptr ? ::GetAncestor(window, GA_ROOT) : nullptr;
}

void Embedding::EnableModeless(bool enable) {
  if (frame_) frame_->EnableModeless(enable ? TRUE : FALSE);
}

void Embedding::Observe(bool on) {
  KovraDouble& control = object_.Existing();
  win32::Win32Surface& surface = SurfaceOf(control);
  win32::Win32TextBox& text1 = Text1Of(control);
  if (!on) {
    surface.SetFocusObserver(nullptr);
    surface.SetSizeRequest(nullptr);
    surface.SetObjectRequest(nullptr);
    text1.SetFocusObserver(nullptr);
    return;
  }
  surface.SetFocusObserver(
      [this](win32::FocusChange change, HWND other) { OnFocus(change, other, true); });
  text1.SetFocusObserver(
      [this](win32::FocusChange change, HWND other) { OnFocus(change, other, false); });
  surface.SetSizeRequest([this](int width, int height) { return RequestSize(width, height); });
  surface.SetObjectRequest([this](WPARAM wParam, LPARAM lParam) {
    return AnswerAccessibleRequest(object_, wParam, lParam);
  });
}

void Embedding::OnFocus(win32::FocusChange change, HWND other, bool surface) {
  if (change == win32::FocusChange::Gained) {
    if (!focusInside_) {
      FocusEntered(surface);
      return;
    }
    if (surface) object_.Existing().Text1().SetFocus();  // the surface passes the focus on
    // The focus comes back (a cancelled Validate, the form active again): the control is the
    // form's active one again.
    if (InPlaceActive() && !uiActive_) ActivateUserInterface(nullptr, nullptr);
    return;
  }
  // Focus that goes to another application, or to a window outside the form (a box of the
  // container's), comes back here: the control keeps its state meanwhile.
  if (!focusInside_ || other == nullptr || Inside(other) ||
      ::GetAncestor(other, GA_ROOT) != ::GetAncestor(SurfaceWindow(), GA_ROOT)) {
    return;
  }
  if (surface) object_.Existing().LostFocus();
  FocusLeft();
}

void Embedding::FocusEntered(bool surface) {
  focusInside_ = true;
  KovraDouble& control = object_.Existing();
  control.EnterFocus();
  if (surface) control.GotFocus();
  if (InPlaceActive() && !uiActive_) ActivateUserInterface(nullptr, nullptr);
  if (controlSite_) controlSite_->OnFocus(TRUE);
}

void Embedding::FocusLeft() {
  KovraDouble& control = object_.Existing();
  bool cancel = false;
  control.Text1_Validate(cancel);
  if (cancel) {
    // The focus is on its way to the other window: it comes back once that has happened.
    object_.Share().FocusLater(Text1Window());
    return;
  }
  focusInside_ = false;
  control.ExitFocus();
  if (controlSite_) controlSite_->OnFocus(FALSE);
}

bool Embedding::Inside(HWND window) const {
  if (window == nullptr || !object_.Existing().HasWindows()) return false;
  HWND surface = SurfaceWindow();
  return window == surface || ::IsChild(surface, window) != FALSE;
}

bool Embedding::RequestSize(int widthPixels, int heightPixels) {
  if (requestingSize_) return true;  // the container's answer is being applied: take it
  RECT wanted = place_;
  wanted.right = wanted.left + widthPixels;
  wanted.bottom = wanted.top + heightPixels;
  requestingSize_ = true;
  const HRESULT asked = inPlaceSite_ ? inPlaceSite_->OnPosRectChange(&wanted)
                                     : E_NOTIMPL;  // grants by SetObjectRects
  requestingSize_ = false;
  if (SUCCEEDED(asked)) return true;
  // No container decides: the control takes the size itself, as it would on its own.
  place_ = wanted;
  return false;
}

HWND Embedding::SurfaceWindow() const {
  return win32::FromWindowId(object_.Existing().UserControl().WindowHandle());
}

HWND Embedding::Text1Window() const {
  return win32::FromWindowId(object_.Existing().Text1().WindowHandle());
}

}  // namespace kovra::activex
