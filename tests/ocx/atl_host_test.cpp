// The registered control placed by the system's own ATL host (AtlAxCreateControl by ProgID, as
// an application with an AtlAxWin window does): it shows inside the host's window, takes keys,
// follows the host's size and goes when the host window is destroyed. The host has no ambient
// properties and no extender, and refuses to move its controls: the control answers alone.
#include <gtest/gtest.h>
#include <ocidl.h>

#include <string>

#include "activex/registration_table.h"
#include "platform/win32/handles.h"
#include "tests/ocx/control_client.h"
#include "tests/ocx/ocx_test_support.h"

namespace kovra::ocx_test {
namespace {

using AtlAxWinInitFunction = BOOL(WINAPI*)();
using AtlAxCreateControlFunction = HRESULT(WINAPI*)(LPCOLESTR, HWND, IStream*, IUnknown**);
using AtlAxGetControlFunction = HRESULT(WINAPI*)(HWND, IUnknown**);

// The first of the system's ATL libraries that offers the host.
struct AtlHost {
  win32::UniqueLibrary library;
  AtlAxWinInitFunction init = nullptr;
  AtlAxCreateControlFunction createControl = nullptr;
  AtlAxGetControlFunction getControl = nullptr;
};

AtlHost LoadAtlHost() {
  AtlHost host;
  for (const wchar_t* file : {L"atl100.dll", L"atl.dll"}) {
    host.library.reset(::LoadLibraryW(file));
    if (!host.library) continue;
    const auto entry = [&](const char* name) {
      return reinterpret_cast<void*>(::GetProcAddress(host.library.get(), name));
    };
    host.init = reinterpret_cast<AtlAxWinInitFunction>(entry("AtlAxWinInit"));
    host.createControl = reinterpret_cast<AtlAxCreateControlFunction>(entry("AtlAxCreateControl"));
    host.getControl = reinterpret_cast<AtlAxGetControlFunction>(entry("AtlAxGetControl"));
    if (host.init != nullptr && host.createControl != nullptr && host.getControl != nullptr) break;
  }
  return host;
}

HWND FindEdit(HWND parent) {
  HWND found = nullptr;
  ::EnumChildWindows(
      parent,
      [](HWND window, LPARAM out) -> BOOL {
        wchar_t name[16] = {};
        ::GetClassNameW(window, name, 16);
        if (::lstrcmpiW(name, L"Edit") != 0) return TRUE;
        *reinterpret_cast<HWND*>(out) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

int Width(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  return r.right - r.left;
}

// A key pressed and released; the message loop's TranslateMessage makes the character.
void PressKey(HWND edit, wchar_t character) {
  const auto key = static_cast<WPARAM>(LOBYTE(::VkKeyScanW(character)));
  ::PostMessageW(edit, WM_KEYDOWN, key, 1);
  PumpMessages();
  ::PostMessageW(edit, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
  PumpMessages();
}

TEST(RegisteredAtlHost, PlacesTheControlThatShowsTakesKeysAndFollowsItsSize) {
  if (Registration() != L"machine") {
    GTEST_SKIP() << "the host finds the control by its ProgID in the machine's classes";
  }
  const AtlHost atl = LoadAtlHost();
  ASSERT_TRUE(atl.library) << "no ATL library with AtlAxCreateControl";
  ASSERT_TRUE(atl.init());

  win32::UniqueWindow form(::CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                             0, 300, 100, nullptr, nullptr, nullptr, nullptr));
  HWND host = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 5, 5, 150, 24, form.get(),
                                nullptr, nullptr, nullptr);
  ComPtr<IUnknown> container;
  const std::wstring progId(activex::kVersionIndependentProgId);
  ASSERT_EQ(atl.createControl(progId.c_str(), host, nullptr, container.Put()), S_OK);
  ComPtr<IUnknown> control;
  ASSERT_EQ(atl.getControl(host, control.Put()), S_OK);
  const auto dispatch = control.As<IDispatch>();
  ASSERT_TRUE(dispatch);

  HWND edit = FindEdit(host);
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(::IsWindowVisible(edit));
  EXPECT_EQ(Put(dispatch.get(), L"Value", Value(L"12.5")).result, S_OK);
  ::SetFocus(edit);  // focus entry selects the whole text
  PumpMessages();
  PressKey(edit, L'7');
  EXPECT_EQ(Text(dispatch.get(), L"Value"), L"7");

  const int narrow = Width(edit);
  ::MoveWindow(host, 5, 5, 250, 24, TRUE);
  PumpMessages();
  EXPECT_EQ(Width(edit), narrow + 100);

  ::DestroyWindow(host);
  PumpMessages();
  EXPECT_EQ(FindEdit(form.get()), nullptr);
  EXPECT_EQ(Text(dispatch.get(), L"Value"), L"7");  // the object lives while a client holds it
}

}  // namespace
}  // namespace kovra::ocx_test
