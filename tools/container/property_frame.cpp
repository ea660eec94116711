#include "tools/container/property_frame.h"

#include <commctrl.h>
#include <prsht.h>

#include <array>

#include "pages/page_definition.h"
#include "platform/win32/form_controls.h"

namespace kovra::container {
namespace {

HWND TabsOf(HWND frame) {
  return reinterpret_cast<HWND>(::SendMessageW(frame, PSM_GETTABCONTROL, 0, 0));
}

std::wstring TabTitle(HWND tabs, int index) {
  std::array<wchar_t, 64> text{};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  item.cchTextMax = static_cast<int>(text.size());
  if (!::SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(&item))) {
    return {};
  }
  return text.data();
}

struct BoxSearch {
  int id;
  HWND found = nullptr;
};

// Stops at the EDIT among a page's windows whose control identifier is the one searched.
// A named callback, not a lambda: 32-bit Windows calls it with the stdcall convention.
BOOL CALLBACK StopAtBox(HWND child, LPARAM state) {
  auto* search = reinterpret_cast<BoxSearch*>(state);
  std::array<wchar_t, 16> className{};
  ::GetClassNameW(child, className.data(), static_cast<int>(className.size()));
  if (::GetDlgCtrlID(child) != search->id || ::lstrcmpiW(className.data(), L"Edit") != 0) {
    return TRUE;
  }
  search->found = child;
  return FALSE;
}

}  // namespace

bool IsPropertyFrame(HWND dialog) { return TabsOf(dialog) != nullptr; }

std::vector<std::wstring> FrameTabs(HWND frame) {
  HWND tabs = TabsOf(frame);
  std::vector<std::wstring> titles;
  const int count = static_cast<int>(::SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) titles.push_back(TabTitle(tabs, i));
  return titles;
}

bool ShowFrameTab(HWND frame, int index) {
  return ::SendMessageW(frame, PSM_SETCURSEL, static_cast<WPARAM>(index), 0) != FALSE;
}

HWND FramePageBox(HWND frame, std::wstring_view page, std::wstring_view box) {
  const pages::PageDefinition* definition = pages::FindPage(page);
  if (definition == nullptr) return nullptr;
  HWND shown = reinterpret_cast<HWND>(::SendMessageW(frame, PSM_GETCURRENTPAGEHWND, 0, 0));
  HWND tabs = TabsOf(frame);
  const int current = static_cast<int>(::SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
  if (shown == nullptr || TabTitle(tabs, current) != definition->caption) return nullptr;
  for (std::size_t i = 0; i < definition->controls.size(); ++i) {
    if (definition->controls[i].name != box) continue;
    BoxSearch search{win32::ElementControlId(i)};
    ::EnumChildWindows(shown, &StopAtBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
  return nullptr;
}

void TypeInto(HWND box, std::wstring_view text) {
  ::SetFocus(box);
  ::SendMessageW(box, EM_SETSEL, 0, -1);
  for (const wchar_t c : text) ::SendMessageW(box, WM_CHAR, c, 1);
}

void PressFrameButton(HWND frame, int button) {
  ::PostMessageW(frame, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
}

}  // namespace kovra::container
