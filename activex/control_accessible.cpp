#include "activex/control_accessible.h"

#include <array>
#include <string>

#include "activex/com_error.h"
#include "activex/control_object.h"
#include "platform/win32/handles.h"

namespace kovra::activex {
namespace {

enum Child : LONG { Self = CHILDID_SELF, Edit = 1, Increase = 2, Decrease = 3 };

struct ChildRow {
  Child id;
  const wchar_t* name;
  LONG role;
};

// The children in their order; the control itself is the client area around them.
constexpr std::array<ChildRow, 3> kChildren{{
    {Edit, L"Value", ROLE_SYSTEM_TEXT},
    {Increase, L"Increase", ROLE_SYSTEM_PUSHBUTTON},
    {Decrease, L"Decrease", ROLE_SYSTEM_PUSHBUTTON},
}};

// The child a VARIANT names; -1 for none.
LONG ChildOf(const VARIANT& child) {
  if (child.vt != VT_I4 || child.lVal < Self || child.lVal > Decrease) return -1;
  return child.lVal;
}

const ChildRow* RowOf(LONG id) {
  for (const ChildRow& row : kChildren) {
    if (row.id == id) return &row;
  }
  return nullptr;
}

HRESULT Text(const std::wstring& text, BSTR* out) {
  if (out == nullptr) return E_POINTER;
  *out = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT NoText(BSTR* out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  return S_FALSE;
}

void Integer(VARIANT* out, LONG value) {
  ::VariantInit(out);
  out->vt = VT_I4;
  out->lVal = value;
}

HWND WindowOf(KovraDouble& control, LONG id) {
  switch (id) {
    case Edit:
      return win32::FromWindowId(control.Text1().WindowHandle());
    case Increase:
      return win32::FromWindowId(control.Up().WindowHandle());
    case Decrease:
      return win32::FromWindowId(control.Down().WindowHandle());
    default:
      return win32::FromWindowId(control.UserControl().WindowHandle());
  }
}

}  // namespace

LRESULT AnswerAccessibleRequest(ControlObject& object, WPARAM wParam, LPARAM lParam) {
  if (static_cast<LONG>(lParam) != OBJID_CLIENT) return 0;
  try {
    const ComPtr<ControlAccessible> accessible = MakeObject<ControlAccessible>(object);
    return ::LresultFromObject(IID_IAccessible, wParam,
                               static_cast<IAccessible*>(accessible.get()));
  } catch (...) {
    return 0;
  }
}

std::span<const InterfaceEntry<ControlAccessible>> ControlAccessible::Interfaces() {
  static const InterfaceEntry<ControlAccessible> rows[] = {
      Answers<ControlAccessible, IAccessible>(),
      Answers<ControlAccessible, IDispatch, IAccessible>()};
  return rows;
}

ControlAccessible::ControlAccessible(ControlObject& object)
    : object_(object), keep_(&IdentityOf(object)) {
  ::CreateStdAccessibleObject(WindowOf(object.Existing(), Self), OBJID_CLIENT, IID_IAccessible,
                              standard_.PutVoid());
}

HRESULT STDMETHODCALLTYPE ControlAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*,
                                                    VARIANT*, EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE ControlAccessible::get_accParent(IDispatch** parent) {
  if (parent == nullptr) return E_POINTER;
  *parent = nullptr;
  return standard_ ? standard_->get_accParent(parent) : S_FALSE;
}

HRESULT STDMETHODCALLTYPE ControlAccessible::get_accChildCount(LONG* count) {
  if (count == nullptr) return E_POINTER;
  *count = static_cast<LONG>(kChildren.size());
  return S_OK;
}

HRESULT STDMETHODCALLTYPE ControlAccessible::get_accChild(VARIANT child, IDispatch** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  return ChildOf(child) > Self ? S_FALSE : E_INVALIDARG;  // simple elements, no objects
}

HRESULT STDMETHODCALLTYPE ControlAccessible::get_accName(VARIANT child, BSTR* name) {
  const LONG id = ChildOf(child);
  if (id < 0) return E_INVALIDARG;
  if (const ChildRow* row = RowOf(id)) return Text(row->name, name);
  return Text(L"KovraDouble", name);
}

HRESULT STDMETHODCALLTYPE ControlAccessible::get_accValue(VARIANT child, BSTR* value) {
  const LONG id = ChildOf(child);
  if (id < 0) return E_INVALIDARG;
  if (id != Self && id != Edit) return NoText(value);
  return Guarded([&] { return Text(object_.Existing().Text1().Text(), value); });
}

HRESULT STDMETHODCALLTYPE ControlAccessible::get_accDescription(VARIANT, BSTR* description) {
  return NoText(description);
}

HRESULT STDMETHODCALLTYPE ControlAccessible::get_accRole(VARIANT child, VARIANT* role) {
  if (role == nullptr) return E_POINTER;
  const LONG id = ChildOf(child);
  if (id < 0) return E_INVALIDARG;
  const ChildRow* row = RowOf(id);
  Integer(role, row != nullptr ? row->role : ROLE_SYSTEM_CLIENT);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE ControlAccessible::get_accState(VARIANT child, VARIANT* state) {
  if (state == nullptr) return E_POINTER;
  const LONG id = ChildOf(child);
  if (id < 0) return E_INVALIDARG;
  return Guarded([&] {
    HWND window = WindowOf(object_.Existing(), id);
    LONG bits = 0;
    if (!::IsWindowVisible(window)) bits |= STATE_SYSTEM_INVISIBLE;
    if (!::IsWindowEnabled(window)) bits |= STATE_SYSTEM_UNAVAILABLE;
    if (id == Edit || id == Self) bits |= STATE_SYSTEM_FOCUSABLE;
    if (id == Edit && ::GetFocus() == window) bits |= STATE_SYSTEM_FOCUSED;
    Integer(state, bits);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE ControlAccessible::get_accHelp(VARIANT, BSTR* help) {
  return NoText(help);
}

HRESULT STDMETHODCALLTYPE ControlAccessible::get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) {
  if (file != nullptr) *file = nullptr;
  if (topic != nullptr) *topic = 0;
  return S_FALSE;
}

HRESULT STDMETHODCALLTYPE ControlAccessible::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) {
  return NoText(shortcut);
}

HRESULT STDMETHODCALLTYPE ControlAccessible::get_accFocus(VARIANT* focus) {
  if (focus == nullptr) return E_POINTER;
  return Guarded([&] {
    ::VariantInit(focus);
    if (::GetFocus() != WindowOf(object_.Existing(), Edit)) return S_FALSE;
    Integer(focus, Edit);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE ControlAccessible::get_accSelection(VARIANT* selection) {
  if (selection == nullptr) return E_POINTER;
  ::VariantInit(selection);
  return S_FALSE;
}

HRESULT STDMETHODCALLTYPE ControlAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
  const LONG id = ChildOf(child);
  if (id < 0) return E_INVALIDARG;
  return id == Increase || id == Decrease ? Text(L"Press", action) : NoText(action);
}

HRESULT STDMETHODCALLTYPE ControlAccessible::accSelect(LONG flags, VARIANT child) {
  const LONG id = ChildOf(child);
  if (id != Edit && id != Self) return E_INVALIDARG;
  if ((flags & SELFLAG_TAKEFOCUS) == 0) return S_FALSE;
  return Guarded([&] {
    object_.Existing().Text1().SetFocus();
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE ControlAccessible::accLocation(LONG* left, LONG* top, LONG* width,
                                                         LONG* height, VARIANT child) {
  if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) return E_POINTER;
  const LONG id = ChildOf(child);
  if (id < 0) return E_INVALIDARG;
  return Guarded([&] {
    RECT r{};
    ::GetWindowRect(WindowOf(object_.Existing(), id), &r);
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE ControlAccessible::accNavigate(LONG direction, VARIANT start,
                                                         VARIANT* end) {
  if (end == nullptr) return E_POINTER;
  ::VariantInit(end);
  const LONG id = ChildOf(start);
  if (id < 0) return E_INVALIDARG;
  LONG next = -1;
  if (direction == NAVDIR_FIRSTCHILD && id == Self) next = Edit;
  if (direction == NAVDIR_LASTCHILD && id == Self) next = Decrease;
  if (direction == NAVDIR_NEXT && id > Self && id < Decrease) next = id + 1;
  if (direction == NAVDIR_PREVIOUS && id > Edit) next = id - 1;
  if (next > 0) {
    Integer(end, next);
    return S_OK;
  }
  if (id == Self && standard_) return standard_->accNavigate(direction, start, end);
  return S_FALSE;
}

HRESULT STDMETHODCALLTYPE ControlAccessible::accHitTest(LONG x, LONG y, VARIANT* child) {
  if (child == nullptr) return E_POINTER;
  return Guarded([&] {
    ::VariantInit(child);
    const POINT point{x, y};
    for (const ChildRow& row : kChildren) {
      HWND window = WindowOf(object_.Existing(), row.id);
      RECT r{};
      ::GetWindowRect(window, &r);
      if (::IsWindowVisible(window) && ::PtInRect(&r, point)) {
        Integer(child, row.id);
        return S_OK;
      }
    }
    RECT whole{};
    ::GetWindowRect(WindowOf(object_.Existing(), Self), &whole);
    if (!::PtInRect(&whole, point)) return S_FALSE;
    Integer(child, Self);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE ControlAccessible::accDoDefaultAction(VARIANT child) {
  const LONG id = ChildOf(child);
  if (id != Increase && id != Decrease) return id < 0 ? E_INVALIDARG : DISP_E_MEMBERNOTFOUND;
  return Guarded([&] {
    KovraDouble& control = object_.Existing();
    HWND window = WindowOf(control, id);
    if (!::IsWindowVisible(window) || !::IsWindowEnabled(window)) return E_FAIL;
    // As the user's click: pressed and released over the button.
    PictureSurface& button = id == Increase ? control.Up() : control.Down();
    button.DeliverMouse(MouseAction::Down, 1, 0, 1.0f, 1.0f);
    button.DeliverMouse(MouseAction::Up, 1, 0, 1.0f, 1.0f);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE ControlAccessible::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE ControlAccessible::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

}  // namespace kovra::activex
