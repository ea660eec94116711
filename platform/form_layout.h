// A form as the platform shows it: its caption, its inner size and its elements with their kinds,
// captions, places, tab order, fonts, lists and pictures. All geometry is in twips (1/1440 inch,
// 15 to a pixel at 96 pixels per inch), so that a dialog can be built straight from a layout on
// any platform and a recording platform can keep one as it was shown.
#pragma once

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/types.h"

namespace kovra {

inline constexpr int kTwipsPerPixel = 15;  // at 96 pixels per inch

enum class FormElementKind { Label, LinkLabel, TextBox, ComboBox, CheckBox, Button, Picture };

struct TwipSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const TwipSize&, const TwipSize&) = default;
};

struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const TwipRect&, const TwipRect&) = default;
};

struct FormElement {
  std::wstring name;
  FormElementKind kind = FormElementKind::Label;
  // A label's, link's, check box's or button's caption; a text box's text; the item a combo
  // box shows (empty when it shows none).
  std::wstring caption;
  TwipRect bounds;
  int tabIndex = -1;  // its place in the tab order; -1 for none (a picture)
  Font font;
  std::vector<std::wstring> items;  // a combo box's list, list index 0 first
  // A check box's Value (0 unchecked, 1 checked); a combo box's ListIndex (-1: no item).
  int value = 0;
  std::wstring picture;  // a picture's or a button's picture, by resource name

  friend bool operator==(const FormElement&, const FormElement&) = default;
};

struct FormLayout {
  std::wstring name;     // the form's class: "About", "DoubleGeneral"
  std::wstring caption;  // its title
  TwipSize inner;        // the inner (client) area: ScaleWidth by ScaleHeight
  std::vector<FormElement> elements;

  // The element called `element`; std::invalid_argument when the form has none.
  const FormElement& Element(std::wstring_view element) const {
    const auto found = std::find_if(elements.begin(), elements.end(),
                                    [&](const FormElement& e) { return e.name == element; });
    if (found == elements.end()) {
      throw std::invalid_argument("the form has no element " +
                                  std::string(element.begin(), element.end()));
    }
    return *found;
  }
  FormElement& Element(std::wstring_view element) {
    return const_cast<FormElement&>(std::as_const(*this).Element(element));
  }

  friend bool operator==(const FormLayout&, const FormLayout&) = default;
};

}  // namespace kovra
