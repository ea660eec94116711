// The cost of one typed key in a focused control — key-down, the keystroke filter, the text
// box's insertion and the change handling with its reformatting — next to the least such a key
// could cost: inserting a character into a string and formatting one number with to_chars.
// Each iteration first puts "12.50" back (taken as written, no change handling) with the caret
// after the 1; that reset is part of the measured time of ours. The headless container keeps no
// record of the four events a key raises: it listens as a host without handlers does, so that
// the time is the control's (recording them would add about a sixth).
#include <array>
#include <charconv>
#include <string>
#include <string_view>

#include "bench/ratio_report.h"
#include "control/kovra_double.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/headless_text_box.h"
#include "testing/control_probe.h"

namespace {

// Both loops clobber memory once per key; each checks its result once after the timed loop, so
// that a wrong result cannot pass for a fast one.
void TypedKey(benchmark::State& state) {
  kovra::headless::HeadlessPlatform platform;
  kovra::KovraDouble control(platform);
  control.SetContainer(&platform.container);
  control.Initialize();
  control.InitProperties();
  control.EnterFocus();
  platform.container.recording = false;
  auto& box = dynamic_cast<kovra::headless::HeadlessTextBox&>(control.Text1());
  const std::wstring start = L"12.50";
  for (auto _ : state) {
    kovra::probe::PutTextAsWritten(control, start);
    box.SetSelStart(1);
    box.PressKey(L'3', 0, L'3');  // gives 132.50
    benchmark::ClobberMemory();
  }
  if (box.Text() != L"132.50" || box.SelStart() != 2) state.SkipWithError("wrong text");
}

void BaselineInsertAndFormat(benchmark::State& state) {
  const std::wstring start = L"12.50";
  std::array<char, 64> buffer{};
  char* end = buffer.data();
  const auto insertAndFormat = [&] {
    std::wstring text = start;
    text.insert(text.begin() + 1, L'3');
    end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), 132.5,
                        std::chars_format::fixed, 2)
              .ptr;
    return text;
  };
  for (auto _ : state) {
    const std::wstring text = insertAndFormat();
    benchmark::DoNotOptimize(text.data());
    benchmark::DoNotOptimize(end);
    benchmark::ClobberMemory();
  }
  if (insertAndFormat() != L"132.50" || std::string_view(buffer.data(), end) != "132.50") {
    state.SkipWithError("wrong text");
  }
}

}  // namespace

KOVRA_BENCHMARK("TypedKey/focused,2 decimals", TypedKey);
KOVRA_BENCHMARK("Baseline/insert+to_chars", BaselineInsertAndFormat);
KOVRA_RATIO("TypedKey/focused,2 decimals", "Baseline/insert+to_chars");
