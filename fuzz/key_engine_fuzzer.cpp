// Random keys, pastes, selections, Value writes and focus changes against a control with random
// DecimalPlaces, limits and locale. After every action the engine's promises must hold:
//   - the change guard is clear;
//   - once a change has been handled, the text is a number not above MaxValue, or one of the
//     incomplete numbers focus exit repairs;
//   - while the control holds the focus, the text is in the EditMask form (no grouping and no
//     more decimals than DecimalPlaces) or such an incomplete number.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/control_error.h"
#include "base/text_helpers.h"
#include "control/kovra_double.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/headless_text_box.h"
#include "testing/control_probe.h"
#include "tools/script_keys.h"
#include "tools/utf8.h"

namespace {

using namespace kovra;

constexpr std::array kMinValues{-900000000000.0, -100.0, -1.5, 0.0, 10.0};
constexpr std::array kMaxValues{900000000000.0, 500.0, 99.99, 1e15};
constexpr std::array kNamedKeys{
    L"Backspace",  L"Delete",    L"Enter",  L"Escape", L"Left",   L"Right",  L"Home",   L"End",
    L"Shift+Left", L"Shift+End", L"Ctrl+C", L"Ctrl+V", L"Ctrl+X", L"Ctrl+Z", L"Period", L"Comma"};
constexpr std::wstring_view kPasteTexts[] = {
    L"15", L"1.5", L"-2", L"ab", L"", L" 7 ", L"1,234.5", L"999999999999999", L"0.000001", L"-"};

[[noreturn]] void Broken(const char* promise, const std::wstring& text) {
  std::fprintf(stderr, "broken promise: %s (text \"%s\")\n", promise, tools::ToUtf8(text).c_str());
  std::abort();
}

// The incomplete numbers focus exit repairs: the empty text, "-", the separator alone and "-"
// with the separator, blanks around them ignored. Delete of a selection that ends at the
// separator, right after a minus, leaves "-." that way.
bool Incomplete(const std::wstring& text, wchar_t decimal) {
  const std::wstring_view t = text::Trimmed(text);
  return t.empty() || t == L"-" || t == std::wstring_view(&decimal, 1) ||
         t == std::wstring{L'-', decimal};
}

// The EditMask form as the editing keys may leave it: a number without group separators and
// with no more decimals than DecimalPlaces. Delete of a selection that ends at the separator
// leaves ".00" that way. A text that begins with "-0" is left as typed whenever its decimals, cut
// to DecimalPlaces, are zero ("-00.00" after a zero typed behind "-0", "-0.000006" after zeros
// typed in front of a 6), so such a text passes with any number of decimals.
bool InEditForm(const std::wstring& text, const ControlState& state) {
  if (Incomplete(text, state.separators.decimal)) return true;
  double number = 0;
  if (!TryParseNumber(text, state.separators, number)) return false;
  if (text.starts_with(L"-0")) return true;
  if (text.find(state.separators.group) != std::wstring::npos) return false;
  const auto point = text.find(state.separators.decimal);
  const auto places = static_cast<std::size_t>(std::max<int>(state.properties.decimalPlaces, 0));
  return point == std::wstring::npos || text.size() - point - 1 <= places;
}

class Session {
 public:
  explicit Session(FuzzedDataProvider& data)
      : data_(data),
        platform_(headless::HeadlessLocale::Presets()[data.ConsumeIntegralInRange<std::size_t>(
            0, headless::HeadlessLocale::Presets().size() - 1)]),
        control_(platform_) {
    control_.SetContainer(&platform_.container);
    control_.Initialize();
    control_.InitProperties();
    PropertyMembers& p = probe::State(control_).properties;
    p.decimalPlaces = data.ConsumeBool() ? data.ConsumeIntegralInRange<std::int16_t>(0, 4)
                                         : data.ConsumeIntegralInRange<std::int16_t>(0, 40);
    p.minValue = data.PickValueInArray(kMinValues);
    p.maxValue = data.PickValueInArray(kMaxValues);
    p.buttonSpin = ToBoolean16(data.ConsumeIntegralInRange(0, 7) == 0);
    p.selLength = data.ConsumeIntegralInRange(0, 1);
    p.selStart = data.ConsumeIntegralInRange(0, 2);
    // What the first refresh and a first visit leave behind: the text in the EditMask,
    // remembered by the undo texts and as the accepted text.
    control_.EnterFocus();
    control_.ExitFocus();
  }

  void Play() {
    // KOVRA_FUZZ_TRACE=1 prints the text after every action, for reading a finding.
    const bool trace = std::getenv("KOVRA_FUZZ_TRACE") != nullptr;
    while (data_.remaining_bytes() > 0) {
      Act();
      if (trace) {
        std::fprintf(stderr, "%-24s -> \"%s\" caret %d+%d focus %d\n", action_.c_str(),
                     tools::ToUtf8(control_.Text1().Text()).c_str(), control_.Text1().SelStart(),
                     control_.Text1().SelLength(), probe::State(control_).hasFocus ? 1 : 0);
      }
      Check();
    }
  }

 private:
  void Act() {
    auto& box = dynamic_cast<headless::HeadlessTextBox&>(control_.Text1());
    const auto type = [&](wchar_t c) {
      action_ = "type " + std::to_string(static_cast<int>(c));
      const tools::KeyStroke k = tools::TypedKey(c);
      box.PressKey(k.keyCode, k.shift, k.character);
    };
    const wchar_t d = probe::State(control_).separators.decimal;
    switch (data_.ConsumeIntegralInRange(0, 9)) {
      case 0:
      case 1:
        type(static_cast<wchar_t>(L'0' + data_.ConsumeIntegralInRange(0, 9)));
        break;
      case 2:
        type(data_.PickValueInArray({d, L'-', L'.', L',', L'a', L' '}));
        break;
      case 3: {
        const wchar_t* name = data_.PickValueInArray(kNamedKeys);
        action_ = "key " + std::to_string(name[0]) + std::to_string(name[1]);
        const auto k = tools::NamedKey(name);
        box.PressKey(k->keyCode, k->shift, k->character);
        break;
      }
      case 4:
        platform_.clipboard.SetText(std::wstring(data_.PickValueInArray(kPasteTexts)));
        action_ = "paste";
        box.PressKey(86, 2, 22);
        break;
      case 5: {
        const int length = static_cast<int>(box.Text().size());
        action_ = "select";
        box.SetSelStart(data_.ConsumeIntegralInRange(0, length));
        box.SetSelLength(data_.ConsumeIntegralInRange(0, length));
        break;
      }
      case 6:
        action_ = "focus";
        if (probe::State(control_).hasFocus) {
          bool cancel = false;
          control_.Text1_Validate(cancel);
          if (!cancel) control_.ExitFocus();
        } else {
          control_.EnterFocus();
        }
        break;
      case 7:
        action_ = "value";
        try {
          control_.SetValue(std::wstring(data_.PickValueInArray(kPasteTexts)));
        } catch (const ControlError&) {
          // A text that is not a number is refused: nothing to check here.
        }
        break;
      case 8:
        action_ = "lost focus";
        control_.LostFocus();
        if (data_.ConsumeBool()) control_.GotFocus();
        break;
      default:
        type(static_cast<wchar_t>(L'0' + data_.ConsumeIntegralInRange(0, 9)));
        break;
    }
  }

  void Check() {
    const ControlState& state = probe::State(control_);
    const std::wstring text = control_.Text1().Text();
    if (state.changeGuard != 0) Broken("the change guard is clear between events", text);
    if (!platform_.container.events.empty()) changed_ = true;
    if (changed_ && !Incomplete(text, state.separators.decimal)) {
      double number = 0;
      if (!TryParseNumber(text, state.separators, number)) Broken("the text is a number", text);
      if (number > state.properties.maxValue) Broken("the text is not above MaxValue", text);
    }
    if (state.hasFocus && !InEditForm(text, state)) {
      Broken("with the focus in, the text is in the EditMask form", text);
    }
  }

  FuzzedDataProvider& data_;
  headless::HeadlessPlatform platform_;
  KovraDouble control_;
  bool changed_ = false;
  std::string action_;  // the last action, for the trace
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  Session session(data);
  session.Play();
  return 0;
}
