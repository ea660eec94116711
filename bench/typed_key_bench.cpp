// The cost of one typed key in a focused control — key-down, the keystroke filter, the text
// box's insertion and the change handling with its reformatting — next to the least such a key
// could cost: inserting a character into a string and formatting one number with to_chars.
// Each iteration first puts "12.50" back (taken as written, no change handling) with the caret
// after the 1; that reset is part of the measured time of ours.
#include <array>
#include <charconv>
#include <string>

#include "bench/ratio_report.h"
#include "control/kovra_double.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/headless_text_box.h"
#include "testing/control_probe.h"

namespace {

void TypedKey(benchmark::State& state) {
  kovra::headless::HeadlessPlatform platform;
  kovra::KovraDouble control(platform);
  control.SetContainer(&platform.container);
  control.Initialize();
  control.InitProperties();
  control.EnterFocus();
  auto& box = dynamic_cast<kovra::headless::HeadlessTextBox&>(control.Text1());
  const std::wstring start = L"12.50";
  for (auto _ : state) {
    kovra::probe::PutTextAsWritten(control, start);
    box.SetSelStart(1);
    box.PressKey(L'3', 0, L'3');  // gives 132.50
    platform.container.events.clear();
  }
}

void BaselineInsertAndFormat(benchmark::State& state) {
  const std::wstring start = L"12.50";
  std::array<char, 64> buffer{};
  for (auto _ : state) {
    std::wstring text = start;
    text.insert(text.begin() + 1, L'3');
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), 132.5,
                                      std::chars_format::fixed, 2);
    benchmark::DoNotOptimize(text.data());
    benchmark::DoNotOptimize(result.ptr);
    benchmark::ClobberMemory();
  }
}

}  // namespace

KOVRA_BENCHMARK("TypedKey/focused,2 decimals", TypedKey);
KOVRA_BENCHMARK("Baseline/insert+to_chars", BaselineInsertAndFormat);
KOVRA_RATIO("TypedKey/focused,2 decimals", "Baseline/insert+to_chars");
