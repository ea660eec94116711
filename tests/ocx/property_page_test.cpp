// The three property pages as a property frame drives them: each made through its class
// identifier and driven through IPropertyPage with a site of the test's own — its caption and
// size, loading the first selected control into a real dialog, the user's edits in that dialog,
// the site told once when the page becomes dirty, nothing written before Apply, and Apply
// writing the first control of several — and the system's own property frame opened on a
// control with the control's six pages, a value changed in a page and applied.
// clang-format off
#include <windows.h>  // before commctrl.h and prsht.h, which need its types
// clang-format on
#include <commctrl.h>
#include <gtest/gtest.h>
#include <ocidl.h>
#include <olectl.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "activex/com_object.h"
#include "activex/identifiers.h"
#include "pages/page_definition.h"
#include "platform/win32/form_controls.h"
#include "platform/win32/test_support/message_box_recorder.h"
#include "tests/ocx/control_client.h"

namespace kovra::ocx_test {
namespace {

// A frame's page site that counts what the page tells it.
class RecordingSite final : public activex::ComObject<RecordingSite, IPropertyPageSite> {
 public:
  std::vector<DWORD> statusChanges;

  HRESULT STDMETHODCALLTYPE OnStatusChange(DWORD flags) override {
    statusChanges.push_back(flags);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetLocaleID(LCID* locale) override {
    *locale = LOCALE_USER_DEFAULT;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetPageContainer(IUnknown** container) override {
    *container = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*) override { return S_FALSE; }
};

// The index of a page's control in its table, which names its window in the page's dialog.
std::size_t IndexOf(const pages::PageDefinition& page, std::wstring_view control) {
  for (std::size_t i = 0; i < page.controls.size(); ++i) {
    if (page.controls[i].name == control) return i;
  }
  ADD_FAILURE() << "no control";
  return 0;
}

class PropertyPages : public ::testing::Test {
 protected:
  void SetUp() override {
    control_ = NewControl();
    ASSERT_TRUE(control_);
    parent_ = ::CreateWindowExW(0, L"STATIC", L"frame", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480,
                                nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(parent_, nullptr);
    site_ = activex::MakeObject<RecordingSite>();
  }
  void TearDown() override {
    if (page_) {
      page_->Deactivate();
      page_->SetObjects(0, nullptr);
      page_->SetPageSite(nullptr);
      page_.Reset();
    }
    ::DestroyWindow(parent_);
  }

  // The page of class `classId`, sited, loaded from `objects` and activated in the frame.
  void Open(const CLSID& classId, std::vector<IUnknown*> objects) {
    const ComPtr<IClassFactory> factory = FactoryOf(classId);
    ASSERT_TRUE(factory);
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IPropertyPage, page_.PutVoid()), S_OK);
    ASSERT_EQ(page_->SetPageSite(site_.get()), S_OK);
    ASSERT_EQ(page_->SetObjects(static_cast<ULONG>(objects.size()), objects.data()), S_OK);
    const RECT place{10, 10, 410, 260};
    ASSERT_EQ(page_->Activate(parent_, &place, TRUE), S_OK);
    ASSERT_EQ(page_->Show(SW_SHOW), S_OK);
    dialog_ = ::FindWindowExW(parent_, nullptr, L"#32770", nullptr);
    ASSERT_NE(dialog_, nullptr);
  }
  HWND Box(const pages::PageDefinition& page, std::wstring_view control) const {
    return ::GetDlgItem(dialog_, win32::ElementControlId(IndexOf(page, control)));
  }
  static std::wstring TextOf(HWND window) {
    wchar_t text[256]{};
    ::GetWindowTextW(window, text, 256);
    return text;
  }
  // The user chooses item `index` of a combo box.
  void Choose(HWND combo, int index) const {
    ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
  }

  ComPtr<IDispatch> control_;
  HWND parent_ = nullptr;
  HWND dialog_ = nullptr;
  ComPtr<RecordingSite> site_;
  ComPtr<IPropertyPage> page_;
  win32::MessageBoxRecorder boxes_;
};

TEST_F(PropertyPages, EachPageGivesItsCaptionAndItsSizeInPixels) {
  const std::vector<std::pair<const activex::PageIdentity*, const wchar_t*>> pages{
      {&activex::kPages[0], L"General"},
      {&activex::kPages[1], L"Windows-3D"},
      {&activex::kPages[2], L"Format"}};
  HDC screen = ::GetDC(nullptr);
  const SIZE expected{::MulDiv(5925, ::GetDeviceCaps(screen, LOGPIXELSX), 1440),
                      ::MulDiv(3495, ::GetDeviceCaps(screen, LOGPIXELSY), 1440)};
  ::ReleaseDC(nullptr, screen);
  for (const auto& [identity, caption] : pages) {
    ComPtr<IPropertyPage> page;
    ASSERT_EQ(FactoryOf(identity->pageClass.id)
                  ->CreateInstance(nullptr, IID_IPropertyPage, page.PutVoid()),
              S_OK);
    PROPPAGEINFO info{};
    ASSERT_EQ(page->GetPageInfo(&info), S_OK);
    EXPECT_STREQ(info.pszTitle, caption);
    EXPECT_EQ(info.size.cx, expected.cx);
    EXPECT_EQ(info.size.cy, expected.cy);
    ::CoTaskMemFree(info.pszTitle);
    EXPECT_EQ(page->IsPageDirty(), S_FALSE);
  }
}

TEST_F(PropertyPages, FormatLoadsTheControlWritesNothingBeforeApplyAndTellsTheSiteOnce) {
  ASSERT_EQ(Put(control_.get(), L"DecimalPlaces", Value(short{2})).result, S_OK);
  ASSERT_EQ(Put(control_.get(), L"Value", Value(L"1234.5")).result, S_OK);
  Open(activex::kPages[2].pageClass.id, {control_.get()});
  const pages::PageDefinition& format = pages::FormatPage();
  EXPECT_EQ(TextOf(Box(format, L"txtDecimalPlaces")), L"2");
  EXPECT_EQ(TextOf(Box(format, L"txtValue")), L"1234.5");
  EXPECT_EQ(page_->IsPageDirty(), S_FALSE);
  EXPECT_TRUE(site_->statusChanges.empty());

  ::SetWindowTextW(Box(format, L"txtDecimalPlaces"), L"3");
  ::SetWindowTextW(Box(format, L"txtValue"), L"9876.5");
  ASSERT_EQ(site_->statusChanges.size(), 1u);
  EXPECT_TRUE(site_->statusChanges[0] & PROPPAGESTATUS_DIRTY);
  EXPECT_EQ(page_->IsPageDirty(), S_OK);
  EXPECT_EQ(Text(control_.get(), L"DecimalPlaces"), L"2");

  ASSERT_EQ(page_->Apply(), S_OK);
  EXPECT_EQ(Text(control_.get(), L"DecimalPlaces"), L"3");
  EXPECT_EQ(Text(control_.get(), L"Value"), L"9876.5");
  EXPECT_EQ(page_->IsPageDirty(), S_FALSE);
}

TEST_F(PropertyPages, GeneralTakesCheckBoxClicksAndComboChoices) {
  Open(activex::kPages[0].pageClass.id, {control_.get()});
  const pages::PageDefinition& general = pages::GeneralPage();
  ::SendMessageW(Box(general, L"chkLocked"), BM_CLICK, 0, 0);
  Choose(Box(general, L"Combo2"), 2);
  EXPECT_EQ(page_->IsPageDirty(), S_OK);
  ASSERT_EQ(page_->Apply(), S_OK);
  EXPECT_EQ(Text(control_.get(), L"Locked"), L"True");
  EXPECT_EQ(Text(control_.get(), L"Alignment"), L"2");
  EXPECT_EQ(::SendMessageW(Box(general, L"chkLocked"), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(PropertyPages, XpShowsTheRefusedWidthsMessageAndStillWritesTheCombosAfterIt) {
  Open(activex::kPages[1].pageClass.id, {control_.get()});
  const pages::PageDefinition& xp = pages::XpPage();
  ::SetWindowTextW(Box(xp, L"txtXPBorderWidth"), L"0");
  Choose(Box(xp, L"Combo3"), 2);
  ASSERT_EQ(page_->Apply(), S_OK);
  ASSERT_EQ(boxes_.Recorded().size(), 1u);
  EXPECT_EQ(boxes_.Recorded()[0].title, L"Ostra DoubleSingle Error");
  EXPECT_EQ(Text(control_.get(), L"WinBorderWidth"), L"1");
  EXPECT_EQ(Text(control_.get(), L"WinTheme"), L"2");
}

TEST_F(PropertyPages, WithSeveralObjectsTheFirstIsLoadedAndWritten) {
  ComPtr<IDispatch> second = NewControl();
  ASSERT_EQ(Put(second.get(), L"DecimalPlaces", Value(short{5})).result, S_OK);
  Open(activex::kPages[2].pageClass.id, {control_.get(), second.get()});
  const pages::PageDefinition& format = pages::FormatPage();
  EXPECT_EQ(TextOf(Box(format, L"txtDecimalPlaces")), L"2");
  ::SetWindowTextW(Box(format, L"txtDecimalPlaces"), L"4");
  ASSERT_EQ(page_->Apply(), S_OK);
  EXPECT_EQ(Text(control_.get(), L"DecimalPlaces"), L"4");
  EXPECT_EQ(Text(second.get(), L"DecimalPlaces"), L"5");
}

TEST_F(PropertyPages, TheFramesKeysMoveThroughTheControlsInTabOrder) {
  Open(activex::kPages[2].pageClass.id, {control_.get()});
  const pages::PageDefinition& format = pages::FormatPage();
  ::SetFocus(Box(format, L"txtValue"));
  ASSERT_EQ(::GetFocus(), Box(format, L"txtValue"));
  MSG tab{Box(format, L"txtValue"), WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_EQ(page_->TranslateAccelerator(&tab), S_OK);
  EXPECT_EQ(::GetFocus(), Box(format, L"txtMaxValue"));
  MSG elsewhere{parent_, WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_EQ(page_->TranslateAccelerator(&elsewhere), S_FALSE);
}

}  // namespace
}  // namespace kovra::ocx_test
