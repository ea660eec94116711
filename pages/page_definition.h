// The control's three property pages as data: for each page its class and caption, its size,
// its controls (kind, caption or label, place and size in twips, tab order, the property each
// edits, a combo box's list) and the order in which its properties are loaded and applied. A
// dialog can be built straight from a definition; PropertyPage runs it.
#pragma once

#include <span>
#include <string_view>

#include "platform/form_layout.h"

namespace kovra::pages {

struct PageControl {
  std::wstring_view name;
  FormElementKind kind;
  std::wstring_view caption;  // a label's or check box's caption; empty for boxes
  TwipRect bounds;
  int tabIndex;
  std::wstring_view property;                // what it edits; empty for a label
  std::span<const std::wstring_view> items;  // a combo box's list: list index = property value
};

struct PageDefinition {
  std::wstring_view className;  // as the type library names the page's class
  std::wstring_view caption;    // the tab's title
  TwipSize size;
  // The controls in the order the page makes them; combo lists are filled in this order.
  std::span<const PageControl> controls;
  // The edited properties in the order they are loaded and applied.
  std::span<const std::wstring_view> order;
};

// "General": Appearance, Alignment, the spin settings, Locked, Enabled, FontOverEffect.
const PageDefinition& GeneralPage();
// "Format": Value, MaxValue, MinValue, DecimalPlaces, UseSeparator.
const PageDefinition& FormatPage();
// "Windows-3D": the themed frame and the bevel style.
const PageDefinition& XpPage();

// The control's own pages in the order the designer shows them: DoubleGeneral, XP,
// DoubleFormat.
std::span<const PageDefinition* const> ControlPages();
// The page whose class or caption is `name` (any case); nullptr when none is.
const PageDefinition* FindPage(std::wstring_view name);

}  // namespace kovra::pages
