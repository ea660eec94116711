// The system's property frame on a control placed on a form of our container: opened by the
// container's Properties verb (the control asks its site, which has no frame of its own, and then
// shows the system's, telling the form a modal box is up) and by the container itself with the
// form as owner. Values typed into the control's own pages reach the control only when the frame
// applies them, and reach its window; the frame is gone afterwards and the form works on.
#include <gtest/gtest.h>
#include <olectl.h>
#include <prsht.h>

#include <algorithm>
#include <string>
#include <vector>

#include "activex/identifiers.h"
#include "platform/win32/test_support/message_box_recorder.h"
#include "tests/ocx/container_support.h"
#include "tests/ocx/control_client.h"
#include "tests/ocx/page_classes.h"
#include "tools/container/dialog_visit.h"
#include "tools/container/property_frame.h"

namespace kovra::ocx_test {
namespace {

using container::FramePageBox;
using container::PressFrameButton;
using container::TypeInto;

// What the user saw in the frame while it was open.
struct FrameSeen {
  HWND frame = nullptr;
  std::vector<std::wstring> tabs;
  bool formEnabled = true;
  std::wstring decimalsApplied;  // the control's DecimalPlaces once Apply was pressed
  std::wstring text1Applied;     // and the text its window showed
  bool typed = false;
};

// Types `text` into the page's box `box`; false when the frame does not show it.
bool TypeIntoPage(HWND frame, const wchar_t* page, const wchar_t* box, const wchar_t* text) {
  HWND found = FramePageBox(frame, page, box);
  if (found == nullptr) return false;
  TypeInto(found, text);
  return true;
}

std::size_t Position(const std::vector<std::wstring>& log, const std::wstring& line) {
  return static_cast<std::size_t>(std::find(log.begin(), log.end(), line) - log.begin());
}

TEST(Container, ThePropertiesVerbShowsTheFrameWhoseApplyReachesThePlacedControl) {
  const LibraryPageClasses classes;
  ASSERT_TRUE(classes.Offered());
  const auto made = FormOf(2);
  Form& form = *made;
  IDispatch* first = form.Automation(0);
  ASSERT_EQ(Put(first, L"Value", Value(L"1234.5")).result, S_OK);
  form.Activate(0);
  ASSERT_EQ(form.Focused(), 0);

  FrameSeen seen;
  int visit = 0;
  win32::MessageBoxRecorder boxes;
  container::VisitNextDialog(boxes, [&](HWND frame) {
    switch (visit++) {
      case 0:
        seen.frame = frame;
        seen.tabs = container::FrameTabs(frame);
        seen.formEnabled = ::IsWindowEnabled(form.Window()) != FALSE;
        return container::ShowFrameTab(frame, 2);  // Format, painted before the user types
      case 1:
        seen.typed = TypeIntoPage(frame, L"Format", L"txtDecimalPlaces", L"3") &&
                     TypeIntoPage(frame, L"Format", L"txtValue", L"9876.5");
        PressFrameButton(frame, PSBTN_APPLYNOW);
        return true;
      default:
        seen.decimalsApplied = Text(first, L"DecimalPlaces");
        seen.text1Applied = WindowText(form.Text1Window(0));
        // An edit that is not applied is dropped with the frame.
        TypeIntoPage(frame, L"Format", L"txtDecimalPlaces", L"1");
        PressFrameButton(frame, PSBTN_CANCEL);
        return false;
    }
  });
  RECT place = form.Site(0).place;
  const HRESULT shown = form.Control(0)->DoVerb(OLEIVERB_PROPERTIES, nullptr, &form.Site(0), 0,
                                                form.Window(), &place);
  form.Pump();

  EXPECT_EQ(shown, S_OK);
  ASSERT_NE(seen.frame, nullptr);
  ASSERT_GE(seen.tabs.size(), 3u);
  EXPECT_EQ(seen.tabs[0], L"General");
  EXPECT_EQ(seen.tabs[1], L"Windows-3D");
  EXPECT_EQ(seen.tabs[2], L"Format");
  EXPECT_TRUE(seen.typed);
  EXPECT_EQ(seen.decimalsApplied, L"3");
  EXPECT_EQ(seen.text1Applied, L"9876.500");
  EXPECT_EQ(Text(first, L"DecimalPlaces"), L"3");
  EXPECT_EQ(Text(first, L"Value"), L"9876.5");
  EXPECT_EQ(WindowText(form.Text1Window(0)), L"9876.500");
  EXPECT_EQ(WindowText(form.Text1Window(1)), L"0.00");
  EXPECT_TRUE(boxes.Recorded().empty());

  // The frame is gone, the form was told of it as a modal box, and the form works on.
  EXPECT_FALSE(::IsWindow(seen.frame));
  const std::vector<std::wstring>& told = form.Frame().log;
  EXPECT_LT(Position(told, L"EnableModeless(0)"), Position(told, L"EnableModeless(1)"));
  EXPECT_LT(Position(told, L"EnableModeless(1)"), told.size());
  EXPECT_TRUE(::IsWindowEnabled(form.Window()));
  EXPECT_EQ(::GetActiveWindow(), form.Window());
  HWND focus = ::GetFocus();
  EXPECT_TRUE(focus == form.Window() || ::IsChild(form.Window(), focus));
  form.Activate(1);
  form.Type(L"5");
  EXPECT_EQ(WindowText(form.Text1Window(1)), L"5.00");
  EXPECT_EQ(form.Focused(), 1);
}

TEST(Container, AFrameOwnedByTheFormChangesOnlyTheControlItShows) {
  const LibraryPageClasses classes;
  ASSERT_TRUE(classes.Offered());
  const auto made = FormOf(2);
  Form& form = *made;
  IDispatch* second = form.Automation(1);

  FrameSeen seen;
  win32::MessageBoxRecorder boxes;
  container::VisitNextDialog(boxes, [&](HWND frame) {
    seen.frame = frame;
    seen.typed = TypeIntoPage(frame, L"General", L"txtButtonSpinIncrement", L"25");
    PressFrameButton(frame, PSBTN_OK);
    return false;
  });
  std::vector<CLSID> pages;
  for (const activex::PageIdentity& page : activex::kPages) pages.push_back(page.pageClass.id);
  IUnknown* objects[] = {second};
  const HRESULT shown = ::OleCreatePropertyFrame(form.Window(), 0, 0, L"second", 1, objects,
                                                 static_cast<ULONG>(pages.size()), pages.data(),
                                                 LOCALE_USER_DEFAULT, 0, nullptr);
  form.Pump();

  EXPECT_EQ(shown, S_OK);
  EXPECT_TRUE(seen.typed);
  EXPECT_EQ(Text(second, L"ButtonSpinIncrement"), L"25");
  EXPECT_EQ(Text(form.Automation(0), L"ButtonSpinIncrement"), L"1");
  EXPECT_FALSE(::IsWindow(seen.frame));
  EXPECT_TRUE(::IsWindowEnabled(form.Window()));
  EXPECT_TRUE(boxes.Recorded().empty());
}

}  // namespace
}  // namespace kovra::ocx_test
