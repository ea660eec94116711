#include "platform/headless/text_property_bag.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "base/lifetimebound.h"
#include "base/visit_helpers.h"

namespace kovra::headless {

namespace {

std::wstring Widen(const std::string& s) { return {s.begin(), s.end()}; }

// The shortest text that reads back as the same number.
template <class Number>
std::wstring Shortest(Number value) {
  if (std::isnan(value)) return L"NaN";
  if (std::isinf(value)) return value < 0 ? L"-Inf" : L"Inf";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return Widen(std::string(buffer, result.ptr));
}

// Inside quotes: "" is a quote, \\ a backslash, \uXXXX a control character, so that every
// text stays on its line.
std::wstring Quote(std::wstring_view s) {
  static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
  std::wstring quoted = L"\"";
  for (wchar_t c : s) {
    const auto code = static_cast<unsigned>(c) & 0xFFFFu;
    if (c == L'"') {
      quoted += L"\"\"";
    } else if (c == L'\\') {
      quoted += L"\\\\";
    } else if (code < 0x20 || code == 0x7F) {
      quoted += L"\\u";
      for (int shift = 12; shift >= 0; shift -= 4) quoted += kHex[(code >> shift) & 0xF];
    } else {
      quoted += c;
    }
  }
  return quoted + L"\"";
}

// `s` without blanks, tabs and carriage returns at either end; a view into `s`.
std::wstring_view Trim(std::wstring_view s KOVRA_LIFETIMEBOUND) {
  const auto first = s.find_first_not_of(L" \t\r");
  if (first == std::wstring_view::npos) return {};
  return s.substr(first, s.find_last_not_of(L" \t\r") - first + 1);
}

[[noreturn]] void Bad(std::wstring_view text) {
  throw std::invalid_argument("not a bag value: " + std::string(text.begin(), text.end()));
}

template <class Number>
Number ParseDecimal(std::wstring_view text) {
  if (text == L"NaN") return std::numeric_limits<Number>::quiet_NaN();
  if (text == L"Inf") return std::numeric_limits<Number>::infinity();
  if (text == L"-Inf") return -std::numeric_limits<Number>::infinity();
  std::string ascii;
  for (wchar_t c : text) {
    if (c > 0x7F) Bad(text);
    ascii += static_cast<char>(c);
  }
  Number value{};
  const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size()) Bad(text);
  return value;
}

long long ParseInteger(std::wstring_view text) {
  int base = 10;
  std::string ascii;
  if (text.starts_with(L"&H") || text.starts_with(L"&h")) {
    base = 16;
    text.remove_prefix(2);
  }
  for (wchar_t c : text) {
    if (c > 0x7F) Bad(text);
    ascii += static_cast<char>(c);
  }
  long long value = 0;
  const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value, base);
  if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size()) Bad(text);
  return value;
}

// Splits "a, "b, c", d" at the commas outside quotes.
std::vector<std::wstring_view> SplitArguments(std::wstring_view s) {
  std::vector<std::wstring_view> parts;
  bool quoted = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == L'"') quoted = !quoted;
    if (s[i] == L',' && !quoted) {
      parts.push_back(Trim(s.substr(start, i - start)));
      start = i + 1;
    }
  }
  parts.push_back(Trim(s.substr(start)));
  return parts;
}

std::wstring Unquote(std::wstring_view s) {
  if (s.size() < 2 || s.front() != L'"' || s.back() != L'"') Bad(s);
  std::wstring text;
  for (std::size_t i = 1; i + 1 < s.size(); ++i) {
    if (s[i] == L'"') {
      if (i + 2 >= s.size() || s[i + 1] != L'"') Bad(s);
      ++i;
    } else if (s[i] == L'\\') {
      if (i + 2 < s.size() && s[i + 1] == L'\\') {
        ++i;
      } else if (i + 6 < s.size() && s[i + 1] == L'u') {
        unsigned code = 0;
        for (std::size_t k = i + 2; k < i + 6; ++k) {
          const wchar_t h = s[k];
          const int digit = h >= L'0' && h <= L'9'   ? h - L'0'
                            : h >= L'A' && h <= L'F' ? h - L'A' + 10
                            : h >= L'a' && h <= L'f' ? h - L'a' + 10
                                                     : -1;
          if (digit < 0) Bad(s);
          code = code * 16 + static_cast<unsigned>(digit);
        }
        text += static_cast<wchar_t>(code);
        i += 5;
        continue;
      } else {
        Bad(s);
      }
    }
    text += s[i];
  }
  return text;
}

bool ParseBoolean(std::wstring_view s) {
  if (s == L"True") return true;
  if (s == L"False") return false;
  Bad(s);
}

}  // namespace

bool SameBagValue(const Variant& a, const Variant& b) {
  const auto number = [](const Variant& v, double& out) {
    return std::visit(Overloaded{[&](bool x) {
                                   out = x ? -1 : 0;
                                   return true;
                                 },
                                 [&](std::int16_t x) {
                                   out = x;
                                   return true;
                                 },
                                 [&](std::int32_t x) {
                                   out = x;
                                   return true;
                                 },
                                 [&](float x) {
                                   out = x;
                                   return true;
                                 },
                                 [&](double x) {
                                   out = x;
                                   return true;
                                 },
                                 [](const auto&) { return false; }},
                      v);
  };
  double x = 0;
  double y = 0;
  if (number(a, x) && number(b, y)) return x == y;
  if (a.index() != b.index()) return false;
  if (const auto* fa = std::get_if<FontRef>(&a)) {
    const auto& fb = std::get<FontRef>(b);
    return fa->get() == fb.get() || (*fa && fb && **fa == *fb);
  }
  if (const auto* pa = std::get_if<PictureRef>(&a)) return *pa == std::get<PictureRef>(b);
  return a == b;
}

Variant TextPropertyBag::ReadProperty(std::wstring_view name, const Variant& defaultValue) {
  keysRead_.emplace_back(name);
  for (const auto& [key, value] : entries_) {
    if (key == name) return value;
  }
  return defaultValue;
}

void TextPropertyBag::WriteProperty(std::wstring_view name, const Variant& value,
                                    const Variant& defaultValue) {
  keysWritten_.emplace_back(name);
  if (omitDefaults_ && SameBagValue(value, defaultValue)) {
    Remove(name);
    return;
  }
  Put(name, value);
}

void TextPropertyBag::Put(std::wstring_view name, Variant value) {
  for (auto& [key, stored] : entries_) {
    if (key == name) {
      stored = std::move(value);
      return;
    }
  }
  entries_.emplace_back(std::wstring(name), std::move(value));
}

void TextPropertyBag::Remove(std::wstring_view name) {
  std::erase_if(entries_, [&](const auto& entry) { return entry.first == name; });
}

std::wstring TextPropertyBag::FormatValue(const Variant& value) {
  return std::visit(
      Overloaded{
          [](std::monostate) { return std::wstring(L"Empty"); },
          [](bool b) { return std::wstring(b ? L"True" : L"False"); },
          [](std::int16_t v) { return std::to_wstring(v); },
          [](std::int32_t v) { return std::to_wstring(v) + L"&"; },
          [](float v) { return Shortest(v) + L"!"; },
          [](double v) { return Shortest(v) + L"#"; },
          [](const std::wstring& s) { return Quote(s); },
          [](const FontRef& f) {
            if (!f) return std::wstring(L"Font()");
            const auto flag = [](bool b) { return std::wstring(b ? L"True" : L"False"); };
            return L"Font(" + Quote(f->name) + L", " + Shortest(f->size) + L"!, " + flag(f->bold) +
                   L", " + flag(f->italic) + L", " + flag(f->underline) + L", " +
                   flag(f->strikethrough) + L")";
          },
          [](const PictureRef& p) {
            return p ? L"Picture(" + Quote(p->description) + L")" : std::wstring(L"Picture()");
          },
      },
      value);
}

Variant TextPropertyBag::ParseValue(std::wstring_view text) {
  const std::wstring_view s = Trim(text);
  if (s.empty()) Bad(s);
  if (s == L"Empty") return std::monostate{};
  if (s == L"True" || s == L"False") return s == L"True";
  if (s.front() == L'"') return Unquote(s);
  if (s == L"Font()") return FontRef{};
  if (s == L"Picture()") return PictureRef{};
  if (s.starts_with(L"Picture(") && s.ends_with(L")")) {
    return std::make_shared<Picture>(Picture{Unquote(Trim(s.substr(8, s.size() - 9)))});
  }
  if (s.starts_with(L"Font(") && s.ends_with(L")")) {
    const auto parts = SplitArguments(s.substr(5, s.size() - 6));
    if (parts.size() != 6 || !parts[1].ends_with(L"!")) Bad(s);
    Font font;
    font.name = Unquote(parts[0]);
    font.size = ParseDecimal<float>(parts[1].substr(0, parts[1].size() - 1));
    font.bold = ParseBoolean(parts[2]);
    font.italic = ParseBoolean(parts[3]);
    font.underline = ParseBoolean(parts[4]);
    font.strikethrough = ParseBoolean(parts[5]);
    return std::make_shared<Font>(font);
  }
  const wchar_t suffix = s.back();
  const std::wstring_view body = s.substr(0, s.size() - 1);
  if (suffix == L'#') return ParseDecimal<double>(body);
  if (suffix == L'!') return ParseDecimal<float>(body);
  if (suffix == L'&') {
    const long long v = ParseInteger(body);
    // Hexadecimal spells the bit pattern: &H80000005& is a negative 32-bit number.
    if (v < -2147483648LL || v > 4294967295LL) Bad(s);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
  }
  const long long v = ParseInteger(s);
  if (v < -32768 || v > 32767) Bad(s);
  return static_cast<std::int16_t>(v);
}

std::wstring TextPropertyBag::Save() const {
  std::wstring text;
  for (const auto& [key, value] : entries_) text += key + L" = " + FormatValue(value) + L"\n";
  return text;
}

TextPropertyBag TextPropertyBag::Load(std::wstring_view text) {
  TextPropertyBag bag;
  int number = 0;
  while (!text.empty()) {
    const auto end = text.find(L'\n');
    const std::wstring_view line = Trim(text.substr(0, end));
    text = end == std::wstring_view::npos ? std::wstring_view{} : text.substr(end + 1);
    ++number;
    if (line.empty() || line.front() == L'\'') continue;
    const auto equals = line.find(L'=');
    if (equals == std::wstring_view::npos || Trim(line.substr(0, equals)).empty()) {
      throw std::invalid_argument("line " + std::to_string(number) + ": expected Key = value");
    }
    try {
      bag.Put(Trim(line.substr(0, equals)), ParseValue(line.substr(equals + 1)));
    } catch (const std::invalid_argument& e) {
      throw std::invalid_argument("line " + std::to_string(number) + ": " + e.what());
    }
  }
  return bag;
}

}  // namespace kovra::headless
