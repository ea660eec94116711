// Random property bags against ReadProperties: wrong types, missing keys, huge texts, NaN,
// infinities, 1e308, DecimalPlaces and WinBorderWidth at 32767, and bag texts in the readable
// form. Loading may fail only with the control's own error; afterwards the control must
// refresh, answer Value and save again without crashing or hanging.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>
#include <string>

#include "base/control_error.h"
#include "control/kovra_double.h"
#include "control/persistence.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/text_property_bag.h"
#include "testing/control_probe.h"

namespace {

using namespace kovra;

constexpr double kDoubles[] = {0.0,
                               -0.0,
                               1e308,
                               -1e308,
                               5e-324,
                               std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(),
                               900000000000.0,
                               -2.5};
constexpr std::int16_t kShorts[] = {0, -1, 1, 2, 6, 99, 32767, -32768};
constexpr std::int32_t kLongs[] = {0, -1, 1, 99, 32767, 70000, -2147483643, 2147483647};

Variant RandomValue(FuzzedDataProvider& data) {
  switch (data.ConsumeIntegralInRange(0, 9)) {
    case 0:
      return std::monostate{};
    case 1:
      return data.ConsumeBool();
    case 2:
      return data.PickValueInArray(kShorts);
    case 3:
      return data.PickValueInArray(kLongs);
    case 4:
      return data.ConsumeFloatingPoint<float>();
    case 5:
      return data.PickValueInArray(kDoubles);
    case 6: {
      const std::string bytes = data.ConsumeRandomLengthString(64);
      return std::wstring(bytes.begin(), bytes.end());
    }
    case 7:
      return std::wstring(static_cast<std::size_t>(data.ConsumeIntegralInRange(0, 200000)),
                          data.PickValueInArray({L'9', L'.', L',', L'-', L'x'}));
    case 8:
      return std::make_shared<Font>(Font{L"Tahoma", data.ConsumeFloatingPoint<float>()});
    default:
      return std::make_shared<Picture>(Picture{L"icon"});
  }
}

headless::TextPropertyBag RandomBag(FuzzedDataProvider& data) {
  if (data.ConsumeBool()) {
    // The readable form, as a driver script or a hand-edited file holds it.
    const std::string bytes = data.ConsumeRandomLengthString(512);
    try {
      return headless::TextPropertyBag::Load(std::wstring(bytes.begin(), bytes.end()));
    } catch (const std::invalid_argument&) {
      return headless::TextPropertyBag();
    }
  }
  headless::TextPropertyBag bag;
  const auto keys = PersistedKeys();
  const int count = data.ConsumeIntegralInRange(0, 12);
  for (int i = 0; i < count; ++i) {
    const PersistedKey& key = keys[data.ConsumeIntegralInRange<std::size_t>(0, keys.size() - 1)];
    bag.Put(key.key, RandomValue(data));
  }
  return bag;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const auto presets = headless::HeadlessLocale::Presets();
  headless::HeadlessPlatform platform(
      presets[data.ConsumeIntegralInRange<std::size_t>(0, presets.size() - 1)]);
  KovraDouble control(platform);
  control.SetContainer(&platform.container);
  control.Initialize();
  headless::TextPropertyBag bag = RandomBag(data);
  try {
    control.ReadProperties(bag);
  } catch (const ControlError&) {
    // A value of the wrong kind ends loading with the control's error, as it should.
  }
  if (probe::State(control).changeGuard != 0) __builtin_trap();
  control.UserControl_Resize();
  try {
    (void)control.Value();
    headless::TextPropertyBag saved;
    control.WriteProperties(saved);
    try {
      (void)headless::TextPropertyBag::Load(saved.Save());
    } catch (const std::invalid_argument& e) {
      std::fprintf(stderr, "saved bag does not read back: %s\n%ls\n", e.what(),
                   saved.Save().c_str());
      __builtin_trap();
    }
  } catch (const ControlError&) {
    // A text that is not a number cannot be read or saved: the caller gets TypeMismatch.
  }
  return 0;
}
