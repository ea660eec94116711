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
  const wchar_t d = state_.separators.decimal;
  const std::wstring minusSeparator{L'-', d};
  const int places = state_.properties.decimalPlaces;
  bool fallBack = false;
  {
    ChangeGuardScope guard(state_);
    std::wstring s = text1_.Text();
    double number = 0;

    // A leading zero, "-0" or "-" with the separator: tidy the front and keep the caret.
    if (!IsBlank(s) &&
        (StartsWith(s, L"0") || StartsWith(s, L"-0") || StartsWith(s, minusSeparator))) {
      const int caret = text1_.SelStart();
      if (StartsWith(s, minusSeparator) && TryNumber(s, number)) {
        s = GeneralText(number);  // -.5 becomes -0.5
        WriteText(s);
      } else if (StartsWith(s, L"-") && TryNumber(s, number) && number == 0) {
        s = places > 0 ? L"-0" + std::wstring(1, d) + std::wstring(places, L'0') : L"-0";
      } else {
        WriteText(s);
      }
      text1_.SetSelStart(caret);
      if (StartsWith(text1_.Text(), L"-")) {
        const int now = text1_.SelStart();
        if (TryNumber(s, number) && number == 0) {
          text1_.SetSelStart(now + 1);
        } else if (now >= 1) {
          text1_.SetSelStart(now - 1);
        }
      }
    }

    // Texts that are not yet a number become one.
    if (Trimmed(s) == std::wstring_view(&d, 1)) s = places >= 1 ? std::wstring{L'0', d} : L"0";
    if (IsBlank(s)) s = L"0";
    if (!s.empty() && s.front() == d) s = L"0" + s;
    if (Trimmed(s) == L"-") {
      WriteZero();
      s = text1_.Text();
    }

    // Above MaxValue, or not a number at all (a pasted text with letters): the change does
    // not stick.
    if (!TryNumber(s, number) || number > state_.properties.maxValue) {
      fallBack = true;
    } else {
      // Surplus decimals are cut, not rounded, so a digit typed into them replaces the next.
      const auto kept = static_cast<std::size_t>(std::max(places, 0));
      if (const auto p = s.find(d); p != std::wstring::npos && s.size() - p - 1 > kept) {
        s.resize(p + 1 + kept);
        TryNumber(s, number);
      }
      const bool signJustTyped = text1_.SelStart() == 1 && StartsWith(text1_.Text(), L"-");
      if (!signJustTyped) {
        if (StartsWith(s, L"-") && number == 0) {
          text1_.SetSelStart(2);
        } else {
          const int caret = text1_.SelStart();
          WriteText(FormatNumber(number, EditMask(), state_.separators));
          text1_.SetSelStart(caret);
        }
      }
      if (text1_.SelStart() == 0 && StartsWith(text1_.Text(), L"0")) text1_.SetSelStart(1);
    }
  }
  if (fallBack) {
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

}  // namespace kovra
