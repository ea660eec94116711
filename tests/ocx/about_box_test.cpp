// The About box through the control's Acerca (dispatch identifier -552), as a design
// environment opens it: a modal dialog with no owner, its caption, the version line read from
// the library's own version resource, Arial texts, the product picture, OK closing it and a
// fresh box on every call; and its link asking the shell to open the maker's page, whose
// failure shows the warning box.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/test_support/message_box_recorder.h"
#include "tests/ocx/control_client.h"

namespace kovra::ocx_test {
namespace {

constexpr DISPID kAbout = -552;

HWND ChildWithText(HWND dialog, const wchar_t* text) {
  return ::FindWindowExW(dialog, nullptr, L"Static", text);
}

std::wstring FaceOf(HWND window) {
  auto* font = reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
  LOGFONTW description{};
  if (font == nullptr || ::GetObjectW(font, sizeof description, &description) == 0) return L"";
  return description.lfFaceName;
}

// A web protocol's handler in the prefix, replaced for the test by a program that does not
// exist, so that the shell fails to open the maker's page whatever the machine has installed
// (and no browser of the machine is started).
class MissingBrowser {
 public:
  explicit MissingBrowser(const std::wstring& protocol) {
    const std::wstring key = L"Software\\Classes\\" + protocol + L"\\shell\\open\\command";
    ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      &key_, nullptr);
    wchar_t old[1024]{};
    DWORD size = sizeof old;
    if (::RegQueryValueExW(key_, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size) ==
        ERROR_SUCCESS) {
      old_ = old;
      hadOld_ = true;
    }
    Set(L"C:\\kovra-no-browser\\browser.exe \"%1\"");
  }
  ~MissingBrowser() {
    if (hadOld_) {
      Set(old_);
    } else {
      ::RegDeleteValueW(key_, nullptr);
    }
    ::RegCloseKey(key_);
  }

 private:
  void Set(const std::wstring& command) {
    ::RegSetValueExW(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                     static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
  }
  HKEY key_ = nullptr;
  std::wstring old_;
  bool hadOld_ = false;
};

class AboutBox : public ::testing::Test {
 protected:
  void SetUp() override {
    control_ = NewControl();
    ASSERT_TRUE(control_);
  }
  HRESULT Acerca() { return Invoke(control_.get(), kAbout, DISPATCH_METHOD).result; }

  ComPtr<IDispatch> control_;
  win32::MessageBoxRecorder boxes_;
};

TEST_F(AboutBox, AcercaTwiceShowsAFreshBoxEachTimeWithTheLibrarysVersionLine) {
  ASSERT_EQ(Acerca(), S_OK);
  ASSERT_EQ(Acerca(), S_OK);
  ASSERT_EQ(boxes_.Recorded().size(), 2u);
  for (const win32::RecordedMessageBox& box : boxes_.Recorded()) {
    EXPECT_EQ(box.title, L"About Control KovraDouble");
    EXPECT_EQ(box.text, L"Version: 1.0.1\nKovra Controls\nActiveX Controls.");
  }
}

// What the user sees and does in the box, from a timer inside its loop.
struct BoxVisit {
  HWND dialog = nullptr;
  HWND owner = reinterpret_cast<HWND>(1);
  std::wstring versionFace;
  std::wstring linkFace;
  COLORREF pictureCorner = CLR_INVALID;
  COLORREF face = CLR_INVALID;
  bool clickedLink = false;
};
BoxVisit* visit = nullptr;

void CALLBACK ActInBox(HWND dialog, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(dialog, timer);
  ::UpdateWindow(dialog);
  HDC dc = ::GetDC(dialog);
  visit->pictureCorner = ::GetPixel(dc, 2, 2);
  ::ReleaseDC(dialog, dc);
  visit->face = ::GetSysColor(COLOR_BTNFACE);
  if (HWND link = ChildWithText(dialog, L"ActiveX Controls.")) {
    // A click on the link: the label tells its dialog, which opens the page, then OK.
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(link), STN_CLICKED),
                   reinterpret_cast<LPARAM>(link));
    visit->clickedLink = true;
  }
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

TEST_F(AboutBox, HasNoOwnerArialTextsThePictureAndALinkWhoseShellFailureIsTold) {
  const MissingBrowser http(L"http");
  const MissingBrowser https(L"https");
  BoxVisit seen;
  visit = &seen;
  boxes_.OnDialog([&](HWND dialog) {
    seen.dialog = dialog;
    seen.owner = ::GetWindow(dialog, GW_OWNER);
    seen.versionFace = FaceOf(ChildWithText(dialog, L"Version: 1.0.1"));
    seen.linkFace = FaceOf(ChildWithText(dialog, L"ActiveX Controls."));
    ::SetTimer(dialog, 1, 50, &ActInBox);
    return true;
  });
  ASSERT_EQ(Acerca(), S_OK);
  visit = nullptr;
  ASSERT_NE(seen.dialog, nullptr);
  EXPECT_FALSE(::IsWindow(seen.dialog));
  EXPECT_EQ(seen.owner, nullptr);
  EXPECT_EQ(seen.versionFace, L"Arial");
  EXPECT_EQ(seen.linkFace, L"Arial");
  // The product picture fills the box: its corner is not the plain face of a dialog.
  EXPECT_NE(seen.pictureCorner, seen.face);
  EXPECT_NE(seen.pictureCorner, CLR_INVALID);
  ASSERT_TRUE(seen.clickedLink);
  ASSERT_EQ(boxes_.Recorded().size(), 1u);
  const win32::RecordedMessageBox& warning = boxes_.Recorded()[0];
  EXPECT_EQ(warning.title.rfind(L"Err.Number = ", 0), 0u);
  EXPECT_EQ(warning.text.size() >= 4 ? warning.text.substr(warning.text.size() - 4) : L"", L"    ");
  EXPECT_EQ(warning.icon, MessageIcon::Exclamation);
}

}  // namespace
}  // namespace kovra::ocx_test
