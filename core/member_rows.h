// The rows of the interface table, in a header so that code made from them when it is compiled
// (the dual interface's vtable, whose every slot's parameter type comes from its row) reads the
// very table the rest of the control reads through Members(). Include it only where the rows
// are needed as constants; everything else uses core/member_table.h.
#pragma once

#include <array>

#include "core/member_table.h"
#include "core/text_box_properties.h"

namespace kovra {

namespace member_rows {

using T = ValueType;
using F = PropertyMembers;

// One row of the table, written as the member's kind followed by what sets it apart.
class Row {
  Member m_;

  template <typename Change>
  constexpr Row With(Change change) const {
    Member m = m_;
    change(m);
    return Row(m);
  }

 public:
  constexpr explicit Row(Member member) : m_(member) {}
  constexpr operator Member() const { return m_; }  // NOLINT: rows are members

  constexpr Row Typed(std::wstring_view enumeration) const {
    return With([&](Member& m) {
      m.type = T::Enumeration;
      m.enumeration = enumeration;
    });
  }
  constexpr Row Help(std::int32_t context) const {
    return With([&](Member& m) { m.helpContext = context; });
  }
  constexpr Row Attributes(std::uint8_t attributes) const {
    return With([&](Member& m) { m.attributes = attributes; });
  }
  constexpr Row HelpString(std::wstring_view text) const {
    return With([&](Member& m) { m.helpString = text; });
  }
  constexpr Row Parameters(std::span<const MethodParameter> parameters) const {
    return With([&](Member& m) { m.parameters = parameters; });
  }
  constexpr Row DefaultsTo(double number) const {
    return With([&](Member& m) { m.byDefault = {Default::Kind::Number, number, {}, false}; });
  }
  // A False default that the property bag is handed as the integer 0.
  constexpr Row DefaultsToZero() const {
    return With([&](Member& m) { m.byDefault = {Default::Kind::Number, 0, {}, true}; });
  }
  constexpr Row DefaultsToText(std::wstring_view text) const {
    return With([&](Member& m) { m.byDefault = {Default::Kind::Text, 0, text, false}; });
  }
  constexpr Row DefaultsToAmbientFont() const {
    return With([&](Member& m) { m.byDefault = {Default::Kind::AmbientFont, 0, {}, false}; });
  }
  constexpr Row DefaultsToNoPicture() const {
    return With([&](Member& m) { m.byDefault = {Default::Kind::NoPicture, 0, {}, false}; });
  }
  constexpr Row Repaints(Repaint when) const {
    return With([&](Member& m) { m.repaint = when; });
  }
  constexpr Row Checks(Check check) const {
    return With([&](Member& m) { m.check = check; });
  }
  constexpr Row Then(AfterStore after) const {
    return With([&](Member& m) { m.afterStore = after; });
  }
  constexpr Row Saved(std::uint8_t position, Loading loading = Loading::Store) const {
    return With([&](Member& m) { m.saved = {position, loading}; });
  }
  constexpr Row SavedAgain(std::uint8_t position, Loading loading = Loading::Store) const {
    return With([&](Member& m) { m.savedAgain = {position, loading}; });
  }
};

constexpr Member Named(std::wstring_view name, std::int32_t dispatchId, std::uint8_t access,
                       ValueType type, Home home) {
  Member m;
  m.name = name;
  m.dispatchId = dispatchId;
  m.access = access;
  m.type = type;
  m.home = home;
  return m;
}

// A property kept in a member of the control.
constexpr Row Stored(std::wstring_view name, std::int32_t dispatchId, ValueType type,
                     MemberField field, std::uint8_t access = kGet | kLet) {
  Member m = Named(name, dispatchId, access, type, Home::Member);
  m.field = field;
  return Row(m);
}

// A property that lives in Text1.
constexpr Row InText1(std::wstring_view name, std::int32_t dispatchId, ValueType type,
                      const TextBoxProperty& property, std::uint8_t access = kGet | kLet) {
  Member m = Named(name, dispatchId, access, type, Home::TextBox);
  m.textBox = &property;
  return Row(m);
}

// A method that Text1 carries out.
constexpr Row ByText1(std::wstring_view name, std::int32_t dispatchId, TextBoxMethod method) {
  Member m = Named(name, dispatchId, kMethod, T::None, Home::Method);
  m.textBoxMethod = method;
  return Row(m);
}

// A method of the control's own.
constexpr Row ByControl(std::wstring_view name, std::int32_t dispatchId, ControlMethod method) {
  Member m = Named(name, dispatchId, kMethod, T::None, Home::Method);
  m.controlMethod = method;
  return Row(m);
}

inline constexpr std::array<MethodParameter, 1> kCommand{{{L"Command", T::String}}};

// clang-format off
inline constexpr std::array<Member, 57> kMemberRows{{
    Stored(L"BackColor", 0x68030030, T::Color, &F::backColor).DefaultsTo(0x80000005).Repaints(Repaint::Always).Saved(1),
    Stored(L"ForeColor", 0x6803002F, T::Color, &F::foreColor).DefaultsTo(0x80000008).Repaints(Repaint::Always).Saved(2),
    Stored(L"Enabled", 0x6803002E, T::Boolean, &F::enabled).DefaultsTo(kTrue).Repaints(Repaint::Always).Saved(3),
    InText1(L"Font", 0x6803002D, T::Font, text_box::kFont, kGet | kSet).DefaultsToAmbientFont().Repaints(Repaint::Always).Saved(4),
    Stored(L"Appearance", 0x6803002C, T::Int16, &F::appearance).Typed(L"TypeAppearance").Help(2090).DefaultsTo(0).Repaints(Repaint::Always).Saved(5),
    ByControl(L"Refresh", 0x60030031, ControlMethod::Refresh),
    InText1(L"Alignment", 0x6803002B, T::Int16, text_box::kAlignment).Typed(L"TypeAlignment").Help(2100).DefaultsTo(0).Repaints(Repaint::Always).Saved(6, Loading::StoreGuarded),
    InText1(L"HideSelection", 0x6803002A, T::Boolean, text_box::kHideSelection, kGet),
    InText1(L"LinkItem", 0x68030029, T::String, text_box::kLinkItem).DefaultsToText(L"").Saved(7),
    InText1(L"LinkMode", 0x68030028, T::Int16, text_box::kLinkMode).Typed(L"TypeLinkMode").DefaultsTo(0).Saved(8),
    InText1(L"LinkTimeout", 0x68030027, T::Int16, text_box::kLinkTimeout).DefaultsTo(50).Saved(9),
    InText1(L"LinkTopic", 0x68030026, T::String, text_box::kLinkTopic).DefaultsToText(L"").Saved(10),
    InText1(L"OLEDragMode", 0x68030025, T::Int16, text_box::kOleDragMode).Typed(L"TypeOleDragMode").DefaultsTo(0).Saved(12),
    InText1(L"OLEDropMode", 0x68030024, T::Int16, text_box::kOleDropMode).Typed(L"TypeOleDropMode").DefaultsTo(0).Saved(13),
    InText1(L"RightToLeft", 0x68030023, T::Boolean, text_box::kRightToLeft).DefaultsTo(kFalse).Saved(14),
    Stored(L"SelLength", 0x68030022, T::Int32, &F::selLength).Typed(L"TypeSelLength").DefaultsTo(0).Saved(15),
    Stored(L"SelStart", 0x68030021, T::Int32, &F::selStart).Typed(L"TypeSelStart").DefaultsTo(0).Saved(16),
    Stored(L"WinBorderWidth", 0x68030020, T::Int16, &F::winBorderWidth).Help(2120).DefaultsTo(1).Checks(Check::AtLeastOne).Repaints(Repaint::Themed).Saved(17),
    Stored(L"WinBorderColor", 0x6803001F, T::Color, &F::winBorderColor).Help(2160).DefaultsTo(0x00C00000).Repaints(Repaint::Themed).Saved(18),
    Stored(L"WinBorderEffect", 0x6803001E, T::Boolean, &F::winBorderEffect).Help(2190).DefaultsToZero().Repaints(Repaint::Themed).Saved(19),
    Stored(L"WinBorderOverColor", 0x6803001D, T::Color, &F::winBorderOverColor).Help(2210).DefaultsTo(0x00FF0000).Saved(20),
    Stored(L"FontOverEffect", 0x6803001C, T::Boolean, &F::fontOverEffect).Help(2150).DefaultsToZero().Saved(21),
    Stored(L"FontOverColor", 0x6803001B, T::Color, &F::fontOverColor).Help(2060).DefaultsTo(0x000000FF).Saved(22),
    Stored(L"Border3DStyle", 0x6803001A, T::Int16, &F::border3DStyle).Typed(L"TypeBorder3DStyle").Help(2050).DefaultsTo(1).Repaints(Repaint::Classic).Saved(23),
    ByText1(L"LinkExecute", 0x6003005A, text_box::LinkExecute).Parameters(kCommand),
    ByText1(L"LinkPoke", 0x6003005B, text_box::LinkPoke),
    ByText1(L"LinkRequest", 0x6003005C, text_box::LinkRequest),
    ByText1(L"LinkSend", 0x6003005D, text_box::LinkSend),
    ByText1(L"OLEDrag", 0x6003005E, text_box::OLEDrag),
    Stored(L"Edit3DOption", 0x68030019, T::Int16, &F::edit3DOption).Typed(L"TypeEdit3DOption").Help(2040).DefaultsTo(0).Repaints(Repaint::Classic).Saved(24),
    Row(Named(L"Value", kValueDispatchId, kGet | kLet, T::String, Home::Value)).Help(2140).Attributes(kDefaultMember | kBindable | kDefaultBind).DefaultsToText(L"0.00").Saved(42),
    Stored(L"MaxValue", 0x68030018, T::Double, &F::maxValue).DefaultsTo(900000000000.0).Saved(25),
    Stored(L"MinValue", 0x68030017, T::Double, &F::minValue).DefaultsTo(-900000000000.0).Saved(26),
    Stored(L"DecimalPlaces", 0x68030016, T::Int16, &F::decimalPlaces).Help(2020).DefaultsTo(2).Checks(Check::AtLeastZero).Repaints(Repaint::Always).Saved(27),
    Stored(L"UseSeparator", 0x68030015, T::Boolean, &F::useSeparator).Help(2170).DefaultsToZero().Repaints(Repaint::Always).Saved(28),
    Stored(L"MousePointer", 0x68030014, T::Int32, &F::mousePointer).Typed(L"TypeMousePointer").DefaultsTo(0).Saved(29),
    Stored(L"MouseIcon", 0x68030013, T::Picture, &F::mouseIcon, kGet | kSet).DefaultsToNoPicture().Saved(11, Loading::Setter).SavedAgain(30),
    Stored(L"XPGetTheme", 0x68030012, T::Int16, &F::xpGetTheme).Typed(L"TypeXPGetTheme").Help(2220).DefaultsTo(0).Repaints(Repaint::Themed).Saved(31),
    Stored(L"WinTheme", 0x68030011, T::Int16, &F::winTheme).Typed(L"TypeWinTheme").Help(2130).DefaultsTo(0).Repaints(Repaint::Themed).Saved(32),
    Stored(L"WinBorderColorOption", 0x68030010, T::Int16, &F::winBorderColorOption).Typed(L"TypeWinBorderColorOption").Help(2200).DefaultsTo(0).Repaints(Repaint::Themed).Saved(33),
    Stored(L"ButtonSpin", 0x6803000F, T::Boolean, &F::buttonSpin).Help(2110).DefaultsToZero().Then(AfterStore::BringTextIntoSpinRange).Repaints(Repaint::Always).Saved(34),
    Stored(L"ButtonSpinArrowColor", 0x6803000E, T::Color, &F::buttonSpinArrowColor).Help(2070).DefaultsTo(0x80000012).Repaints(Repaint::Spin).Saved(35),
    Stored(L"Edit3DColor", 0x6803000D, T::Color, &F::edit3DColor).Help(2030).DefaultsTo(0x8000000F).Repaints(Repaint::Spin).Saved(36),
    Stored(L"ButtonSpinIncrement", 0x6803000C, T::Double, &F::buttonSpinIncrement).Help(1990).DefaultsTo(1).Checks(Check::NotNegative).Saved(37),
    Stored(L"ButtonSpinMax", 0x6803000B, T::Double, &F::buttonSpinMax).Help(2000).DefaultsTo(100).Then(AfterStore::LowerTextToSpinMax).Saved(38),
    Stored(L"ButtonSpinMin", 0x6803000A, T::Double, &F::buttonSpinMin).Help(2010).DefaultsTo(0).Then(AfterStore::RaiseTextToSpinMin).Saved(39),
    Stored(L"ButtonSpinEdit", 0x68030009, T::Int16, &F::buttonSpinEdit).Typed(L"TypeButtonSpinEdit").Help(2080).DefaultsTo(0).Saved(40),
    Stored(L"Locked", 0x68030008, T::Boolean, &F::locked).DefaultsToZero().Repaints(Repaint::Always).Saved(41),
    ByControl(L"Acerca", -552, ControlMethod::About).Attributes(kHidden),
    InText1(L"hWnd", 0x68030007, T::Int32, text_box::kWindowHandle, kGet).Attributes(kHidden),
    Row(Named(L"chWnd", 0x68030006, kGet, T::Int32, Home::SurfaceWindow)).Attributes(kHidden),
    InText1(L"FontUnderline", 0x68030005, T::Boolean, text_box::kFontUnderline).Attributes(kNotBrowsable).HelpString(L"Devuelve o establece el estilo subrayado de una fuente.").Repaints(Repaint::Always),
    InText1(L"FontStrikethru", 0x68030004, T::Boolean, text_box::kFontStrikethru).Attributes(kNotBrowsable).HelpString(L"Devuelve o establece el estilo tachado de una fuente.").Repaints(Repaint::Always),
    InText1(L"FontSize", 0x68030003, T::Single, text_box::kFontSize).Attributes(kNotBrowsable).HelpString(L"Especifica el tamaño (en puntos) de la fuente que aparece en cada fila del nivel especificado.").Repaints(Repaint::Always),
    InText1(L"FontName", 0x68030002, T::String, text_box::kFontName).Attributes(kNotBrowsable).HelpString(L"Especifica el nombre de la fuente que aparece en cada fila del nivel especificado.").Repaints(Repaint::Always),
    InText1(L"FontItalic", 0x68030001, T::Boolean, text_box::kFontItalic).Attributes(kNotBrowsable).HelpString(L"Devuelve o establece el estilo cursiva de una fuente.").Repaints(Repaint::Always),
    InText1(L"FontBold", 0x68030000, T::Boolean, text_box::kFontBold).Attributes(kNotBrowsable).HelpString(L"Devuelve o establece el estilo negrita de una fuente.").Repaints(Repaint::Always),
}};
// clang-format on

}  // namespace member_rows

}  // namespace kovra
