#include "tools/script_keys.h"

#include <array>
#include <cwctype>

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

}  // namespace

std::optional<KeyStroke> NamedKey(std::wstring_view name) {
  for (const NamedStroke& k : kNamedKeys) {
    if (k.name == name) return k.stroke;
  }
  return std::nullopt;
}

KeyStroke TypedKey(wchar_t character) {
  std::int16_t code = 0;
  if ((character >= L'0' && character <= L'9') || character == L' ') {
    code = static_cast<std::int16_t>(character);
  } else if (std::iswalpha(static_cast<wint_t>(character)) != 0 && character < 0x80) {
    code = static_cast<std::int16_t>(std::towupper(static_cast<wint_t>(character)));
  } else if (character == L'.') {
    code = 190;  // VK_OEM_PERIOD
  } else if (character == L',') {
    code = 188;  // VK_OEM_COMMA
  } else if (character == L'-') {
    code = 189;  // VK_OEM_MINUS
  }
  return {code, 0, character};
}

}  // namespace kovra::tools
