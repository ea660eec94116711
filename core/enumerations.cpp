#include "core/enumerations.h"

#include <array>

namespace kovra {
namespace {

// A member whose description is its name.
constexpr EnumMember M(std::int32_t value, std::wstring_view name) { return {value, name, name}; }

constexpr std::array kAlignment{M(0, L"LeftJustifyAlignment"), M(1, L"RightJustifyAlignment"),
                                M(2, L"CenterAlignment")};
constexpr std::array kAppearance{M(0, L"WindowsAppearance"), M(1, L"Standard3DAppearance")};
constexpr std::array kBorder3DStyle{M(0, L"NoneBorderStyle"),      M(1, L"LoweredBorderStyle"),
                                    M(2, L"RaisedBorderStyle"),    M(3, L"FlatStandardBorderStyle"),
                                    M(4, L"FlatLightBorderStyle"), M(5, L"FlatShadowBorderStyle"),
                                    M(6, L"GBRaisedBorderStyle")};
constexpr std::array kSelLength{M(0, L"All Text"), EnumMember{1, L"None", L"None    "}};
constexpr std::array kSelStart{M(0, L"Previous Position"), EnumMember{1, L"End", L"End      "},
                               M(2, L"Biginning")};
constexpr std::array kAutoCase{EnumMember{0, L"None", L"None  "},
                               EnumMember{1, L"Upper", L"Upper "},
                               EnumMember{2, L"Lower", L"Lower "}, M(3, L"Proper")};
constexpr std::array kMousePointer{M(0, L"Default"),
                                   M(1, L"Arrow"),
                                   M(2, L"Cross"),
                                   M(3, L"I-Beam"),
                                   M(4, L"Icon"),
                                   M(5, L"Size"),
                                   M(6, L"Size NE SW"),
                                   M(7, L"Size N S"),
                                   M(8, L"Size NW NS"),
                                   M(9, L"Size W E"),
                                   M(10, L"Up Arrow"),
                                   M(11, L"Hourglass"),
                                   M(12, L"No Drop"),
                                   EnumMember{13, L"Arrow and Hourglass", L"Arrow and Hourglass "},
                                   M(14, L"Arrow and Question"),
                                   M(15, L"Size All"),
                                   M(99, L"Custom")};
constexpr std::array kOleDragMode{M(0, L"Manual"), M(1, L"Automatic")};
constexpr std::array kOleDropMode{EnumMember{0, L"None", L"None      "},
                                  EnumMember{1, L"Manual", L"Manual    "},
                                  EnumMember{2, L"Automatic", L"Automatic "}};
constexpr std::array kLinkMode{
    EnumMember{0, L"None", L"None       "}, EnumMember{1, L"Automatic", L"Automatic  "},
    EnumMember{2, L"Manual", L"Manual     "}, EnumMember{3, L"Notify", L"Notify     "}};
constexpr std::array kEdit3DOption{M(0, L"UseSystemColor"), M(1, L"UseEdit3DColor")};
constexpr std::array kXPGetTheme{M(0, L"AutomaticGetTheme"), M(1, L"ManualGetTheme")};
constexpr std::array kWinTheme{M(0, L"BlueTheme"), M(1, L"SilverTheme"), M(2, L"OliveTheme")};
constexpr std::array kWinBorderColorOption{M(0, L"UseColors"), M(1, L"UseBorderColor")};
constexpr std::array kButtonSpinEdit{M(0, L"DisabledEdit"), M(1, L"EnabledEdit")};

constexpr std::array<Enumeration, 15> kEnumerations{{
    {L"TypeAlignment", kAlignment},
    {L"TypeAppearance", kAppearance},
    {L"TypeBorder3DStyle", kBorder3DStyle},
    {L"TypeSelLength", kSelLength},
    {L"TypeSelStart", kSelStart},
    {L"TypeAutoCase", kAutoCase},
    {L"TypeMousePointer", kMousePointer},
    {L"TypeOleDragMode", kOleDragMode},
    {L"TypeOleDropMode", kOleDropMode},
    {L"TypeLinkMode", kLinkMode},
    {L"TypeEdit3DOption", kEdit3DOption},
    {L"TypeXPGetTheme", kXPGetTheme},
    {L"TypeWinTheme", kWinTheme},
    {L"TypeWinBorderColorOption", kWinBorderColorOption},
    {L"TypeButtonSpinEdit", kButtonSpinEdit},
}};

}  // namespace

std::span<const Enumeration> Enumerations() { return kEnumerations; }

const Enumeration* FindEnumeration(std::wstring_view name) {
  for (const Enumeration& e : kEnumerations) {
    if (e.name == name) return &e;
  }
  return nullptr;
}

}  // namespace kovra
