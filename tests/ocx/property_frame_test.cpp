// The system's own property frame (OleCreatePropertyFrame) opened on a control with the control's
// six pages — General, Windows-3D and Format of the library, then the system's standard colour,
// font and picture pages — with a value typed into the General page and the frame's OK pressed
// from a timer inside the frame's loop, as a user would; the control then holds the value.
// The frame finds the page classes through COM, for which the test offers the library's own
// factories (CoRegisterClassObject), so nothing needs to be registered.
// clang-format off
#include <windows.h>  // before commctrl.h and prsht.h, which need its types
// clang-format on
#include <commctrl.h>
#include <gtest/gtest.h>
#include <ocidl.h>
#include <olectl.h>
#include <prsht.h>

#include <array>
#include <string>
#include <vector>

#include "activex/identifiers.h"
#include "pages/page_definition.h"
#include "platform/win32/form_controls.h"
#include "platform/win32/test_support/message_box_recorder.h"
#include "tests/ocx/control_client.h"

namespace kovra::ocx_test {
namespace {

// What the timer does inside the frame, and what it saw there.
struct FrameVisit {
  HWND sheet = nullptr;
  std::vector<std::wstring> tabs;
  bool typed = false;
};
FrameVisit* visit = nullptr;

// Our page's text box anywhere below `window`: the General page's ButtonSpinIncrement box.
HWND FindIncrementBox(HWND window) {
  const std::size_t index = [] {
    const pages::PageDefinition& general = pages::GeneralPage();
    for (std::size_t i = 0; i < general.controls.size(); ++i) {
      if (general.controls[i].name == L"txtButtonSpinIncrement") return i;
    }
    return std::size_t{0};
  }();
  struct Search {
    int id;
    HWND found = nullptr;
  } search{win32::ElementControlId(index)};
  ::EnumChildWindows(
      window,
      [](HWND child, LPARAM state) -> BOOL {
        auto* s = reinterpret_cast<Search*>(state);
        wchar_t name[16]{};
        ::GetClassNameW(child, name, 16);
        if (::GetDlgCtrlID(child) == s->id && ::lstrcmpiW(name, L"Edit") == 0) {
          s->found = child;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void CALLBACK ActInFrame(HWND sheet, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(sheet, timer);
  HWND tabs = reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
  const int count = static_cast<int>(::SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[64]{};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    ::SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    visit->tabs.emplace_back(text);
  }
  if (HWND box = FindIncrementBox(sheet)) {
    ::SetWindowTextW(box, L"3");
    visit->typed = true;
  }
  ::PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
}

class PropertyFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const activex::PageIdentity& page : activex::kPages) {
      const ComPtr<IClassFactory> factory = FactoryOf(page.pageClass.id);
      ASSERT_TRUE(factory);
      DWORD cookie = 0;
      ASSERT_EQ(::CoRegisterClassObject(page.pageClass.id, factory.get(), CLSCTX_INPROC_SERVER,
                                        REGCLS_MULTIPLEUSE, &cookie),
                S_OK);
      cookies_.push_back(cookie);
    }
  }
  void TearDown() override {
    for (const DWORD cookie : cookies_) ::CoRevokeClassObject(cookie);
  }

  std::vector<DWORD> cookies_;
};

// The standard pages the system can make here (Wine has none of them).
int StandardPagesAvailable() {
  int available = 0;
  for (const activex::NamedId& page : activex::kStandardPages) {
    ComPtr<IPropertyPage> made;
    if (SUCCEEDED(::CoCreateInstance(page.id, nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage,
                                     made.PutVoid()))) {
      ++available;
    }
  }
  return available;
}

TEST_F(PropertyFrame, AValueTypedIntoAPageAndAppliedWithOkReachesTheControl) {
  ComPtr<IDispatch> control = NewControl();
  ASSERT_TRUE(control);
  ASSERT_EQ(Text(control.get(), L"ButtonSpinIncrement"), L"1");
  std::vector<CLSID> six{activex::kPages[0].pageClass.id, activex::kPages[1].pageClass.id,
                         activex::kPages[2].pageClass.id};
  for (const activex::NamedId& page : activex::kStandardPages) six.push_back(page.id);

  FrameVisit seen;
  visit = &seen;
  win32::MessageBoxRecorder boxes;
  boxes.OnDialog([&](HWND dialog) {
    seen.sheet = dialog;
    ::SetTimer(dialog, 1, 50, &ActInFrame);
    return true;
  });
  IUnknown* objects[] = {control.get()};
  const HRESULT shown = ::OleCreatePropertyFrame(nullptr, 0, 0, L"KovraDouble", 1, objects,
                                                 static_cast<ULONG>(six.size()), six.data(),
                                                 LOCALE_USER_DEFAULT, 0, nullptr);
  visit = nullptr;
  ASSERT_EQ(shown, S_OK);
  ASSERT_NE(seen.sheet, nullptr);
  ASSERT_GE(seen.tabs.size(), 3u);
  EXPECT_EQ(seen.tabs[0], L"General");
  EXPECT_EQ(seen.tabs[1], L"Windows-3D");
  EXPECT_EQ(seen.tabs[2], L"Format");
  EXPECT_EQ(static_cast<int>(seen.tabs.size()), 3 + StandardPagesAvailable());
  EXPECT_TRUE(seen.typed);
  EXPECT_EQ(Text(control.get(), L"ButtonSpinIncrement"), L"3");
  EXPECT_TRUE(boxes.Recorded().empty());
}

}  // namespace
}  // namespace kovra::ocx_test
