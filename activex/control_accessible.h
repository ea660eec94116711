// The control as assistive technology sees it: the IAccessible object the control's window hands
// out for WM_GETOBJECT. Its children are the edit field (its value the text) and the two spin
// buttons, "Increase" and "Decrease", which accDoDefaultAction presses as a click would. What
// the object does not know itself (its parent, navigation) the system's standard object for the
// window answers.
#pragma once

#include <oleacc.h>

#include "activex/com_object.h"
#include "activex/com_ptr.h"
#include "activex/untyped_dispatch.h"

namespace kovra::activex {

class ControlObject;

// The answer to WM_GETOBJECT(`wParam`, `lParam`) for the control's window: an accessible object
// for OBJID_CLIENT, nothing (0, the system answers) for any other object.
LRESULT AnswerAccessibleRequest(ControlObject& object, WPARAM wParam, LPARAM lParam);

class ControlAccessible final : public ComObject<ControlAccessible, UntypedDispatch<IAccessible>> {
 public:
  static std::span<const InterfaceEntry<ControlAccessible>> Interfaces();
  // Keeps the control alive while a client holds this object.
  explicit ControlAccessible(ControlObject& object);

  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override;

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

 private:
  ControlObject& object_;
  ComPtr<IUnknown> keep_;
  ComPtr<IAccessible> standard_;  // the system's object for the window: parent, navigation
};

}  // namespace kovra::activex
