#include "resources/button_colours.h"

namespace kovra::resources {

namespace {
constexpr Rgb Hex(unsigned rrggbb) {
  return MakeRgb(static_cast<int>(rrggbb >> 16), static_cast<int>((rrggbb >> 8) & 0xFF),
                 static_cast<int>(rrggbb & 0xFF));
}
}  // namespace

const std::array<ButtonColours, 9>& ButtonColourTable() {
  static const std::array<ButtonColours, 9> table{{
      {L"Blue", L"Normal", Hex(0xB7CAF5), Hex(0xE1EAFE), Hex(0xC0D2FB), Hex(0xB6CDFB)},
      {L"Blue", L"Hot", Hex(0x95ADE5), Hex(0xFDFFFF), Hex(0xD4EBFC), Hex(0xB9DCFB)},
      {L"Blue", L"Press", Hex(0x838EDA), Hex(0x6E8EF1), Hex(0x96AAF1), Hex(0xD2DEEB)},
      {L"Silver", L"Normal", Hex(0x9495A2), Hex(0xD6D6DB), Hex(0xD9DAE4), Hex(0xDDDEE1)},
      {L"Silver", L"Hot", Hex(0x5B6665), Hex(0xD6D6DB), Hex(0xE2E3F0), Hex(0xDDDEE1)},
      {L"Silver", L"Press", Hex(0x5B6665), Hex(0xD6DBD9), Hex(0xFFFFFF), Hex(0x5B6665)},
      {L"Olive", L"Normal", Hex(0x8E997D), Hex(0xCBD7BA), Hex(0xA0B086), Hex(0x97A97D)},
      {L"Olive", L"Hot", Hex(0x9DAB77), Hex(0xDAE8B9), Hex(0xC6D39B), Hex(0xC6D39B)},
      {L"Olive", L"Press", Hex(0x768361), Hex(0x869473), Hex(0x98AB77), Hex(0x829468)},
  }};
  return table;
}

}  // namespace kovra::resources
