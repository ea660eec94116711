#include "core/member_table.h"

#include <array>

#include "base/visit_helpers.h"

namespace kovra {

namespace {

constexpr std::array<MethodParameter, 1> kCommand{{{L"Command", ValueType::String}}};

// clang-format off
constexpr std::array<Member, 57> kMembers{{
    {L"BackColor", 0x68030030, kGet | kLet, ValueType::Color, {}, 0, kNoAttributes, {}, {}},
    {L"ForeColor", 0x6803002F, kGet | kLet, ValueType::Color, {}, 0, kNoAttributes, {}, {}},
    {L"Enabled", 0x6803002E, kGet | kLet, ValueType::Boolean, {}, 0, kNoAttributes, {}, {}},
    {L"Font", 0x6803002D, kGet | kSet, ValueType::Font, {}, 0, kNoAttributes, {}, {}},
    {L"Appearance", 0x6803002C, kGet | kLet, ValueType::Enumeration, L"TypeAppearance", 2090, kNoAttributes, {}, {}},
    {L"Refresh", 0x60030031, kMethod, ValueType::None, {}, 0, kNoAttributes, {}, {}},
    {L"Alignment", 0x6803002B, kGet | kLet, ValueType::Enumeration, L"TypeAlignment", 2100, kNoAttributes, {}, {}},
    {L"HideSelection", 0x6803002A, kGet, ValueType::Boolean, {}, 0, kNoAttributes, {}, {}},
    {L"LinkItem", 0x68030029, kGet | kLet, ValueType::String, {}, 0, kNoAttributes, {}, {}},
    {L"LinkMode", 0x68030028, kGet | kLet, ValueType::Enumeration, L"TypeLinkMode", 0, kNoAttributes, {}, {}},
    {L"LinkTimeout", 0x68030027, kGet | kLet, ValueType::Int16, {}, 0, kNoAttributes, {}, {}},
    {L"LinkTopic", 0x68030026, kGet | kLet, ValueType::String, {}, 0, kNoAttributes, {}, {}},
    {L"OLEDragMode", 0x68030025, kGet | kLet, ValueType::Enumeration, L"TypeOleDragMode", 0, kNoAttributes, {}, {}},
    {L"OLEDropMode", 0x68030024, kGet | kLet, ValueType::Enumeration, L"TypeOleDropMode", 0, kNoAttributes, {}, {}},
    {L"RightToLeft", 0x68030023, kGet | kLet, ValueType::Boolean, {}, 0, kNoAttributes, {}, {}},
    {L"SelLength", 0x68030022, kGet | kLet, ValueType::Enumeration, L"TypeSelLength", 0, kNoAttributes, {}, {}},
    {L"SelStart", 0x68030021, kGet | kLet, ValueType::Enumeration, L"TypeSelStart", 0, kNoAttributes, {}, {}},
    {L"WinBorderWidth", 0x68030020, kGet | kLet, ValueType::Int16, {}, 2120, kNoAttributes, {}, {}},
    {L"WinBorderColor", 0x6803001F, kGet | kLet, ValueType::Color, {}, 2160, kNoAttributes, {}, {}},
    {L"WinBorderEffect", 0x6803001E, kGet | kLet, ValueType::Boolean, {}, 2190, kNoAttributes, {}, {}},
    {L"WinBorderOverColor", 0x6803001D, kGet | kLet, ValueType::Color, {}, 2210, kNoAttributes, {}, {}},
    {L"FontOverEffect", 0x6803001C, kGet | kLet, ValueType::Boolean, {}, 2150, kNoAttributes, {}, {}},
    {L"FontOverColor", 0x6803001B, kGet | kLet, ValueType::Color, {}, 2060, kNoAttributes, {}, {}},
    {L"Border3DStyle", 0x6803001A, kGet | kLet, ValueType::Enumeration, L"TypeBorder3DStyle", 2050, kNoAttributes, {}, {}},
    {L"LinkExecute", 0x6003005A, kMethod, ValueType::None, {}, 0, kNoAttributes, {}, kCommand},
    {L"LinkPoke", 0x6003005B, kMethod, ValueType::None, {}, 0, kNoAttributes, {}, {}},
    {L"LinkRequest", 0x6003005C, kMethod, ValueType::None, {}, 0, kNoAttributes, {}, {}},
    {L"LinkSend", 0x6003005D, kMethod, ValueType::None, {}, 0, kNoAttributes, {}, {}},
    {L"OLEDrag", 0x6003005E, kMethod, ValueType::None, {}, 0, kNoAttributes, {}, {}},
    {L"Edit3DOption", 0x68030019, kGet | kLet, ValueType::Enumeration, L"TypeEdit3DOption", 2040, kNoAttributes, {}, {}},
    {L"Value", kValueDispatchId, kGet | kLet, ValueType::String, {}, 2140, kDefaultMember | kBindable | kDefaultBind, {}, {}},
    {L"MaxValue", 0x68030018, kGet | kLet, ValueType::Double, {}, 0, kNoAttributes, {}, {}},
    {L"MinValue", 0x68030017, kGet | kLet, ValueType::Double, {}, 0, kNoAttributes, {}, {}},
    {L"DecimalPlaces", 0x68030016, kGet | kLet, ValueType::Int16, {}, 2020, kNoAttributes, {}, {}},
    {L"UseSeparator", 0x68030015, kGet | kLet, ValueType::Boolean, {}, 2170, kNoAttributes, {}, {}},
    {L"MousePointer", 0x68030014, kGet | kLet, ValueType::Enumeration, L"TypeMousePointer", 0, kNoAttributes, {}, {}},
    {L"MouseIcon", 0x68030013, kGet | kSet, ValueType::Picture, {}, 0, kNoAttributes, {}, {}},
    {L"XPGetTheme", 0x68030012, kGet | kLet, ValueType::Enumeration, L"TypeXPGetTheme", 2220, kNoAttributes, {}, {}},
    {L"WinTheme", 0x68030011, kGet | kLet, ValueType::Enumeration, L"TypeWinTheme", 2130, kNoAttributes, {}, {}},
    {L"WinBorderColorOption", 0x68030010, kGet | kLet, ValueType::Enumeration, L"TypeWinBorderColorOption", 2200, kNoAttributes, {}, {}},
    {L"ButtonSpin", 0x6803000F, kGet | kLet, ValueType::Boolean, {}, 2110, kNoAttributes, {}, {}},
    {L"ButtonSpinArrowColor", 0x6803000E, kGet | kLet, ValueType::Color, {}, 2070, kNoAttributes, {}, {}},
    {L"Edit3DColor", 0x6803000D, kGet | kLet, ValueType::Color, {}, 2030, kNoAttributes, {}, {}},
    {L"ButtonSpinIncrement", 0x6803000C, kGet | kLet, ValueType::Double, {}, 1990, kNoAttributes, {}, {}},
    {L"ButtonSpinMax", 0x6803000B, kGet | kLet, ValueType::Double, {}, 2000, kNoAttributes, {}, {}},
    {L"ButtonSpinMin", 0x6803000A, kGet | kLet, ValueType::Double, {}, 2010, kNoAttributes, {}, {}},
    {L"ButtonSpinEdit", 0x68030009, kGet | kLet, ValueType::Enumeration, L"TypeButtonSpinEdit", 2080, kNoAttributes, {}, {}},
    {L"Locked", 0x68030008, kGet | kLet, ValueType::Boolean, {}, 0, kNoAttributes, {}, {}},
    {L"Acerca", -552, kMethod, ValueType::None, {}, 0, kHidden, {}, {}},
    {L"hWnd", 0x68030007, kGet, ValueType::Int32, {}, 0, kHidden, {}, {}},
    {L"chWnd", 0x68030006, kGet, ValueType::Int32, {}, 0, kHidden, {}, {}},
    {L"FontUnderline", 0x68030005, kGet | kLet, ValueType::Boolean, {}, 0, kNotBrowsable, L"Devuelve o establece el estilo subrayado de una fuente.", {}},
    {L"FontStrikethru", 0x68030004, kGet | kLet, ValueType::Boolean, {}, 0, kNotBrowsable, L"Devuelve o establece el estilo tachado de una fuente.", {}},
    {L"FontSize", 0x68030003, kGet | kLet, ValueType::Single, {}, 0, kNotBrowsable, L"Especifica el tamaño (en puntos) de la fuente que aparece en cada fila del nivel especificado.", {}},
    {L"FontName", 0x68030002, kGet | kLet, ValueType::String, {}, 0, kNotBrowsable, L"Especifica el nombre de la fuente que aparece en cada fila del nivel especificado.", {}},
    {L"FontItalic", 0x68030001, kGet | kLet, ValueType::Boolean, {}, 0, kNotBrowsable, L"Devuelve o establece el estilo cursiva de una fuente.", {}},
    {L"FontBold", 0x68030000, kGet | kLet, ValueType::Boolean, {}, 0, kNotBrowsable, L"Devuelve o establece el estilo negrita de una fuente.", {}},
}};
// clang-format on

constexpr std::array<EventArgumentInfo, 2> kKeyArguments{
    {{L"KeyCode", ValueType::Int16}, {L"Shift", ValueType::Int16}}};
constexpr std::array<EventArgumentInfo, 1> kKeyAscii{{{L"KeyAscii", ValueType::Int16}}};
constexpr std::array<EventArgumentInfo, 4> kMouseArguments{{{L"Button", ValueType::Int16},
                                                            {L"Shift", ValueType::Int16},
                                                            {L"x", ValueType::Single},
                                                            {L"y", ValueType::Single}}};
constexpr std::array<EventArgumentInfo, 1> kEffect{{{L"Effect", ValueType::Int32}}};
constexpr std::array<EventArgumentInfo, 6> kDragDrop{{{L"Data", ValueType::DataObject},
                                                      {L"Effect", ValueType::Int32},
                                                      {L"Button", ValueType::Int16},
                                                      {L"Shift", ValueType::Int16},
                                                      {L"x", ValueType::Single},
                                                      {L"y", ValueType::Single}}};
constexpr std::array<EventArgumentInfo, 7> kDragOver{{{L"Data", ValueType::DataObject},
                                                      {L"Effect", ValueType::Int32},
                                                      {L"Button", ValueType::Int16},
                                                      {L"Shift", ValueType::Int16},
                                                      {L"x", ValueType::Single},
                                                      {L"y", ValueType::Single},
                                                      {L"State", ValueType::Int16}}};
constexpr std::array<EventArgumentInfo, 2> kSetData{
    {{L"Data", ValueType::DataObject}, {L"DataFormat", ValueType::Int16}}};
constexpr std::array<EventArgumentInfo, 2> kStartDrag{
    {{L"Data", ValueType::DataObject}, {L"AllowedEffects", ValueType::Int32}}};
constexpr std::array<EventArgumentInfo, 2> kGiveFeedback{
    {{L"Effect", ValueType::Int32}, {L"DefaultCursors", ValueType::Boolean}}};

constexpr std::array<EventInfo, 18> kEvents{{
    {L"Change", 1, {}},
    {L"Click", 2, {}},
    {L"DblClick", 3, {}},
    {L"KeyDown", 4, kKeyArguments},
    {L"KeyPress", 5, kKeyAscii},
    {L"KeyUp", 6, kKeyArguments},
    {L"MouseDown", 7, kMouseArguments},
    {L"MouseMove", 8, kMouseArguments},
    {L"MouseUp", 9, kMouseArguments},
    {L"OLECompleteDrag", 10, kEffect},
    {L"OLEDragDrop", 11, kDragDrop},
    {L"OLEDragOver", 12, kDragOver},
    {L"OLESetData", 13, kSetData},
    {L"OLEStartDrag", 14, kStartDrag},
    {L"OLEGiveFeedback", 15, kGiveFeedback},
    {L"MouseEnter", 16, kMouseArguments},
    {L"MouseExit", 17, kMouseArguments},
    {L"ButtonSpin", 18, {}},
}};

}  // namespace

std::span<const Member> Members() { return kMembers; }
std::span<const EventInfo> Events() { return kEvents; }

const Member* FindMember(std::wstring_view name) {
  for (const Member& m : kMembers) {
    if (EqualsIgnoringCase(m.name, name)) return &m;
  }
  return nullptr;
}

const Member* FindMember(std::int32_t dispatchId) {
  for (const Member& m : kMembers) {
    if (m.dispatchId == dispatchId) return &m;
  }
  return nullptr;
}

const EventInfo* FindEvent(std::int32_t dispatchId) {
  for (const EventInfo& e : kEvents) {
    if (e.dispatchId == dispatchId) return &e;
  }
  return nullptr;
}

}  // namespace kovra
