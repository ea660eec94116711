// The system's own property frame (OleCreatePropertyFrame) opened on a control with the control's
// six pages — General, Windows-3D and Format of the library, then the system's standard colour,
// font and picture pages — with a value typed into the General page and the frame's OK pressed
// from inside the frame's loop, as a user would; the control then holds the value.
#include "tools/container/property_frame.h"

#include <gtest/gtest.h>
#include <ocidl.h>
#include <olectl.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "activex/identifiers.h"
#include "platform/win32/test_support/message_box_recorder.h"
#include "tests/ocx/control_client.h"
#include "tests/ocx/page_classes.h"
#include "tools/container/dialog_visit.h"

namespace kovra::ocx_test {
namespace {

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

TEST(PropertyFrame, AValueTypedIntoAPageAndAppliedWithOkReachesTheControl) {
  const LibraryPageClasses classes;
  ASSERT_TRUE(classes.Offered());
  ComPtr<IDispatch> control = NewControl();
  ASSERT_TRUE(control);
  ASSERT_EQ(Text(control.get(), L"ButtonSpinIncrement"), L"1");
  std::vector<CLSID> six{activex::kPages[0].pageClass.id, activex::kPages[1].pageClass.id,
                         activex::kPages[2].pageClass.id};
  for (const activex::NamedId& page : activex::kStandardPages) six.push_back(page.id);

  HWND sheet = nullptr;
  std::vector<std::wstring> tabs;
  bool typed = false;
  win32::MessageBoxRecorder boxes;
  container::VisitNextDialog(boxes, [&](HWND frame) {
    sheet = frame;
    tabs = container::FrameTabs(frame);
    if (HWND box = container::FramePageBox(frame, L"General", L"txtButtonSpinIncrement")) {
      container::TypeInto(box, L"3");
      typed = true;
    }
    container::PressFrameButton(frame, PSBTN_OK);
    return false;
  });
  IUnknown* objects[] = {control.get()};
  const HRESULT shown = ::OleCreatePropertyFrame(nullptr, 0, 0, L"KovraDouble", 1, objects,
                                                 static_cast<ULONG>(six.size()), six.data(),
                                                 LOCALE_USER_DEFAULT, 0, nullptr);
  ASSERT_EQ(shown, S_OK);
  ASSERT_NE(sheet, nullptr);
  ASSERT_GE(tabs.size(), 3u);
  EXPECT_EQ(tabs[0], L"General");
  EXPECT_EQ(tabs[1], L"Windows-3D");
  EXPECT_EQ(tabs[2], L"Format");
  EXPECT_EQ(static_cast<int>(tabs.size()), 3 + StandardPagesAvailable());
  EXPECT_TRUE(typed);
  EXPECT_EQ(Text(control.get(), L"ButtonSpinIncrement"), L"3");
  EXPECT_TRUE(boxes.Recorded().empty());
}

}  // namespace
}  // namespace kovra::ocx_test
