// What KovraDouble.ocx costs beside what a program would pay otherwise, measured in one run
// under the same conditions and printed as ratios; nothing is asserted, since the numbers move
// with the machine:
//   - a late-bound read of Value through IDispatch::Invoke against an IDispatch that does no
//     work at all, and of MaxValue, which the control keeps itself (the call without the EDIT's
//     text behind it);
//   - making a control, loading it from a property bag and letting it go, against making and
//     destroying an EDIT with an up-down control as its buddy (the system's own numeric box);
//   - the GDI and USER objects one control holds against that EDIT with its buddy, and how many
//     controls one process can hold before the system's default per-process limits of 10,000
//     GDI and 10,000 USER objects.
//
// Usage: KOVRA_OCX=path\KovraDouble.ocx kovra_ocx_bench.exe
// The common controls' header needs windows.h before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on
#include <ocidl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "activex/untyped_dispatch.h"
#include "tests/ocx/control_client.h"
#include "tests/ocx/memory_property_bag.h"
#include "tests/ocx/process_resources.h"

namespace {

using kovra::ocx_test::ComPtr;
using kovra::ocx_test::ComVariant;
using kovra::ocx_test::MemoryPropertyBag;

constexpr int kRounds = 5;
// The system's default per-process quotas of GDI and USER objects.
constexpr double kProcessQuota = 10000;

double Milliseconds() {
  LARGE_INTEGER count;
  LARGE_INTEGER frequency;
  ::QueryPerformanceCounter(&count);
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Microseconds per call of `work`: the median of the rounds, each `calls` calls long.
template <typename Work>
double MicrosecondsPerCall(int calls, Work&& work) {
  std::vector<double> rounds;
  for (int round = 0; round < kRounds; ++round) {
    const double start = Milliseconds();
    for (int i = 0; i < calls; ++i) work();
    rounds.push_back((Milliseconds() - start) * 1000.0 / calls);
  }
  std::sort(rounds.begin(), rounds.end());
  return rounds[rounds.size() / 2];
}

void PrintRatio(const char* what, double ours, double baseline, const char* unit) {
  std::printf("%-58s %10.3f %s  baseline %10.3f %s  ratio %8.1f\n", what, ours, unit, baseline,
              unit, ours / baseline);
}

// The baseline of a late-bound call: an IDispatch whose Invoke does nothing.
class IdleDispatch final : public kovra::activex::UntypedDispatch<> {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = this;
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                   EXCEPINFO*, UINT*) override {
    if (result != nullptr) result->vt = VT_EMPTY;
    return S_OK;
  }
};

void ReadProperty(IDispatch* target, DISPID id) {
  DISPPARAMS none{};
  VARIANT result;
  ::VariantInit(&result);
  target->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr,
                 nullptr);
  ::VariantClear(&result);
}

// The system's numeric box: an EDIT with an up-down control attached to it.
struct SpinEdit {
  HWND edit;
  HWND spin;
};

SpinEdit MakeSpinEdit(HWND parent) {
  SpinEdit box{};
  box.edit = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"0.00",
                               WS_CHILD | WS_VISIBLE | ES_RIGHT | ES_AUTOHSCROLL, 0, 0, 120, 22,
                               parent, nullptr, nullptr, nullptr);
  box.spin = ::CreateWindowExW(0, UPDOWN_CLASSW, L"",
                               WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_SETBUDDYINT, 0, 0, 0, 0,
                               parent, nullptr, nullptr, nullptr);
  ::SendMessageW(box.spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(box.edit), 0);
  ::SendMessageW(box.spin, UDM_SETRANGE32, 0, 100);
  return box;
}

void DestroySpinEdit(const SpinEdit& box) {
  ::DestroyWindow(box.spin);
  ::DestroyWindow(box.edit);
}

// A control loaded from `bag`, with its windows made.
ComPtr<IDispatch> LoadedControl(IPropertyBag* bag) {
  ComPtr<IDispatch> control = kovra::ocx_test::NewControl();
  ComPtr<IPersistPropertyBag> persist;
  if (control && SUCCEEDED(control->QueryInterface(IID_IPersistPropertyBag, persist.PutVoid()))) {
    persist->Load(bag, nullptr);
  }
  return control;
}

}  // namespace

int main() {
  if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 3;
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_UPDOWN_CLASS};
  ::InitCommonControlsEx(&classes);
  HWND parent = ::CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                  nullptr, nullptr, nullptr);

  ComPtr<IDispatch> control = kovra::ocx_test::NewControl();
  if (!control) {
    std::fprintf(stderr, "ocx-bench: cannot make a control (is KOVRA_OCX set?)\n");
    return 2;
  }
  kovra::ocx_test::Put(control.get(), L"Value", kovra::ocx_test::Value(L"1234.5"));
  ComPtr<MemoryPropertyBag> bag = kovra::activex::MakeObject<MemoryPropertyBag>();
  ComPtr<IPersistPropertyBag> persist;
  control->QueryInterface(IID_IPersistPropertyBag, persist.PutVoid());
  persist->Save(bag.get(), FALSE, TRUE);

  std::printf("KovraDouble.ocx against the system's own, in one run (medians of %d rounds)\n",
              kRounds);
  IdleDispatch idle;
  IDispatch* volatile baseline = &idle;
  const double idleInvoke = MicrosecondsPerCall(100000, [&] { ReadProperty(baseline, 0); });
  const double invoke = MicrosecondsPerCall(20000, [&] { ReadProperty(control.get(), 0); });
  PrintRatio("late-bound read of Value (IDispatch::Invoke)", invoke, idleInvoke, "us");
  // A property kept in the control itself: the call without the EDIT's text behind it.
  const DISPID maxValue = kovra::ocx_test::IdOf(control.get(), L"MaxValue");
  const double member = MicrosecondsPerCall(100000, [&] { ReadProperty(control.get(), maxValue); });
  PrintRatio("late-bound read of MaxValue, kept in the control", member, idleInvoke, "us");

  const double lives = MicrosecondsPerCall(40, [&] { LoadedControl(bag.get()); });
  const double spinEdits = MicrosecondsPerCall(40, [&] { DestroySpinEdit(MakeSpinEdit(parent)); });
  PrintRatio("make, load from a bag and let go a control", lives / 1000.0, spinEdits / 1000.0,
             "ms");

  constexpr int kHeld = 50;
  const kovra::ocx_test::ProcessResources empty = kovra::ocx_test::MeasureProcessResources();
  std::vector<ComPtr<IDispatch>> controls;
  for (int i = 0; i < kHeld; ++i) controls.push_back(LoadedControl(bag.get()));
  const kovra::ocx_test::ProcessResources withControls = kovra::ocx_test::MeasureProcessResources();
  controls.clear();
  std::vector<SpinEdit> boxes;
  const kovra::ocx_test::ProcessResources beforeBoxes = kovra::ocx_test::MeasureProcessResources();
  for (int i = 0; i < kHeld; ++i) boxes.push_back(MakeSpinEdit(parent));
  const kovra::ocx_test::ProcessResources withBoxes = kovra::ocx_test::MeasureProcessResources();
  for (const SpinEdit& box : boxes) DestroySpinEdit(box);

  const double controlGdi = (withControls.gdiObjects - empty.gdiObjects) / double{kHeld};
  const double controlUser = (withControls.userObjects - empty.userObjects) / double{kHeld};
  const double boxGdi = (withBoxes.gdiObjects - beforeBoxes.gdiObjects) / double{kHeld};
  const double boxUser = (withBoxes.userObjects - beforeBoxes.userObjects) / double{kHeld};
  std::printf("%-58s %10.1f GDI %6.1f USER  baseline %6.1f GDI %6.1f USER\n",
              "objects one loaded control holds", controlGdi, controlUser, boxGdi, boxUser);
  const double byGdi = controlGdi > 0 ? kProcessQuota / controlGdi : 1e9;
  const double byUser = controlUser > 0 ? kProcessQuota / controlUser : 1e9;
  std::printf("%-58s %10.0f (GDI limit %0.f, USER limit %0.f)\n",
              "controls one process holds before the default limits", std::min(byGdi, byUser),
              byGdi, byUser);

  control.Reset();
  persist.Reset();
  kovra::ocx_test::PumpMessages();
  ::DestroyWindow(parent);
  ::CoUninitialize();
  return 0;
}
