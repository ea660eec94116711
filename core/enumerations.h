// The fifteen enumerations of the control's typed properties: one table that the type library,
// the property browser and the tests read, plus named constants for the code that branches on
// them. Stored property values are not checked against these members.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace kovra {

struct EnumMember {
  std::int32_t value;
  std::wstring_view name;         // exactly as the type library holds it, blanks included
  std::wstring_view description;  // the text shown for the member; trailing blanks belong to it
};

struct Enumeration {
  std::wstring_view name;
  std::span<const EnumMember> members;
};

// All enumerations, in the order the type library declares them.
std::span<const Enumeration> Enumerations();

// The enumeration called `name`, or nullptr.
const Enumeration* FindEnumeration(std::wstring_view name);

// Named values for the code.
namespace appearance {
inline constexpr std::int16_t WindowsAppearance = 0;
inline constexpr std::int16_t Standard3DAppearance = 1;
}  // namespace appearance

namespace border3d {
inline constexpr std::int16_t NoneBorderStyle = 0;
inline constexpr std::int16_t LoweredBorderStyle = 1;
inline constexpr std::int16_t RaisedBorderStyle = 2;
inline constexpr std::int16_t FlatStandardBorderStyle = 3;
inline constexpr std::int16_t FlatLightBorderStyle = 4;
inline constexpr std::int16_t FlatShadowBorderStyle = 5;
inline constexpr std::int16_t GBRaisedBorderStyle = 6;
}  // namespace border3d

namespace sel_length {
inline constexpr std::int32_t AllText = 0;
inline constexpr std::int32_t None = 1;
}  // namespace sel_length

namespace sel_start {
inline constexpr std::int32_t PreviousPosition = 0;
inline constexpr std::int32_t End = 1;
inline constexpr std::int32_t Biginning = 2;
}  // namespace sel_start

namespace alignment {
inline constexpr std::int16_t LeftJustifyAlignment = 0;
inline constexpr std::int16_t RightJustifyAlignment = 1;
inline constexpr std::int16_t CenterAlignment = 2;
}  // namespace alignment

namespace mouse_pointer {
inline constexpr std::int32_t Default = 0;
inline constexpr std::int32_t Arrow = 1;
inline constexpr std::int32_t IBeam = 3;
inline constexpr std::int32_t Custom = 99;
}  // namespace mouse_pointer

namespace edit3d_option {
inline constexpr std::int16_t UseSystemColor = 0;
inline constexpr std::int16_t UseEdit3DColor = 1;
}  // namespace edit3d_option

namespace xp_get_theme {
inline constexpr std::int16_t AutomaticGetTheme = 0;
inline constexpr std::int16_t ManualGetTheme = 1;
}  // namespace xp_get_theme

namespace win_theme {
inline constexpr std::int16_t BlueTheme = 0;
inline constexpr std::int16_t SilverTheme = 1;
inline constexpr std::int16_t OliveTheme = 2;
}  // namespace win_theme

namespace win_border_color_option {
inline constexpr std::int16_t UseColors = 0;
inline constexpr std::int16_t UseBorderColor = 1;
}  // namespace win_border_color_option

namespace button_spin_edit {
inline constexpr std::int16_t DisabledEdit = 0;
inline constexpr std::int16_t EnabledEdit = 1;
}  // namespace button_spin_edit

}  // namespace kovra
