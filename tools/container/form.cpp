#include "tools/container/form.h"

#include <cstring>

#include "platform/win32/window_class.h"

namespace kovra::container {
namespace {

constexpr UINT kFirstButton = 100;

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

bool IsExtendedKey(UINT key) {
  return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN || key == VK_HOME ||
         key == VK_END || key == VK_DELETE || key == VK_INSERT;
}

constexpr int kShift = 1, kControl = 2, kAlt = 4;

// The lParam of a key message from the keyboard: repeat 1, the scan code, Alt held, the
// release bits.
LPARAM KeyBits(UINT key, bool release, bool alt) {
  LPARAM bits = 1 | (static_cast<LPARAM>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC) & 0xFF) << 16);
  if (IsExtendedKey(key)) bits |= 1 << 24;
  if (alt) bits |= 1 << 29;
  if (release) bits |= static_cast<LPARAM>(0xC0000000u);
  return bits;
}

}  // namespace

Form::Form(int width, int height, const std::wstring& title, const SitePolicy& policy)
    : policy_(policy) {
  static const win32::WindowClass formClass(L"KovraContainerForm", &Procedure,
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  const DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
  RECT outer{0, 0, width, height};
  ::AdjustWindowRectEx(&outer, style, FALSE, 0);
  window_.reset(::CreateWindowExW(0, formClass.Name(), title.c_str(), style, 20, 20,
                                  outer.right - outer.left, outer.bottom - outer.top, nullptr,
                                  nullptr, ::GetModuleHandleW(nullptr), nullptr));
  ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  frame_ = activex::MakeObject<FormFrame>(window_.get());
}

Form::~Form() { CloseAll(); }

int Form::Place(const ComPtr<IOleObject>& control, const RECT& place, bool initialised) {
  if (!control) return -1;
  ComPtr<FormSite> site = activex::MakeObject<FormSite>(window_.get(), *frame_, policy_, place);
  site->siblings = &sites_;
  control->SetClientSite(site.get());  // first, as the control's status asks
  if (!initialised) {
    if (auto persist = control.As<IPersistStreamInit>()) persist->InitNew();
  }
  site->control = control;
  sites_.push_back(site);
  RECT r = place;
  if (FAILED(
          control->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site.get(), 0, window_.get(), &r))) {
    return -1;
  }
  Pump();
  return Count() - 1;
}

void Form::AddButton(const std::wstring& caption, const RECT& place,
                     std::function<void()> onClick) {
  const auto id = static_cast<UINT>(kFirstButton + buttons_.size());
  buttons_.push_back(std::move(onClick));
  ::CreateWindowExW(0, L"BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                    place.left, place.top, place.right - place.left, place.bottom - place.top,
                    window_.get(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                    ::GetModuleHandleW(nullptr), nullptr);
}

void Form::AddLog(const RECT& place) {
  log_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, place.left,
                           place.top, place.right - place.left, place.bottom - place.top,
                           window_.get(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
  ::SendMessageW(log_, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
}

void Form::Log(const std::wstring& line) {
  if (log_ == nullptr) return;
  const LRESULT index =
      ::SendMessageW(log_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  ::SendMessageW(log_, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

IOleObject* Form::Control(int i) const { return Site(i).control.get(); }

IDispatch* Form::Automation(int i) const {
  const auto dispatch = Site(i).control.As<IDispatch>();
  return dispatch.get();  // the control keeps its own reference to its IDispatch
}

HWND Form::ControlWindow(int i) const {
  HWND window = nullptr;
  if (auto ole = Site(i).control.As<IOleWindow>()) ole->GetWindow(&window);
  return window;
}

HWND Form::Text1Window(int i) const {
  return ::FindWindowExW(ControlWindow(i), nullptr, L"EDIT", nullptr);
}

int Form::Focused() const {
  HWND focus = ::GetFocus();
  for (int i = 0; i < Count(); ++i) {
    HWND control = ControlWindow(i);
    if (control != nullptr && (focus == control || ::IsChild(control, focus))) return i;
  }
  return -1;
}

void Form::Activate(int i) {
  RECT place = Site(i).place;
  Control(i)->DoVerb(OLEIVERB_UIACTIVATE, nullptr, &Site(i), 0, window_.get(), &place);
  Pump();
}

void Form::Move(int i, const RECT& place) {
  Site(i).place = place;
  RECT clip{};
  ::GetClientRect(window_.get(), &clip);
  if (auto object = Site(i).control.As<IOleInPlaceObject>()) object->SetObjectRects(&place, &clip);
  Pump();
}

void Form::PressKey(UINT key, int modifiers) { Press(key, modifiers, std::nullopt); }

void Form::PressKeyWithCharacter(UINT key, int modifiers, wchar_t character) {
  Press(key, modifiers, character);
}

void Form::Press(UINT key, int modifiers, std::optional<wchar_t> character) {
  BYTE state[256] = {};
  ::GetKeyboardState(state);
  BYTE saved[256];
  std::memcpy(saved, state, sizeof state);
  const BYTE down = 0x80;
  const bool alt = (modifiers & kAlt) != 0;
  state[VK_SHIFT] = state[VK_LSHIFT] = (modifiers & kShift) != 0 ? down : BYTE{0};
  state[VK_CONTROL] = state[VK_LCONTROL] = (modifiers & kControl) != 0 ? down : BYTE{0};
  state[VK_MENU] = state[VK_LMENU] = alt ? down : BYTE{0};
  ::SetKeyboardState(state);
  // With Alt held the keyboard sends the system key messages.
  const UINT keyDown = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
  const UINT keyUp = alt ? WM_SYSKEYUP : WM_KEYUP;
  translating_ = !character.has_value();
  // The character the key-down makes arrives before the key is released, as from a keyboard.
  ::PostMessageW(::GetFocus(), keyDown, key, KeyBits(key, false, alt));
  Pump();
  if (character.value_or(0) != 0) {
    ::PostMessageW(::GetFocus(), alt ? WM_SYSCHAR : WM_CHAR, *character, KeyBits(key, false, alt));
    Pump();
  }
  ::PostMessageW(::GetFocus(), keyUp, key, KeyBits(key, true, alt));
  Pump();
  translating_ = true;
  ::SetKeyboardState(saved);
}

void Form::Type(const std::wstring& text) {
  for (const wchar_t c : text) {
    const SHORT scan = ::VkKeyScanW(c);
    PressKey(static_cast<UINT>(LOBYTE(scan)), (HIBYTE(scan) & 1) != 0 ? 1 : 0);
  }
}

void Form::Click(POINT point) {
  POINT screen = point;
  ::ClientToScreen(window_.get(), &screen);
  HWND target = ::WindowFromPoint(screen);
  POINT local = screen;
  ::ScreenToClient(target, &local);
  const LPARAM at = MAKELPARAM(local.x, local.y);
  ::PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageW(target, WM_LBUTTONUP, 0, at);
  Pump();
}

void Form::Pump() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (IsKeyMessage(message.message)) {
      const ComPtr<IOleInPlaceActiveObject> active = frame_->active;
      if (active && active->TranslateAccelerator(&message) == S_OK) continue;
      if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && Count() > 0) {
        const int next = (Focused() + 1) % Count();
        ::SetFocus(ControlWindow(next));
        continue;
      }
    }
    if (translating_) ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

void Form::CloseAll() {
  for (const auto& site : sites_) {
    if (site->control) {
      site->control->Close(OLECLOSE_NOSAVE);
      site->control->SetClientSite(nullptr);
      site->control.Reset();
    }
    site->siblings = nullptr;
  }
  sites_.clear();
  frame_.Reset();
  window_.reset();
  Pump();
}

LRESULT CALLBACK Form::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* form = reinterpret_cast<Form*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_COMMAND && form != nullptr && HIWORD(wParam) == BN_CLICKED) {
    const std::size_t index = LOWORD(wParam) - kFirstButton;
    if (index < form->buttons_.size()) form->buttons_[index]();
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace kovra::container
