// The control on a form, as an OLE container hosts it: activation in place and in the user
// interface with the site told at each step, keys offered by the container's message loop
// (Text1's keys stay in the control, Tab goes back to the form), focus and Validate between two
// controls, sizes given and asked for, events held while frozen, ambient properties and the
// extender, and forms made and closed a thousand times leaving nothing behind. Needs a display
// (scripts/ocx-tests.sh runs these tests under a virtual X server).
#include <gtest/gtest.h>
#include <objsafe.h>
#include <oleacc.h>
#include <olectl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "activex/com_object.h"
#include "activex/identifiers.h"
#include "platform/win32/test_support/message_box_recorder.h"
#include "tests/ocx/container_support.h"
#include "tests/ocx/control_client.h"
#include "tests/ocx/event_recorder.h"
#include "tests/ocx/resource_expectations.h"

namespace kovra::ocx_test {
namespace {

bool FrameHasActive(const Form& form) { return static_cast<bool>(form.Frame().active); }
const std::vector<std::wstring>& FrameLogOf(const Form& form) { return form.Frame().log; }

TEST(Container, ActivationTellsTheSiteAtEachStep) {
  const auto made = FormOf(1);
  Form& form = *made;
  IOleObject* control = form.Control(0);
  ASSERT_NE(control, nullptr);
  DWORD status = 0;
  EXPECT_EQ(control->GetMiscStatus(DVASPECT_CONTENT, &status), S_OK);
  EXPECT_EQ(status, 131473u);
  EXPECT_TRUE(Logged(form.Site(0).log, L"OnInPlaceActivate"));
  EXPECT_EQ(::GetParent(form.ControlWindow(0)), form.Window());
  const RECT place = WindowPlace(form.ControlWindow(0));
  EXPECT_EQ(place.left, 10);
  EXPECT_EQ(place.right, 130);
  EXPECT_FALSE(FrameHasActive(form));

  EXPECT_EQ(control->DoVerb(OLEIVERB_UIACTIVATE, nullptr, &form.Site(0), 0, form.Window(),
                            &form.Site(0).place),
            S_OK);
  form.Pump();
  EXPECT_TRUE(Logged(form.Site(0).log, L"OnUIActivate"));
  EXPECT_TRUE(Logged(form.Site(0).log, L"OnFocus(1)"));
  EXPECT_TRUE(FrameHasActive(form));
  EXPECT_EQ(::GetFocus(), form.Text1Window(0));
  // Focus entry shows the EditMask with the whole text selected.
  DWORD start = 0, end = 0;
  ::SendMessageW(form.Text1Window(0), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(WindowText(form.Text1Window(0)), L"0.00");
  EXPECT_EQ(end - start, 4u);

  SIZEL extent{};
  EXPECT_EQ(control->GetExtent(DVASPECT_CONTENT, &extent), S_OK);
  EXPECT_NEAR(extent.cx, 120 * 2540 / 96, 30);

  EXPECT_EQ(control->Close(OLECLOSE_NOSAVE), S_OK);
  EXPECT_TRUE(Logged(form.Site(0).log, L"OnUIDeactivate"));
  EXPECT_TRUE(Logged(form.Site(0).log, L"OnInPlaceDeactivate"));
  HWND window = nullptr;
  EXPECT_EQ(form.Site(0).control.As<IOleWindow>()->GetWindow(&window), E_FAIL);
}

TEST(Container, AnswersTheInterfacesAContainerAsksFor) {
  const auto made = FormOf(1);
  Form& form = *made;
  const ComPtr<IOleObject> control(form.Control(0));
  for (const IID* iid : {&IID_IOleInPlaceObject, &IID_IOleInPlaceActiveObject, &IID_IOleControl,
                         &IID_IOleWindow, &IID_IViewObject, &IID_IViewObject2, &IID_IViewObjectEx,
                         &IID_IQuickActivate, &IID_ISpecifyPropertyPages, &IID_IObjectSafety}) {
    ComPtr<IUnknown> facet;
    EXPECT_EQ(control->QueryInterface(*iid, facet.PutVoid()), S_OK);
  }
  CAUUID pages{};
  ASSERT_EQ(control.As<ISpecifyPropertyPages>()->GetPages(&pages), S_OK);
  ASSERT_EQ(pages.cElems, 6u);
  EXPECT_EQ(pages.pElems[0], activex::kPages[0].pageClass.id);  // DoubleGeneral
  EXPECT_EQ(pages.pElems[1], activex::kPages[1].pageClass.id);  // XP
  EXPECT_EQ(pages.pElems[2], activex::kPages[2].pageClass.id);  // DoubleFormat
  EXPECT_EQ(pages.pElems[3], activex::kStandardPages[0].id);    // StandardColor
  EXPECT_EQ(pages.pElems[4], activex::kStandardPages[1].id);    // StandardFont
  EXPECT_EQ(pages.pElems[5], activex::kStandardPages[2].id);    // StandardPicture
  ::CoTaskMemFree(pages.pElems);

  ComPtr<IObjectSafety> safety;  // MinGW declares no __uuidof for it
  ASSERT_EQ(control->QueryInterface(IID_IObjectSafety, safety.PutVoid()), S_OK);
  const DWORD both = INTERFACESAFE_FOR_UNTRUSTED_CALLER | INTERFACESAFE_FOR_UNTRUSTED_DATA;
  DWORD supported = 0, enabled = 0;
  EXPECT_EQ(safety->GetInterfaceSafetyOptions(IID_IDispatch, &supported, &enabled), S_OK);
  EXPECT_EQ(supported, both);
  EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IPersistPropertyBag, both, both), S_OK);
  EXPECT_EQ(safety->GetInterfaceSafetyOptions(IID_IPersistPropertyBag, &supported, &enabled), S_OK);
  EXPECT_EQ(enabled, both);
  EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IClassFactory, both, both), E_NOINTERFACE);

  CONTROLINFO info{sizeof(CONTROLINFO), nullptr, 0, 0};
  EXPECT_EQ(control.As<IOleControl>()->GetControlInfo(&info), S_OK);
  EXPECT_EQ(info.cAccel, 0);
}

TEST(Container, Text1KeepsItsKeysAndTabGoesBackToTheForm) {
  const auto made = FormOf(2);
  Form& form = *made;
  form.Control(0)->DoVerb(OLEIVERB_UIACTIVATE, nullptr, &form.Site(0), 0, form.Window(),
                          &form.Site(0).place);
  form.Pump();
  form.Type(L"1234");
  EXPECT_EQ(WindowText(form.Text1Window(0)), L"1234.00");
  // Home, Right and Delete: the caret moves and the key deletes in Text1, not in the form.
  form.PressKey(VK_HOME);
  form.PressKey(VK_RIGHT);
  form.PressKey(VK_DELETE);
  EXPECT_EQ(WindowText(form.Text1Window(0)), L"134.00");
  // Select all and copy; pasted over the other control's text below.
  ::SendMessageW(form.Text1Window(0), EM_SETSEL, 0, -1);
  form.PressKey('C', 2);
  EXPECT_TRUE(Logged(form.Site(0).log, L"OnFocus(1)"));
  EXPECT_FALSE(
      std::any_of(form.Site(0).log.begin(), form.Site(0).log.end(),
                  [](const std::wstring& line) { return line.rfind(L"TranslateAcc", 0) == 0; }));

  form.PressKey(VK_TAB);
  EXPECT_TRUE(Logged(form.Site(0).log, L"TranslateAccelerator(9,0)"));
  EXPECT_EQ(form.Focused(), 1);
  EXPECT_TRUE(Logged(form.Site(0).log, L"OnFocus(0)"));
  EXPECT_TRUE(Logged(form.Site(1).log, L"OnFocus(1)"));
  EXPECT_TRUE(Logged(form.Site(0).log, L"OnUIDeactivate"));
  // The first control shows its DisplayMask again; the second took the clipboard's text.
  EXPECT_EQ(WindowText(form.Text1Window(0)), L"134.00");
  form.PressKey('V', 2);
  EXPECT_EQ(WindowText(form.Text1Window(1)), L"134.00");
  form.PressKey(VK_RETURN);
  form.PressKey(VK_ESCAPE);
  EXPECT_TRUE(Logged(form.Site(1).log, L"TranslateAccelerator(13,0)"));
  EXPECT_TRUE(Logged(form.Site(1).log, L"TranslateAccelerator(27,0)"));
}

TEST(Container, AClickOnTheFrameFocusesText1AndRaisesOneClick) {
  const auto made = FormOf(2);
  Form& form = *made;
  ComPtr<EventRecorder> counter = activex::MakeObject<EventRecorder>();
  ComPtr<IConnectionPoint> point;
  const DWORD cookie = Connect(form.Automation(1), counter.get(), point);
  const RECT place = form.Site(1).place;
  form.Click({place.left + 1, place.top + 1});  // on the frame band, outside Text1
  EXPECT_EQ(form.Focused(), 1);
  EXPECT_EQ(::GetFocus(), form.Text1Window(1));
  EXPECT_EQ(counter->Count(2), 1);  // Click
  EXPECT_TRUE(Logged(form.Site(1).log, L"OnFocus(1)"));
  point->Unadvise(cookie);
}

TEST(Container, ValidateCancelKeepsTheFocusWithAModalBoxOwnedByTheForm) {
  win32::MessageBoxRecorder boxes;
  HWND owner = nullptr;
  boxes.OnRecorded([&](const win32::RecordedMessageBox& box) {
    owner = ::GetWindow(::FindWindowW(L"#32770", box.title.c_str()), GW_OWNER);
  });
  const auto made = FormOf(2);
  Form& form = *made;
  IDispatch* first = form.Automation(0);
  ASSERT_EQ(Put(first, L"ButtonSpinEdit", Value(short{1})).result, S_OK);  // before the refresh
  ASSERT_EQ(Put(first, L"ButtonSpin", Boolean(true)).result, S_OK);
  form.Control(0)->DoVerb(OLEIVERB_UIACTIVATE, nullptr, &form.Site(0), 0, form.Window(),
                          &form.Site(0).place);
  form.Pump();
  form.Type(L"150");
  form.PressKey(VK_TAB);
  form.Pump();
  ASSERT_EQ(boxes.Recorded().size(), 1u);
  EXPECT_EQ(boxes.Recorded()[0].text, L"The value cannot be bigger than 100    ");
  EXPECT_EQ(owner, form.Window());
  EXPECT_EQ(form.Focused(), 0);
  EXPECT_FALSE(Logged(form.Site(0).log, L"OnFocus(0)"));
  EXPECT_TRUE(Logged(FrameLogOf(form), L"EnableModeless(0)"));
  EXPECT_TRUE(Logged(FrameLogOf(form), L"EnableModeless(1)"));

  ::SendMessageW(form.Text1Window(0), EM_SETSEL, 0, -1);
  form.Type(L"50");
  form.PressKey(VK_TAB);
  EXPECT_EQ(boxes.Recorded().size(), 1u);
  EXPECT_EQ(form.Focused(), 1);
  EXPECT_TRUE(Logged(form.Site(0).log, L"OnFocus(0)"));
  EXPECT_EQ(Text(first, L"Value"), L"50");
}

TEST(Container, NewPlaceRunsTheFullRefreshAndHeightRulesAskTheContainer) {
  const auto made = FormOf(1);
  Form& form = *made;
  HWND text1 = form.Text1Window(0);
  const int narrow = WindowPlace(text1).right - WindowPlace(text1).left;
  RECT wider{10, 10, 210, 34};
  RECT clip{0, 0, 400, 400};
  ASSERT_EQ(form.Site(0).control.As<IOleInPlaceObject>()->SetObjectRects(&wider, &clip), S_OK);
  EXPECT_EQ(WindowPlace(text1).right - WindowPlace(text1).left, narrow + 80);

  // Too low for its text: the minimum height is asked of the container, which grants it.
  RECT low{10, 10, 210, 14};
  form.Site(0).control.As<IOleInPlaceObject>()->SetObjectRects(&low, &clip);
  const auto asked =
      std::find_if(form.Site(0).log.begin(), form.Site(0).log.end(),
                   [](const std::wstring& l) { return l.rfind(L"OnPosRect", 0) == 0; });
  ASSERT_NE(asked, form.Site(0).log.end());
  EXPECT_GT(ClientSize(form.ControlWindow(0)).cy, 4);
  EXPECT_EQ(ClientSize(form.ControlWindow(0)).cy,
            form.Site(0).place.bottom - form.Site(0).place.top);
}

TEST(Container, AContainerThatRefusesAHeightKeepsItsOwn) {
  SitePolicy policy;
  policy.grantedHeight = 6;
  const auto made = FormOf(1, policy);
  Form& form = *made;
  RECT low{10, 10, 130, 16};
  RECT clip{0, 0, 400, 400};
  form.Site(0).control.As<IOleInPlaceObject>()->SetObjectRects(&low, &clip);
  EXPECT_EQ(ClientSize(form.ControlWindow(0)).cy, 6);
}

TEST(Container, FrozenEventsWaitForTheThaw) {
  const auto made = FormOf(1);
  Form& form = *made;
  IDispatch* control = form.Automation(0);
  ComPtr<EventRecorder> counter = activex::MakeObject<EventRecorder>();
  ComPtr<IConnectionPoint> point;
  const DWORD cookie = Connect(control, counter.get(), point);
  const auto ole = ComPtr<IOleObject>(form.Control(0)).As<IOleControl>();
  ASSERT_EQ(ole->FreezeEvents(TRUE), S_OK);
  ASSERT_EQ(Put(control, L"Value", Value(L"7")).result, S_OK);
  EXPECT_EQ(counter->Count(1), 0);  // Change
  ASSERT_EQ(ole->FreezeEvents(FALSE), S_OK);
  EXPECT_GE(counter->Count(1), 1);
  point->Unadvise(cookie);
}

TEST(Container, AmbientPropertiesAndTheExtenderComeFromTheSite) {
  SitePolicy policy;
  policy.userMode = false;
  const auto made = FormOf(1, policy);
  Form& form = *made;
  IDispatch* control = form.Automation(0);
  EXPECT_EQ(Text(control, L"FontSize"), L"12");
  EXPECT_GT(form.Site(0).toolTipReads, 0);
  // At design time a disabled control is drawn enabled; at run time it is not.
  ASSERT_EQ(Put(control, L"Enabled", Boolean(false)).result, S_OK);
  EXPECT_TRUE(::IsWindowEnabled(form.Text1Window(0)));
  form.Site(0).policy.userMode = true;
  const auto ole = ComPtr<IOleObject>(form.Control(0)).As<IOleControl>();
  EXPECT_EQ(ole->OnAmbientPropertyChange(DISPID_AMBIENT_USERMODE), S_OK);
  EXPECT_FALSE(::IsWindowEnabled(form.Text1Window(0)));
}

TEST(Container, AssistiveTechnologySeesTheFieldAndPressesTheSpinButtons) {
  const auto made = FormOf(1);
  Form& form = *made;
  IDispatch* control = form.Automation(0);
  ASSERT_EQ(Put(control, L"ButtonSpin", Boolean(true)).result, S_OK);
  ASSERT_EQ(Put(control, L"Value", Value(L"5")).result, S_OK);
  ComPtr<IAccessible> accessible;
  ASSERT_EQ(::AccessibleObjectFromWindow(form.ControlWindow(0), OBJID_CLIENT, IID_IAccessible,
                                         accessible.PutVoid()),
            S_OK);
  LONG count = 0;
  EXPECT_EQ(accessible->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 3);
  const auto child = [](LONG id) {
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
  };
  const auto text = [&](HRESULT (STDMETHODCALLTYPE IAccessible::*read)(VARIANT, BSTR*), LONG id) {
    BSTR b = nullptr;
    ((*accessible).*read)(child(id), &b);
    std::wstring t = b != nullptr ? std::wstring(b, ::SysStringLen(b)) : L"";
    ::SysFreeString(b);
    return t;
  };
  EXPECT_EQ(text(&IAccessible::get_accValue, 1), WindowText(form.Text1Window(0)));
  EXPECT_EQ(text(&IAccessible::get_accName, 2), L"Increase");
  EXPECT_EQ(text(&IAccessible::get_accName, 3), L"Decrease");
  VARIANT role;
  EXPECT_EQ(accessible->get_accRole(child(2), &role), S_OK);
  EXPECT_EQ(role.lVal, ROLE_SYSTEM_PUSHBUTTON);

  EXPECT_EQ(accessible->accDoDefaultAction(child(2)), S_OK);
  form.Pump();
  EXPECT_EQ(Text(control, L"Value"), L"6");
  EXPECT_EQ(accessible->accDoDefaultAction(child(3)), S_OK);
  EXPECT_EQ(accessible->accDoDefaultAction(child(3)), S_OK);
  form.Pump();
  EXPECT_EQ(Text(control, L"Value"), L"4");
}

TEST(Container, AThousandFormsLeaveNothingBehind) {
  const auto live = [](int) {
    const auto made = FormOf(2);
    Form& form = *made;
    form.Control(0)->DoVerb(OLEIVERB_UIACTIVATE, nullptr, &form.Site(0), 0, form.Window(),
                            &form.Site(0).place);
    form.Type(L"5");
    form.PressKey(VK_TAB);
  };
  for (int i = 0; i < 20; ++i) live(i);
  ExpectLivesLeaveNothing(1000, live, 64 * 1024);
}

}  // namespace
}  // namespace kovra::ocx_test
