// Ten thousand controls made, used and let go one after another leave nothing behind: no COM
// object of the library (it may unload afterwards), no window or other USER object, no GDI
// object, no heap memory. Each one is used the ways that make windows, font and picture
// objects, connections and saved forms.
#include <gtest/gtest.h>
#include <ocidl.h>

#include "activex/com_object.h"
#include "activex/identifiers.h"
#include "platform/win32/test_support/message_box_recorder.h"
#include "tests/ocx/event_recorder.h"
#include "tests/ocx/persistence_support.h"
#include "tests/ocx/resource_expectations.h"

namespace kovra::ocx_test {
namespace {

constexpr int kCycles = 10000;
constexpr int kWarmUp = 50;  // the system's own caches fill in the first cycles
// Heap growth that stays below what a leak of one block a cycle would leave.
constexpr std::size_t kHeapSlack = 64 * 1024;

// One control's life: its windows and properties and its font object; every tenth one an event
// connection with a typed key and a saved form; every hundredth a load, a picture and a repaint.
void Live(int cycle, const std::vector<std::byte>& form) {
  ComPtr<IDispatch> control = NewControl();
  ASSERT_TRUE(control);
  ASSERT_EQ(Put(control.get(), L"Value", Value(L"12.5")).result, S_OK);
  ASSERT_EQ(Get(control.get(), L"Font").value.get().vt, VT_DISPATCH);
  if (cycle % 10 != 0) return;

  ComPtr<IConnectionPointContainer> container;
  ComPtr<IConnectionPoint> point;
  ASSERT_EQ(control->QueryInterface(IID_IConnectionPointContainer, container.PutVoid()), S_OK);
  ASSERT_EQ(container->FindConnectionPoint(activex::kEventInterface.id, point.Put()), S_OK);
  ComPtr<EventRecorder> sink = activex::MakeObject<EventRecorder>();
  DWORD cookie = 0;
  ASSERT_EQ(point->Advise(sink.get(), &cookie), S_OK);
  const HWND edit =
      reinterpret_cast<HWND>(static_cast<LONG_PTR>(Get(control.get(), L"hWnd").value.get().lVal));
  ::SendMessageW(edit, WM_CHAR, L'7', 0);
  ASSERT_FALSE(sink->raised.empty());
  if (cycle % 2 == 0) {
    ASSERT_EQ(point->Unadvise(cookie), S_OK);  // otherwise the control lets the sink go
  }

  ASSERT_FALSE(SavedForm(control.get()).empty());
  if (cycle % 100 == 0) {
    ASSERT_EQ(LoadForm(control.get(), form), S_OK);
    ASSERT_EQ(PutRef(control.get(), L"MouseIcon", Object(NewIconPicture().get())).result, S_OK);
    ASSERT_EQ(Put(control.get(), L"FontBold", Boolean(true)).result, S_OK);
  }
}

TEST(Lifetime, TenThousandControlsLeaveNothingBehind) {
  win32::MessageBoxRecorder boxes;
  std::vector<std::byte> form;
  {
    ComPtr<IDispatch> source = NewControl();
    GiveDistinctValues(source.get());
    form = SavedForm(source.get());
  }
  for (int i = 0; i < kWarmUp; ++i) Live(i, form);
  ExpectLivesLeaveNothing(
      kCycles, [&](int cycle) { Live(cycle, form); }, kHeapSlack);
  EXPECT_TRUE(boxes.Recorded().empty());
}

}  // namespace
}  // namespace kovra::ocx_test
