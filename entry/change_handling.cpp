// The change handling of Text1: every change made with the change guard clear is brought back
// to a complete number in the EditMask, MaxValue is kept by falling back to the last accepted
// text, surplus decimals are cut, the caret keeps its index, and Change is raised.
#include <algorithm>

#include "base/text_helpers.h"
#include "core/events.h"
#include "entry/entry_engine.h"

namespace kovra {

using text::IsBlank;
using text::Trimmed;

namespace {

bool StartsWith(std::wstring_view s, std::wstring_view prefix) { return s.starts_with(prefix); }

}  // namespace

void EntryEngine::FallBackToAcceptedText() {
  SystemServices& system = platform_.GetSystem();
  system.LockWindowUpdate(surface_.WindowHandle());
  WriteText(acceptedText_);
  text1_.SetSelStart(static_cast<int>(acceptedText_.size()));
  system.LockWindowUpdate(0);
}

void EntryEngine::OnTextChange() {
  if (state_.changeGuard != 0) return;
  bool fellBack = false;
  {
    ChangeGuardScope guard(state_);
    std::wstring s = text1_.Text();
    TidyTheFront(s);
    CompleteTheNumber(s);
    double number = 0;
    // Above MaxValue, or not a number at all (a pasted text with letters): the change does
    // not stick.
    fellBack = !TryNumber(s, number) || number > state_.properties.maxValue;
    if (!fellBack) {
      CutSurplusDecimals(s, number);
      ShowInTheEditMask(s, number);
      if (text1_.SelStart() == 0 && StartsWith(text1_.Text(), L"0")) text1_.SetSelStart(1);
    }
  }
  if (fellBack) {
    ChangeGuardScope guard(state_);
    FallBackToAcceptedText();
  } else if (!IsBlank(savedClipboardText_)) {
    platform_.GetClipboard().SetText(savedClipboardText_);
    savedClipboardText_.clear();
  }
  backspacePending_ = false;
  acceptedText_ = text1_.Text();
  container_.RaiseEvent(event::Change, {});
}

void EntryEngine::TidyTheFront(std::wstring& s) {
  const wchar_t d = state_.separators.decimal;
  const std::wstring minusSeparator{L'-', d};
  if (IsBlank(s) ||
      !(StartsWith(s, L"0") || StartsWith(s, L"-0") || StartsWith(s, minusSeparator))) {
    return;
  }
  const int places = state_.properties.decimalPlaces;
  const int caret = text1_.SelStart();
  double number = 0;
  if (StartsWith(s, minusSeparator) && TryNumber(s, number)) {
    s = GeneralText(number);  // -.5 becomes -0.5
    WriteText(s);
  } else if (StartsWith(s, L"-") && TryNumber(s, number) && number == 0) {
    s = places > 0 ? L"-0" + std::wstring(1, d) + std::wstring(places, L'0') : L"-0";
  } else {
    WriteText(s);
  }
  text1_.SetSelStart(caret);
  if (!StartsWith(text1_.Text(), L"-")) return;
  // Behind a sign the caret steps past a zero, and back over anything else.
  const int now = text1_.SelStart();
  if (TryNumber(s, number) && number == 0) {
    text1_.SetSelStart(now + 1);
  } else if (now >= 1) {
    text1_.SetSelStart(now - 1);
  }
}

void EntryEngine::CompleteTheNumber(std::wstring& s) {
  const wchar_t d = state_.separators.decimal;
  if (Trimmed(s) == std::wstring_view(&d, 1)) {
    s = state_.properties.decimalPlaces >= 1 ? std::wstring{L'0', d} : L"0";
  }
  if (IsBlank(s)) s = L"0";
  if (!s.empty() && s.front() == d) s = L"0" + s;  // .5 becomes 0.5
  if (Trimmed(s) == L"-") {
    WriteZero();
    s = text1_.Text();
  }
}

void EntryEngine::CutSurplusDecimals(std::wstring& s, double& number) {
  const auto kept = static_cast<std::size_t>(std::max<int>(state_.properties.decimalPlaces, 0));
  if (const auto p = s.find(state_.separators.decimal);
      p != std::wstring::npos && s.size() - p - 1 > kept) {
    s.resize(p + 1 + kept);
    TryNumber(s, number);
  }
}

void EntryEngine::ShowInTheEditMask(const std::wstring& s, double number) {
  // The sign just typed: text and caret stay as they are until a digit follows.
  if (text1_.SelStart() == 1 && StartsWith(text1_.Text(), L"-")) return;
  if (StartsWith(s, L"-") && number == 0) {
    text1_.SetSelStart(2);  // a negative zero is kept as typed, the caret after "-0"
    return;
  }
  const int caret = text1_.SelStart();
  WriteText(FormatNumber(number, EditMask(), state_.separators));
  text1_.SetSelStart(caret);
}

}  // namespace kovra
