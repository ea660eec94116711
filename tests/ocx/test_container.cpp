#include "tests/ocx/test_container.h"

#include "activex/identifiers.h"
#include "platform/win32/window_class.h"
#include "tests/ocx/control_client.h"

namespace kovra::ocx_test {
namespace {

constexpr int kControlWidth = 120;
constexpr int kControlHeight = 24;
constexpr int kControlSpacing = 40;

const win32::WindowClass& FormClass() {
  static const win32::WindowClass windowClass(L"KovraTestForm", &::DefWindowProcW,
                                              reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  return windowClass;
}

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

// The lParam of a key message from the keyboard: repeat 1, the scan code, the release bits.
LPARAM KeyBits(UINT key, bool release) {
  LPARAM bits = 1 | (static_cast<LPARAM>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC) & 0xFF) << 16);
  if (key == VK_LEFT || key == VK_RIGHT || key == VK_HOME || key == VK_END || key == VK_DELETE ||
      key == VK_INSERT) {
    bits |= 1 << 24;
  }
  if (release) bits |= static_cast<LPARAM>(0xC0000000u);
  return bits;
}

}  // namespace

TestForm::TestForm(int controls, const SitePolicy& policy) {
  window_.reset(::CreateWindowExW(0, FormClass().Name(), L"Form", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  20, 20, 400, 60 + controls * kControlSpacing, nullptr, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr));
  frame_ = activex::MakeObject<TestFrame>(window_.get());
  for (int i = 0; i < controls; ++i) {
    const RECT place{10, 10 + i * kControlSpacing, 10 + kControlWidth,
                     10 + i * kControlSpacing + kControlHeight};
    ComPtr<TestSite> site = activex::MakeObject<TestSite>(window_.get(), *frame_, policy, place);
    sites_.push_back(site);
  }
  for (const auto& site : sites_) {
    ComPtr<IDispatch> made = NewControl();
    ComPtr<IOleObject> object = made.As<IOleObject>();
    if (!object) continue;
    object->SetClientSite(site.get());  // first, as the control's status asks
    if (auto persist = object.As<IPersistStreamInit>()) persist->InitNew();
    site->control = object;
    object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site.get(), 0, window_.get(), &site->place);
  }
  siteList_.clear();
  for (const auto& site : sites_) siteList_.push_back(site.get());
  for (const auto& site : sites_) site->siblings = &siteList_;
  Pump();
}

TestForm::~TestForm() { CloseAll(); }

IOleObject* TestForm::Control(int i) const { return Site(i).control.get(); }

IDispatch* TestForm::Automation(int i) const {
  IDispatch* dispatch = nullptr;
  if (Control(i) != nullptr)
    Control(i)->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
  if (dispatch != nullptr) dispatch->Release();  // the control holds it; the form holds the control
  return dispatch;
}

HWND TestForm::ControlWindow(int i) const {
  HWND window = nullptr;
  if (auto ole = Site(i).control.As<IOleWindow>()) ole->GetWindow(&window);
  return window;
}

HWND TestForm::Text1Window(int i) const {
  return ::FindWindowExW(ControlWindow(i), nullptr, L"EDIT", nullptr);
}

int TestForm::Focused() const {
  HWND focus = ::GetFocus();
  for (int i = 0; i < Count(); ++i) {
    HWND control = ControlWindow(i);
    if (control != nullptr && (focus == control || ::IsChild(control, focus))) return i;
  }
  return -1;
}

void TestForm::PressKey(UINT key, int modifiers) {
  BYTE state[256] = {};
  ::GetKeyboardState(state);
  BYTE saved[256];
  ::memcpy(saved, state, sizeof state);
  const BYTE down = 0x80;
  state[VK_SHIFT] = state[VK_LSHIFT] = (modifiers & 1) != 0 ? down : BYTE{0};
  state[VK_CONTROL] = state[VK_LCONTROL] = (modifiers & 2) != 0 ? down : BYTE{0};
  ::SetKeyboardState(state);
  HWND focus = ::GetFocus();
  ::PostMessageW(focus, WM_KEYDOWN, key, KeyBits(key, false));
  ::PostMessageW(focus, WM_KEYUP, key, KeyBits(key, true));
  Pump();
  ::SetKeyboardState(saved);
}

void TestForm::Type(const std::wstring& text) {
  for (const wchar_t c : text) {
    const SHORT scan = ::VkKeyScanW(c);
    PressKey(static_cast<UINT>(LOBYTE(scan)), (HIBYTE(scan) & 1) != 0 ? 1 : 0);
  }
}

void TestForm::Pump() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (IsKeyMessage(message.message)) {
      const ComPtr<IOleInPlaceActiveObject> active = frame_->active;
      if (active && active->TranslateAccelerator(&message) == S_OK) continue;
      if (message.message == WM_KEYDOWN && message.wParam == VK_TAB) {
        const int next = (Focused() + 1) % Count();
        ::SetFocus(ControlWindow(next));
        continue;
      }
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

void TestForm::CloseAll() {
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

}  // namespace kovra::ocx_test
