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

// A key on its way through the filter, with the text and the selection it found: a rule that
// changes them decides the key.
struct EntryEngine::Keystroke {
  std::int16_t& code;
  const std::wstring text;
  const int start;
  const int length;

  wchar_t Key() const { return static_cast<wchar_t>(static_cast<std::uint16_t>(code)); }
  void Set(wchar_t key) { code = static_cast<std::int16_t>(key); }
  // Refused: Text1 inserts nothing.
  Verdict Refuse() {
    code = 0;
    return Verdict::Decided;
  }
};

// The rules in the order they are tried. Each lets the key go on to the next, or decides it:
// refused, or dealt with by a rewrite of its own.
constexpr EntryEngine::Rule EntryEngine::kKeystrokeRules[] = {
    &EntryEngine::RefuseEnterAndEscape,
    &EntryEngine::NoteBackspace,
    &EntryEngine::RefuseEveryKeyWhileLocked,
    &EntryEngine::TypeTheLocalesComma,
    &EntryEngine::StartAgainFromATypedDigit,
    &EntryEngine::RefuseAZeroBehindALeadingMinus,
    &EntryEngine::KeepTheIntegerPartWithinTheLimits,
    &EntryEngine::RefuseKeysPastTheLastDecimal,
    &EntryEngine::RefuseAMinusWithoutNegativeNumbers,
    &EntryEngine::RefuseASeparatorWithoutDecimals,
    &EntryEngine::RefuseKeysWithNothingToActOn,
};

void EntryEngine::OnKeyPress(std::int16_t& keyAscii) {
  Keystroke k{keyAscii, text1_.Text(), text1_.SelStart(), text1_.SelLength()};
  bool decided = false;
  for (const Rule rule : kKeystrokeRules) {
    if ((this->*rule)(k) == Verdict::Decided) {
      decided = true;
      break;
    }
  }
  if (!decided) RewriteForTheKey(k);
  state_.changeGuard = 0;
  std::array<EventArgument, 1> arguments{&keyAscii};
  container_.RaiseEvent(event::KeyPress, arguments);
}

// Neither Enter nor Escape is ever inserted.
EntryEngine::Verdict EntryEngine::RefuseEnterAndEscape(Keystroke& k) {
  return k.Key() == 13 || k.Key() == 27 ? k.Refuse() : Verdict::GoOn;
}

// A Backspace is on its way: the change handling that follows knows it.
EntryEngine::Verdict EntryEngine::NoteBackspace(Keystroke& k) {
  if (k.Key() == kBackspace) backspacePending_ = true;
  return Verdict::GoOn;
}

// A locked box takes no key at all, not even Ctrl+C.
EntryEngine::Verdict EntryEngine::RefuseEveryKeyWhileLocked(Keystroke& k) {
  return text1_.Locked() ? k.Refuse() : Verdict::GoOn;
}

// Where the decimal separator is a comma, a full stop types the comma.
EntryEngine::Verdict EntryEngine::TypeTheLocalesComma(Keystroke& k) {
  if (state_.separators.decimal == L',' && k.Key() == L'.') k.Set(L',');
  return Verdict::GoOn;
}

// A zero typed over the whole text starts again at zero in the edit format; a digit typed where
// nothing but blanks would stay becomes the whole text. Either way the caret stands after it.
EntryEngine::Verdict EntryEngine::StartAgainFromATypedDigit(Keystroke& k) {
  if (k.Key() == L'0' && k.length == Length(k.text)) {
    k.Set(0);
    WriteZero();
  } else if (IsDigit(k.Key()) && OnlyBlanksOutside(k.text, k.start, k.length)) {
    WriteText(std::wstring(1, k.Key()));
    k.Set(0);
  } else {
    return Verdict::GoOn;
  }
  text1_.SetSelStart(1);
  return Verdict::Decided;
}

// No zero right after a leading minus, unless the separator follows the minus.
EntryEngine::Verdict EntryEngine::RefuseAZeroBehindALeadingMinus(Keystroke& k) {
  const bool refused = k.Key() == L'0' && At(k.text, 1) == L'-' && k.start == 1 &&
                       At(k.text, 2) != state_.separators.decimal;
  return refused ? k.Refuse() : Verdict::GoOn;
}

// A digit may not make the integer part longer than that of the limit on its side. The limit
// counts characters, not the value: the change handling keeps MaxValue afterwards.
EntryEngine::Verdict EntryEngine::KeepTheIntegerPartWithinTheLimits(Keystroke& k) {
  const wchar_t d = state_.separators.decimal;
  const IntegerLimits limits = CurrentIntegerLimits();
  const std::wstring_view trimmed = Trimmed(k.text);
  if (!IsDigit(k.Key()) || trimmed == L"-" || trimmed == std::wstring{L'-', d} ||
      trimmed == std::wstring_view(&d, 1)) {
    return Verdict::GoOn;
  }
  double v = 0;
  const bool isNumber = TryNumber(k.text, v);
  const int point = Position(k.text, d);
  const int places = state_.properties.decimalPlaces;
  if (places < 0) return Verdict::GoOn;
  if (places == 0) {
    if (!isNumber) return Verdict::GoOn;
    const bool tooLong =
        v < 0 ? Length(k.text) - 1 >= limits.minLength : Length(k.text) >= limits.maxLength;
    return tooLong ? k.Refuse() : Verdict::GoOn;
  }
  const bool caretInInteger = point > 0 && k.length == 0 && point > k.start;
  if (!caretInInteger) return Verdict::GoOn;
  const bool positive = !k.text.starts_with(L'-') && isNumber && v >= 0;
  const bool tooLong = positive ? point - 1 >= limits.maxLength : point - 2 >= limits.minLength;
  return tooLong ? k.Refuse() : Verdict::GoOn;
}

// With decimals, nothing but Backspace goes in once the caret is past the last decimal place.
EntryEngine::Verdict EntryEngine::RefuseKeysPastTheLastDecimal(Keystroke& k) {
  const int places = state_.properties.decimalPlaces;
  const bool past = places >= 1 && k.Key() != kBackspace &&
                    k.start >= places + Position(k.text, state_.separators.decimal);
  return past ? k.Refuse() : Verdict::GoOn;
}

// A minus only when MinValue is negative.
EntryEngine::Verdict EntryEngine::RefuseAMinusWithoutNegativeNumbers(Keystroke& k) {
  return k.Key() == L'-' && !CurrentIntegerLimits().minNegative ? k.Refuse() : Verdict::GoOn;
}

// No separator when there are no decimals.
EntryEngine::Verdict EntryEngine::RefuseASeparatorWithoutDecimals(Keystroke& k) {
  const bool refused = state_.properties.decimalPlaces == 0 && k.Key() == state_.separators.decimal;
  return refused ? k.Refuse() : Verdict::GoOn;
}

// At the very start with nothing selected, Backspace has nothing to delete, and into an empty
// box only a minus goes.
EntryEngine::Verdict EntryEngine::RefuseKeysWithNothingToActOn(Keystroke& k) {
  if (k.start != 0 || k.length != 0) return Verdict::GoOn;
  if (k.Key() == kBackspace) return k.Refuse();
  if (k.Key() != L'-' && k.text.empty()) return k.Refuse();
  return Verdict::GoOn;
}

// The key goes in, but the text around it may need a rewrite first: by the key, with the change
// guard set until the rule says otherwise.
void EntryEngine::RewriteForTheKey(Keystroke& k) {
  state_.changeGuard = 1;
  if (k.Key() == L'-') return FilterMinus(k.code, k.text, k.start);
  if (k.Key() == state_.separators.decimal) return FilterSeparator(k.code, k.text);
  FilterOtherKey(k.code, k.text, k.start);
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
