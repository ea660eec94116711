// The control on a form, as an OLE container hosts it: activation in place and in the user
// interface with the site told at each step, keys offered by the container's message loop
// (Text1's keys stay in the control, Tab goes back to the form), focus and Validate between two
// controls, the control's picture drawn into memory and metafile device contexts, sizes given
// and asked for, events held while frozen, ambient properties and the extender, and forms made
// and closed a thousand times leaving nothing behind. Needs a display (scripts/ocx-tests.sh runs
// these tests under a virtual X server).
#include <gtest/gtest.h>
#include <objsafe.h>
#include <olectl.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "activex/com_object.h"
#include "activex/identifiers.h"
#include "platform/win32/test_support/message_box_recorder.h"
#include "tests/ocx/control_client.h"
#include "tests/ocx/process_resources.h"
#include "tools/container/form.h"

namespace kovra::ocx_test {
namespace {

using container::Form;
using container::FormSite;
using container::SitePolicy;

// A form of `count` new controls in a column (120 × 24 pixels, 40 apart), active in place.
std::unique_ptr<Form> FormOf(int count, const SitePolicy& policy = {}) {
  auto form = std::make_unique<Form>(400, 20 + count * 40, L"Form", policy);
  for (int i = 0; i < count; ++i) {
    const ComPtr<IOleObject> control = NewControl().As<IOleObject>();
    EXPECT_EQ(form->Place(control, {10, 10 + i * 40, 130, 34 + i * 40}), i);
  }
  return form;
}

bool Logged(const std::vector<std::wstring>& log, const std::wstring& line) {
  return std::find(log.begin(), log.end(), line) != log.end();
}

std::wstring WindowText(HWND window) {
  wchar_t text[256] = {};
  ::GetWindowTextW(window, text, 256);
  return text;
}

RECT WindowPlace(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The pixels of `width` × `height` drawn by `paint` into a fresh 32-bit memory bitmap.
template <typename Paint>
std::vector<DWORD> PixelsOf(int width, int height, Paint paint) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = ::CreateCompatibleDC(nullptr);
  HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(dc, bitmap);
  paint(dc);
  ::GdiFlush();
  std::vector<DWORD> pixels(static_cast<const DWORD*>(bits),
                            static_cast<const DWORD*>(bits) + width * height);
  ::SelectObject(dc, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
  for (DWORD& p : pixels) p &= 0x00FFFFFF;
  return pixels;
}

std::vector<DWORD> Drawn(IViewObject* view, int width, int height) {
  return PixelsOf(width, height, [&](HDC dc) {
    const RECTL bounds{0, 0, width, height};
    EXPECT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &bounds, nullptr,
                         nullptr, 0),
              S_OK);
  });
}

bool FrameHasActive(const Form& form) { return static_cast<bool>(form.Frame().active); }
const std::vector<std::wstring>& FrameLogOf(const Form& form) { return form.Frame().log; }

// A sink of the control's events that counts them by identifier.
class EventCounter final : public activex::ComObject<EventCounter, IDispatch> {
 public:
  static std::span<const activex::InterfaceEntry<EventCounter>> Interfaces() {
    static const activex::InterfaceEntry<EventCounter> rows[] = {
        activex::Answers<EventCounter, IDispatch>(),
        {&activex::kEventInterface.id,
         [](EventCounter& sink) -> IUnknown* { return static_cast<IDispatch*>(&sink); }}};
    return rows;
  }
  std::vector<DISPID> raised;
  int Count(DISPID id) const {
    return static_cast<int>(std::count(raised.begin(), raised.end(), id));
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    raised.push_back(id);
    return S_OK;
  }
};

// Connects `sink` to the control's events; the connection's cookie.
DWORD Connect(IDispatch* control, IDispatch* sink, ComPtr<IConnectionPoint>& point) {
  ComPtr<IConnectionPointContainer> points;
  control->QueryInterface(IID_IConnectionPointContainer, points.PutVoid());
  points->FindConnectionPoint(activex::kEventInterface.id, point.Put());
  DWORD cookie = 0;
  point->Advise(sink, &cookie);
  return cookie;
}

void PaintNow(const Form& form) {
  ::RedrawWindow(form.Window(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// Where two pictures of `width` pixels a row differ: the count and the first few places.
std::string Differences(const std::vector<DWORD>& a, const std::vector<DWORD>& b, int width) {
  std::string places;
  int count = 0;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (a[i] == b[i]) continue;
    if (++count <= 8) {
      char line[96];
      std::snprintf(line, sizeof line, " (%d,%d) %06lx/%06lx", static_cast<int>(i) % width,
                    static_cast<int>(i) / width, static_cast<unsigned long>(a[i]),
                    static_cast<unsigned long>(b[i]));
      places += line;
    }
  }
  return std::to_string(count) + " pixels differ:" + places;
}

SIZE ClientSize(HWND window) {
  RECT r{};
  ::GetClientRect(window, &r);
  return {r.right, r.bottom};
}

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
  EXPECT_EQ(pages.pElems[3], activex::kStandardPages[0].id);  // StandardColor
  EXPECT_EQ(pages.pElems[4], activex::kStandardPages[1].id);  // StandardFont
  EXPECT_EQ(pages.pElems[5], activex::kStandardPages[2].id);  // StandardPicture
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

TEST(Container, ValidateCancelKeepsTheFocusWithAModalBoxOwnedByTheForm) {
  win32::MessageBoxRecorder boxes;
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

TEST(Container, DrawingIntoAMemoryContextGivesTheWindowsPixels) {
  const auto made = FormOf(1);
  Form& form = *made;
  IDispatch* control = form.Automation(0);
  ASSERT_EQ(Put(control, L"ButtonSpin", Boolean(true)).result, S_OK);
  ASSERT_EQ(Put(control, L"Value", Value(L"12.5")).result, S_OK);
  form.Pump();
  PaintNow(form);
  HWND window = form.ControlWindow(0);
  const SIZE size = ClientSize(window);
  const std::vector<DWORD> onScreen = PixelsOf(size.cx, size.cy, [&](HDC dc) {
    HDC screen = ::GetDC(window);
    ::BitBlt(dc, 0, 0, size.cx, size.cy, screen, 0, 0, SRCCOPY);
    ::ReleaseDC(window, screen);
  });
  const auto view = ComPtr<IOleObject>(form.Control(0)).As<IViewObject>();
  const std::vector<DWORD> drawn = Drawn(view.get(), size.cx, size.cy);
  EXPECT_TRUE(drawn == onScreen) << Differences(drawn, onScreen, size.cx);

  // Into a metafile: played back, the same picture.
  // A frame of exactly the control's pixels, in the screen's hundredths of a millimetre.
  HDC screen = ::GetDC(nullptr);
  const RECT frame{
      0, 0, size.cx * ::GetDeviceCaps(screen, HORZSIZE) * 100 / ::GetDeviceCaps(screen, HORZRES),
      size.cy * ::GetDeviceCaps(screen, VERTSIZE) * 100 / ::GetDeviceCaps(screen, VERTRES)};
  ::ReleaseDC(nullptr, screen);
  HDC recorder = ::CreateEnhMetaFileW(nullptr, nullptr, &frame, nullptr);
  const RECTL bounds{0, 0, size.cx, size.cy};
  EXPECT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, recorder, &bounds, nullptr,
                       nullptr, 0),
            S_OK);
  HENHMETAFILE metafile = ::CloseEnhMetaFile(recorder);
  const std::vector<DWORD> played = PixelsOf(size.cx, size.cy, [&](HDC dc) {
    const RECT all{0, 0, size.cx, size.cy};
    ::PlayEnhMetaFile(dc, metafile, &all);
  });
  ::DeleteEnhMetaFile(metafile);
  EXPECT_TRUE(played == drawn) << Differences(played, drawn, size.cx);

  // Out of place, the control still draws itself.
  form.Control(0)->Close(OLECLOSE_NOSAVE);
  const std::vector<DWORD> inactive = Drawn(view.get(), size.cx, size.cy);
  EXPECT_TRUE(inactive == drawn) << Differences(inactive, drawn, size.cx);
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
  ComPtr<EventCounter> counter = activex::MakeObject<EventCounter>();
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

TEST(Container, AThousandFormsLeaveNothingBehind) {
  const auto live = [] {
    const auto made = FormOf(2);
    Form& form = *made;
    form.Control(0)->DoVerb(OLEIVERB_UIACTIVATE, nullptr, &form.Site(0), 0, form.Window(),
                            &form.Site(0).place);
    form.Type(L"5");
    form.PressKey(VK_TAB);
  };
  for (int i = 0; i < 20; ++i) live();
  PumpMessages();
  const ProcessResources before = MeasureProcessResources();
  for (int i = 0; i < 1000; ++i) live();
  PumpMessages();
  const ProcessResources after = MeasureProcessResources();
  EXPECT_EQ(after.windows, before.windows);
  EXPECT_EQ(after.userObjects, before.userObjects);
  EXPECT_EQ(after.gdiObjects, before.gdiObjects);
  EXPECT_LT(after.heapBytes, before.heapBytes + 64 * 1024);
  EXPECT_EQ(LibraryCanUnloadNow(), S_OK);
}

}  // namespace
}  // namespace kovra::ocx_test
