// The control's life inside a container: the client site it is given first, its activation in
// place (its window a child of the container's, placed where the container says) and in the
// user interface (its frame's active object), the focus entering and leaving it, and the size
// it asks of the container when its height rules want another height, and its accessible object
// for assistive technology while it is placed. The object's OLE facets
// drive it; it drives the control and tells the container what it must hear.
#pragma once

#include <ocidl.h>

#include "activex/com_ptr.h"
#include "platform/win32/focus_report.h"

namespace kovra::activex {

class ControlObject;

class Embedding {
 public:
  explicit Embedding(ControlObject& object);
  Embedding(const Embedding&) = delete;
  Embedding& operator=(const Embedding&) = delete;

  // The control's windows are about to go (the object ends, or a new control replaces it):
  // nothing of theirs reports here any more, and the control is out of its container.
  void Leave();

  // The client site (nullptr: none); the in-place state ends with the old one.
  void SetClientSite(IOleClientSite* site);
  IOleClientSite* ClientSite() const { return clientSite_.get(); }
  // The site's control side (events frozen, focus, accelerators) and its ambient properties.
  IOleControlSite* ControlSite() const { return controlSite_.get(); }
  IDispatch* Ambient() const { return ambient_.get(); }

  // Activation in place under the window the site names, at the place it gives (or `place`).
  HRESULT ActivateInPlace(IOleClientSite* site, const RECT* place);
  // Activation in the user interface: the frame's active object, the focus in Text1.
  HRESULT ActivateUserInterface(IOleClientSite* site, const RECT* place);
  HRESULT DeactivateUserInterface();
  HRESULT DeactivateInPlace();
  bool InPlaceActive() const { return inPlaceSite_ != nullptr; }
  // Shows or hides the control's window (the container's show and hide verbs).
  void Show(bool visible);

  // The place of the control in its parent window and the part of it that shows.
  HRESULT SetObjectRects(const RECT* place, const RECT* clip);
  // The control's size in HIMETRIC as the container last set it or the window has it.
  SIZEL Extent() const;
  void SetExtent(SIZEL himetric);

  // The window of the container that owns the control's message boxes (nullptr: none), and
  // the container told that a modal box is up or down.
  HWND DialogOwner() const;
  void EnableModeless(bool enable);

 private:
  void Observe(bool on);
  void OnFocus(win32::FocusChange change, HWND other, bool surface);
  void FocusEntered(bool surface);
  void FocusLeft();
  bool Inside(HWND window) const;
  // Asks the container for a new size; false when no container decides it.
  bool RequestSize(int widthPixels, int heightPixels);
  HWND SurfaceWindow() const;
  HWND Text1Window() const;

  ControlObject& object_;
  ComPtr<IOleClientSite> clientSite_;
  ComPtr<IOleControlSite> controlSite_;
  ComPtr<IDispatch> ambient_;
  ComPtr<IOleInPlaceSite> inPlaceSite_;
  ComPtr<IOleInPlaceFrame> frame_;
  ComPtr<IOleInPlaceUIWindow> uiWindow_;
  bool uiActive_ = false;
  bool focusInside_ = false;
  bool requestingSize_ = false;
  RECT place_{};
  SIZEL extent_{};
};

}  // namespace kovra::activex
