// The keystroke filter: every character key passes here before Text1 inserts it. The rules
// run in a fixed order; a refused key is set to 0 so that Text1 inserts nothing, and KeyPress
// is raised last with whatever key is left.
#include <algorithm>
#include <array>

#include "base/text_helpers.h"
#include "core/events.h"
#include "entry/entry_engine.h"

namespace kovra {

using text::At;
using text::IsBlank;
using text::IsDigit;
using text::Length;
using text::Position;
using text::Trimmed;

namespace {

constexpr wchar_t kBackspace = 8;
constexpr wchar_t kCopy = 3;    // Ctrl+C
constexpr wchar_t kPaste = 22;  // Ctrl+V

int IntegerLength(std::wstring_view limit, wchar_t decimal) {
  const int position = Position(limit, decimal);
  return position > 0 ? position - 1 : Length(Trimmed(limit));
}

// Whether nothing but blanks lies outside the selection: the remainder trims to nothing.
bool OnlyBlanksOutside(std::wstring_view text, int selStart, int selLength) {
  const auto start = std::min(static_cast<std::size_t>(selStart), text.size());
  const auto end = std::min(start + static_cast<std::size_t>(selLength), text.size());
  return Trimmed(text.substr(0, start)).empty() && Trimmed(text.substr(end)).empty();
}

}  // namespace

EntryEngine::IntegerLimits EntryEngine::CurrentIntegerLimits() {
  const PropertyMembers& p = state_.properties;
  const wchar_t d = state_.separators.decimal;
  const auto& kept = keptIntegerLimits_;
  if (kept && kept->minValue == p.minValue && kept->maxValue == p.maxValue && kept->decimal == d) {
    return kept->limits;
  }
  const std::wstring minText = GeneralText(p.minValue);
  IntegerLimits limits{IntegerLength(GeneralText(p.maxValue), d), IntegerLength(minText, d),
                       minText.starts_with(L'-')};
  if (limits.minNegative) --limits.minLength;
  keptIntegerLimits_ = KeptIntegerLimits{p.minValue, p.maxValue, d, limits};
  return limits;
}

std::wstring EntryEngine::Remainder() const {
  std::wstring rest = text1_.Text();
  const auto s = static_cast<std::size_t>(text1_.SelStart());
  rest.erase(std::min(s, rest.size()), static_cast<std::size_t>(text1_.SelLength()));
  return rest;
}

void EntryEngine::WriteZero() { WriteText(FormatNumber(0, EditMask(), state_.separators)); }

void EntryEngine::OnKeyPress(std::int16_t& keyAscii) {
  const wchar_t d = state_.separators.decimal;
  const int places = state_.properties.decimalPlaces;
  const auto key = [&] { return static_cast<wchar_t>(static_cast<std::uint16_t>(keyAscii)); };
  const auto setKey = [&](wchar_t c) { keyAscii = static_cast<std::int16_t>(c); };
  // Text1's text and selection as the key found them: a rule that changes them ends the filter.
  const std::wstring t = text1_.Text();
  const int s = text1_.SelStart();
  const int l = text1_.SelLength();

  // Each rule either lets the key go on to the next, or ends the filter (refused or done).
  const auto filter = [&] {
    if (key() == 13 || key() == 27) return setKey(0);
    if (key() == kBackspace) backspacePending_ = true;
    if (text1_.Locked()) return setKey(0);
    if (d == L',' && key() == L'.') setKey(L',');
    if (key() == L'0' && l == Length(t)) {
      setKey(0);
      WriteZero();
      text1_.SetSelStart(1);
      return;
    }
    if (IsDigit(key()) && OnlyBlanksOutside(t, s, l)) {
      WriteText(std::wstring(1, key()));
      setKey(0);
      text1_.SetSelStart(1);
      return;
    }
    if (key() == L'0' && At(t, 1) == L'-' && s == 1 && At(t, 2) != d) return setKey(0);

    const IntegerLimits limits = CurrentIntegerLimits();

    // A digit may not lengthen the integer part beyond that of the limit.
    const std::wstring_view trimmed = Trimmed(t);
    if (IsDigit(key()) && trimmed != L"-" && trimmed != std::wstring{L'-', d} &&
        trimmed != std::wstring_view(&d, 1)) {
      double v = 0;
      const bool isNumber = TryNumber(t, v);
      const int point = Position(t, d);
      if (places == 0 && isNumber) {
        if (v < 0 && Length(t) - 1 >= limits.minLength) return setKey(0);
        if (v >= 0 && Length(t) >= limits.maxLength) return setKey(0);
      } else if (places >= 1 && point > 0) {
        const bool caretInInteger = l == 0 && point > s;
        if (!t.starts_with(L'-') && isNumber && v >= 0) {
          if (point - 1 >= limits.maxLength && caretInInteger) return setKey(0);
        } else if (point - 2 >= limits.minLength && caretInInteger) {
          return setKey(0);
        }
      }
    }
    if (places >= 1 && key() != kBackspace && s >= places + Position(t, d)) return setKey(0);
    if (key() == L'-' && !limits.minNegative) return setKey(0);
    if (places == 0 && key() == d) return setKey(0);
    if (s == 0 && l == 0 && key() == kBackspace) return setKey(0);
    if (s == 0 && l == 0 && key() != kBackspace && key() != L'-' && t.empty()) {
      return setKey(0);
    }

    state_.changeGuard = 1;
    if (key() == L'-') return FilterMinus(keyAscii, t, s);
    if (key() == d) return FilterSeparator(keyAscii, t);
    FilterOtherKey(keyAscii, t, s);
  };
  filter();
  state_.changeGuard = 0;
  std::array<EventArgument, 1> arguments{&keyAscii};
  container_.RaiseEvent(event::KeyPress, arguments);
}

void EntryEngine::FilterOtherKey(std::int16_t& keyAscii, const std::wstring& t, int s) {
  const wchar_t d = state_.separators.decimal;
  auto key = static_cast<wchar_t>(static_cast<std::uint16_t>(keyAscii));
  if (t.starts_with(L"-0") && s == 1 && key == L'0') {
    keyAscii = 0;
    text1_.SetSelStart(2);  // the caret steps over the zero
    return;
  }
  if (IsDigit(key) && At(t, 1) == L'0' && s == 1) {
    WriteText(t.substr(1));  // the typed digit replaces the leading zero
    text1_.SetSelStart(0);
    return;
  }
  if (!IsDigit(key) && key != d && key != L'-' && key != kBackspace && key != kCopy &&
      key != kPaste) {
    keyAscii = 0;
    key = 0;
  }
  state_.changeGuard = 0;
  if (key == kBackspace) {
    const std::wstring before = text1_.Text();
    if (Length(before) == 1 || (Length(before) == 2 && before.starts_with(L'-'))) {
      keyAscii = 0;
      text1_.SetSelStart(0);
      WriteZero();  // deleting the last digit leaves zero, not an empty box
    }
    const std::wstring now = text1_.Text();
    const int caret = text1_.SelStart();
    if (text1_.SelLength() == 0 && Position(now, d) == caret) {
      keyAscii = 0;  // Backspace only steps over the separator
      if (caret >= 1) text1_.SetSelStart(caret - 1);
    }
    if (text1_.SelLength() == Length(text1_.Text())) {
      keyAscii = 0;
      WriteText(L"0");
    }
  }
  if (key == L'0' && s == 0 && At(t, 1) != L'0' && At(t, 2) == d) {
    WriteText(t.substr(1));  // a zero typed before a one-digit integer part replaces it
    text1_.SetSelStart(0);
  }
  if (key == kPaste) {
    const std::wstring pasted = platform_.GetClipboard().GetText();
    if (!IsBlank(pasted) && !IsBlank(Remainder()) &&
        (pasted.find(d) != std::wstring::npos || pasted.find(L'-') != std::wstring::npos)) {
      // A separator or a sign may only come with a paste that replaces the whole text.
      savedClipboardText_ = pasted;
      platform_.GetClipboard().SetText(L"");
    }
  }
}

void EntryEngine::FilterMinus(std::int16_t& keyAscii, const std::wstring& t, int s) {
  if (text1_.SelLength() == 0) {
    if (t.find(L'-') != std::wstring::npos) {
      keyAscii = 0;
      if (s == 0) text1_.SetSelStart(1);  // the caret steps over the existing minus
    } else if (s != 0) {
      keyAscii = 0;  // a minus only at the very start
    }
    return;
  }
  const std::wstring rest = Remainder();
  if (IsBlank(rest)) {
    WriteZero();  // the minus goes in front of a zero: -0.00
    text1_.SetSelStart(0);
  } else if (rest.find(L'-') != std::wstring::npos) {
    keyAscii = 0;
    if (s == 0) text1_.SetSelStart(1);
  }
}

void EntryEngine::FilterSeparator(std::int16_t& keyAscii, const std::wstring& t) {
  const int point = Position(t, state_.separators.decimal);
  if (point == 0) return;  // the separator is inserted
  keyAscii = 0;
  if (text1_.SelLength() > 0) {
    WriteZero();  // the number starts again at "0." with the caret after the separator
    text1_.SetSelStart(2);
  } else {
    text1_.SetSelStart(point);  // the caret jumps to just after the existing separator
  }
}

}  // namespace kovra
