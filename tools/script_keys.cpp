#include "tools/script_keys.h"

#include <array>
#include <charconv>
#include <stdexcept>

#include "tools/utf8.h"

namespace kovra::tools {

namespace {

struct NamedStroke {
  std::wstring_view name;
  KeyStroke stroke;
};

constexpr std::array<NamedStroke, 20> kNamedKeys{{
    {L"Backspace", {8, 0, 8}},    {L"Delete", {46, 0, 0}},        {L"Enter", {13, 0, 13}},
    {L"Escape", {27, 0, 27}},     {L"Left", {37, 0, 0}},          {L"Right", {39, 0, 0}},
    {L"Home", {36, 0, 0}},        {L"End", {35, 0, 0}},           {L"Shift+Left", {37, 1, 0}},
    {L"Shift+Right", {39, 1, 0}}, {L"Shift+Home", {36, 1, 0}},    {L"Shift+End", {35, 1, 0}},
    {L"Ctrl+C", {67, 2, 3}},      {L"Ctrl+V", {86, 2, 22}},       {L"Ctrl+X", {88, 2, 24}},
    {L"Ctrl+Z", {90, 2, 26}},     {L"Ctrl+Shift+Z", {90, 3, 26}}, {L"Alt+Z", {90, 4, 0}},
    {L"Period", {190, 0, L'.'}},  // a full stop and a comma, whatever the locale's separators
    {L"Comma", {188, 0, L','}},
}};

// The keys of a US layout besides the letters: what each types alone and with Shift.
struct LayoutKey {
  std::int16_t keyCode;
  wchar_t plain;
  wchar_t shifted;
};

constexpr std::array<LayoutKey, 22> kUsLayout{{
    {48, L'0', L')'},  {49, L'1', L'!'},   {50, L'2', L'@'},  {51, L'3', L'#'},  {52, L'4', L'$'},
    {53, L'5', L'%'},  {54, L'6', L'^'},   {55, L'7', L'&'},  {56, L'8', L'*'},  {57, L'9', L'('},
    {32, L' ', 0},     {186, L';', L':'},  {187, L'=', L'+'}, {188, L',', L'<'}, {189, L'-', L'_'},
    {190, L'.', L'>'}, {191, L'/', L'?'},  {192, L'`', L'~'}, {219, L'[', L'{'}, {220, L'\\', L'|'},
    {221, L']', L'}'}, {222, L'\'', L'"'},
}};

// The number after "name=" in `word`, within `low`..`high`.
std::int16_t SettingNumber(std::wstring_view word, int low, int high) {
  const std::string digits = ToUtf8(word.substr(word.find(L'=') + 1));
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size() || value < low || value > high) {
    throw std::invalid_argument("expected a number in " + std::to_string(low) + ".." +
                                std::to_string(high) + ": " + ToUtf8(word));
  }
  return static_cast<std::int16_t>(value);
}

}  // namespace

std::optional<KeyStroke> NamedKey(std::wstring_view name) {
  for (const NamedStroke& k : kNamedKeys) {
    if (k.name == name) return k.stroke;
  }
  return std::nullopt;
}

std::vector<KeyStroke> KeyStrokes(std::span<const std::wstring> words) {
  std::vector<KeyStroke> strokes;
  bool raw = false;  // the last stroke was written as vk=, so shift= and char= may follow
  for (const std::wstring& word : words) {
    if (word.starts_with(L"vk=")) {
      strokes.push_back({SettingNumber(word, 1, 255), 0, 0});
      raw = true;
    } else if (raw && word.starts_with(L"shift=")) {
      strokes.back().shift = SettingNumber(word, 0, 7);
    } else if (raw && word.starts_with(L"char=") && word.size() == 6) {
      strokes.back().character = word[5];
    } else if (const auto named = NamedKey(word)) {
      strokes.push_back(*named);
      raw = false;
    } else {
      throw std::invalid_argument("unknown key " + ToUtf8(word) +
                                  " (a name, or vk=CODE [shift=STATE] [char=C])");
    }
  }
  return strokes;
}

KeyStroke TypedKey(wchar_t character) {
  if (character >= L'a' && character <= L'z') {
    return {static_cast<std::int16_t>(character - L'a' + L'A'), 0, character};
  }
  if (character >= L'A' && character <= L'Z') {
    return {static_cast<std::int16_t>(character), 1, character};
  }
  for (const LayoutKey& k : kUsLayout) {
    if (k.plain == character) return {k.keyCode, 0, character};
    if (k.shifted == character && character != 0) return {k.keyCode, 1, character};
  }
  return {kPacketKey, 0, character};
}

}  // namespace kovra::tools
