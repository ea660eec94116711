// The three pages' tables. Captions, labels and list items are the pages' own texts, blanks and
// spellings included; the alignment items all begin with "0 - " as the page has always shown
// them, while their list index is still the alignment.
#include <array>

#include "base/visit_helpers.h"
#include "pages/page_definition.h"

namespace kovra::pages {

namespace {

using enum FormElementKind;
using Items = std::span<const std::wstring_view>;

constexpr TwipSize kPageSize{5925, 3495};
constexpr int kBoxWidth = 2715;
constexpr int kBoxHeight = 315;
constexpr int kCheckHeight = 285;
constexpr int kLabelHeight = 255;

constexpr TwipRect Box(int left, int top) { return {left, top, kBoxWidth, kBoxHeight}; }
constexpr TwipRect Check(int left, int top, int width = kBoxWidth) {
  return {left, top, width, kCheckHeight};
}
constexpr TwipRect Caption(int left, int top) { return {left, top, kBoxWidth, kLabelHeight}; }

// ---- General ------------------------------------------------------------------------------

constexpr std::array<std::wstring_view, 2> kAppearanceItems{L"0 - Windows", L"1 - 3D Standard"};
constexpr std::array<std::wstring_view, 3> kAlignmentItems{L"0 - Left Justify",
                                                           L"0 - Right Justify", L"0 - Center"};

constexpr std::array<PageControl, 14> kGeneralControls{{
    {L"Combo1", ComboBox, {}, Box(120, 330), 0, L"Appearance", kAppearanceItems},
    {L"Combo2", ComboBox, {}, Box(120, 960), 1, L"Alignment", kAlignmentItems},
    {L"chkButtonSpin", CheckBox, L"ButtonSpin", Check(120, 1440), 2, L"ButtonSpin", {}},
    {L"txtButtonSpinIncrement", TextBox, {}, Box(120, 2100), 3, L"ButtonSpinIncrement", {}},
    {L"txtButtonSpinMax", TextBox, {}, Box(3060, 360), 4, L"ButtonSpinMax", {}},
    {L"txtButtonSpinMin", TextBox, {}, Box(3060, 990), 5, L"ButtonSpinMin", {}},
    {L"chkLocked", CheckBox, L"Locked", Check(3060, 1440), 6, L"Locked", {}},
    {L"chkEnabled", CheckBox, L"Enabled", Check(3060, 2070), 7, L"Enabled", {}},
    {L"chkFontOverEfect",
     CheckBox,
     L"Font Over Efect",
     Check(3060, 2595, 2700),
     8,
     L"FontOverEffect",
     {}},
    {L"Label1", Label, L"Appearance:", Caption(120, 90), 9, {}, {}},
    {L"Label2", Label, L"Alignment:", Caption(120, 720), 10, {}, {}},
    {L"lblButtonSpinIncrement", Label, L"ButtonSpinIncrement:", Caption(120, 1860), 11, {}, {}},
    {L"lblButtonSpinMax", Label, L"ButtonSpinMax:", Caption(3060, 90), 12, {}, {}},
    {L"lblButtonSpinMin", Label, L"ButtonSpinMin:", Caption(3060, 750), 13, {}, {}},
}};

constexpr std::array<std::wstring_view, 9> kGeneralOrder{
    L"FontOverEffect", L"Locked",  L"ButtonSpinMin", L"ButtonSpinMax", L"ButtonSpinIncrement",
    L"ButtonSpin",     L"Enabled", L"Appearance",    L"Alignment"};

// ---- Format -------------------------------------------------------------------------------

constexpr int kFormatLeft = 90;

constexpr std::array<PageControl, 9> kFormatControls{{
    {L"lblValue", Label, L"Value:", Caption(kFormatLeft, 120), 0, {}, {}},
    {L"txtValue", TextBox, {}, Box(kFormatLeft, 390), 1, L"Value", {}},
    {L"lblMaxValue", Label, L"Max Value:", Caption(kFormatLeft, 780), 2, {}, {}},
    {L"txtMaxValue", TextBox, {}, Box(kFormatLeft, 1020), 3, L"MaxValue", {}},
    {L"lblMinValue", Label, L"Min Value:", Caption(kFormatLeft, 1440), 4, {}, {}},
    {L"txtMinValue", TextBox, {}, Box(kFormatLeft, 1680), 5, L"MinValue", {}},
    {L"lblDecimalPlaces", Label, L"Decimal Places:", Caption(kFormatLeft, 2070), 6, {}, {}},
    {L"txtDecimalPlaces", TextBox, {}, Box(kFormatLeft, 2340), 7, L"DecimalPlaces", {}},
    {L"chkUseSeparator",
     CheckBox,
     L"Use Separator",
     Check(kFormatLeft, 2730),
     8,
     L"UseSeparator",
     {}},
}};

constexpr std::array<std::wstring_view, 5> kFormatOrder{L"UseSeparator", L"DecimalPlaces",
                                                        L"MinValue", L"MaxValue", L"Value"};

// ---- XP ("Windows-3D") --------------------------------------------------------------------

constexpr int kLeftColumn = 90;
constexpr int kRightColumn = 3030;

constexpr std::array<std::wstring_view, 2> kColorOptionItems{L"0 - Use XP Colors",
                                                             L"1 - Use WinBorderColor"};
constexpr std::array<std::wstring_view, 2> kGetThemeItems{L"0 - Automatic", L"1 - Manual"};
constexpr std::array<std::wstring_view, 3> kThemeItems{L"0 - Blue", L"1 - Silver", L"2 - Olive"};
constexpr std::array<std::wstring_view, 7> kBorderStyleItems{
    L"0 - None",       L"1 - Lowered",     L"2 - Raised",   L"3 - Flat Standard",
    L"4 - Flat Light", L"5 - Flat Shadow", L"6 - GB Raised"};
constexpr std::array<std::wstring_view, 2> kEdit3DItems{L"0 - Use SystemColor",
                                                        L"1 - Use Edit3DColor"};

constexpr std::array<PageControl, 13> kXpControls{{
    {L"lblXPBorderWidth", Label, L"Border Width:", Caption(kLeftColumn, 120), 0, {}, {}},
    {L"txtXPBorderWidth", TextBox, {}, Box(kLeftColumn, 360), 1, L"WinBorderWidth", {}},
    {L"Combo1",
     ComboBox,
     {},
     Box(kLeftColumn, 1050),
     2,
     L"WinBorderColorOption",
     kColorOptionItems},
    {L"Combo2", ComboBox, {}, Box(kLeftColumn, 1740), 3, L"XPGetTheme", kGetThemeItems},
    {L"Combo3", ComboBox, {}, Box(kLeftColumn, 2430), 4, L"WinTheme", kThemeItems},
    {L"chkXPBorderEfect",
     CheckBox,
     L"XP Borde Efect",
     Check(kLeftColumn, 2910),
     5,
     L"WinBorderEffect",
     {}},
    {L"Combo4", ComboBox, {}, Box(kRightColumn, 360), 6, L"Border3DStyle", kBorderStyleItems},
    {L"Combo5", ComboBox, {}, Box(kRightColumn, 1050), 7, L"Edit3DOption", kEdit3DItems},
    {L"Label1", Label, L"Border Color Option:", Caption(kLeftColumn, 810), 8, {}, {}},
    {L"Label2", Label, L"Get Theme:", Caption(kLeftColumn, 1500), 9, {}, {}},
    {L"Label3", Label, L"XP Theme:", Caption(kLeftColumn, 2190), 10, {}, {}},
    {L"Label4", Label, L"Border 3D Style:", Caption(kRightColumn, 120), 11, {}, {}},
    {L"Label5", Label, L"Edit 3D Option:", Caption(kRightColumn, 810), 12, {}, {}},
}};

constexpr std::array<std::wstring_view, 7> kXpOrder{
    L"WinBorderEffect", L"WinBorderWidth", L"WinBorderColorOption", L"XPGetTheme",
    L"WinTheme",        L"Border3DStyle",  L"Edit3DOption"};

constexpr PageDefinition kGeneral{L"DoubleGeneral", L"General", kPageSize, kGeneralControls,
                                  kGeneralOrder};
constexpr PageDefinition kFormat{L"DoubleFormat", L"Format", kPageSize, kFormatControls,
                                 kFormatOrder};
constexpr PageDefinition kXp{L"XP", L"Windows-3D", kPageSize, kXpControls, kXpOrder};

constexpr std::array<const PageDefinition*, 3> kDesignerOrder{&kGeneral, &kXp, &kFormat};

}  // namespace

const PageDefinition& GeneralPage() { return kGeneral; }
const PageDefinition& FormatPage() { return kFormat; }
const PageDefinition& XpPage() { return kXp; }

std::span<const PageDefinition* const> ControlPages() { return kDesignerOrder; }

const PageDefinition* FindPage(std::wstring_view name) {
  for (const PageDefinition* page : kDesignerOrder) {
    if (EqualsIgnoringCase(page->className, name) || EqualsIgnoringCase(page->caption, name)) {
      return page;
    }
  }
  return nullptr;
}

}  // namespace kovra::pages
