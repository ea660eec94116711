#include "tools/script_words.h"

#include <charconv>
#include <cwchar>

#include "base/number_text.h"
#include "tools/utf8.h"

namespace kovra::tools {

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r'; }

// Characters that would not survive a line of output or could be taken for something else:
// controls, line and paragraph separators, and the blanks that print like a plain one.
bool NeedsEscape(wchar_t c) {
  return c < 0x20 || c == 0x7F || c == 0x00A0 || (c >= 0x2000 && c <= 0x200B) || c == 0x2028 ||
         c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000 || c == 0xFEFF;
}

}  // namespace

std::vector<std::wstring> SplitScriptLine(std::wstring_view line) {
  std::vector<std::wstring> words;
  std::size_t i = 0;
  while (i < line.size()) {
    if (IsBlank(line[i])) {
      ++i;
      continue;
    }
    if (line[i] == L'#') break;
    std::wstring word;
    if (line[i] != L'"') {
      while (i < line.size() && !IsBlank(line[i])) word += line[i++];
      words.push_back(std::move(word));
      continue;
    }
    for (++i; i < line.size() && line[i] != L'"'; ++i) {
      if (line[i] != L'\\' || i + 1 >= line.size()) {
        word += line[i];
      } else if (line[i + 1] == L'u' && i + 5 < line.size()) {
        const std::string hex = ToUtf8(line.substr(i + 2, 4));
        unsigned code = 0;
        std::from_chars(hex.data(), hex.data() + hex.size(), code, 16);
        word += static_cast<wchar_t>(code);
        i += 5;
      } else {
        word += line[++i];
      }
    }
    ++i;  // the closing quote
    words.push_back(std::move(word));
  }
  return words;
}

std::string Quoted(std::wstring_view text) {
  std::wstring escaped(1, L'"');
  for (wchar_t c : text) {
    if (c == L'"' || c == L'\\') {
      escaped += L'\\';
      escaped += c;
    } else if (NeedsEscape(c)) {
      wchar_t code[8];
      std::swprintf(code, 8, L"\\u%04X", static_cast<unsigned>(c));
      escaped += code;
    } else {
      escaped += c;
    }
  }
  escaped += L'"';
  return ToUtf8(escaped);
}

double ScriptNumber(const std::wstring& text) {
  double value = 0;
  if (!TryParseNumber(text, Separators{L'.', L','}, value)) {
    throw ScriptError("not a number: " + ToUtf8(text));
  }
  return value;
}

int ScriptInt(const std::wstring& text) {
  const double value = ScriptNumber(text);
  if (value < -2147483648.0 || value > 2147483647.0 || value != static_cast<int>(value)) {
    throw ScriptError("not a whole number: " + ToUtf8(text));
  }
  return static_cast<int>(value);
}

std::int16_t ScriptInt16(const std::wstring& text) {
  const int value = ScriptInt(text);
  if (value < -32768 || value > 32767) throw ScriptError("outside -32768..32767: " + ToUtf8(text));
  return static_cast<std::int16_t>(value);
}

Boolean16 ScriptBoolean(const std::wstring& text) {
  if (text == L"True" || text == L"true" || text == L"-1") return kTrue;
  if (text == L"False" || text == L"false" || text == L"0") return kFalse;
  throw ScriptError("not a Boolean: " + ToUtf8(text));
}

OleColor ScriptColour(const std::wstring& text) {
  if (text.starts_with(L"&H") || text.starts_with(L"&h")) {
    const std::string hex = ToUtf8(text.substr(2));
    OleColor colour = 0;
    const auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), colour, 16);
    if (error != std::errc() || end != hex.data() + hex.size()) {
      throw ScriptError("not a colour: " + ToUtf8(text));
    }
    return colour;
  }
  return static_cast<OleColor>(ScriptNumber(text));
}

std::wstring JoinedWords(std::span<const std::wstring> words, std::wstring_view between) {
  std::wstring text;
  for (const std::wstring& word : words) {
    if (!text.empty()) text += between;
    text += word;
  }
  return text;
}

std::wstring TruthText(bool value) { return value ? L"True" : L"False"; }

std::wstring WithSeparators(std::wstring_view enUs, const Separators& separators) {
  std::wstring text(enUs);
  for (wchar_t& c : text) {
    if (c == L'.') {
      c = separators.decimal;
    } else if (c == L',') {
      c = separators.group;
    }
  }
  return text;
}

wchar_t RequiredSeparator(const std::wstring& which, const Separators& separators) {
  if (which == L"decimal") return separators.decimal;
  if (which == L"group") return separators.group;
  throw ScriptError("requires decimal|group CHARACTER");
}

}  // namespace kovra::tools
