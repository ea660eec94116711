// The members of a KovraDouble: one per stored property, and the state the core owns. Every
// member starts as zero, False, empty or an empty reference; InitProperties or ReadProperties
// puts the property defaults in.
#pragma once

#include <cstdint>
#include <string>

#include "base/number_text.h"
#include "base/types.h"
#include "platform/drawing.h"

namespace kovra {

// The four system colours the painters use; refilled by LoadSystemColors at every refresh.
struct SystemColourTable {
  Rgb face = 0;        // COLOR_BTNFACE
  Rgb shadow = 0;      // COLOR_BTNSHADOW
  Rgb highlight = 0;   // COLOR_BTNHIGHLIGHT
  Rgb buttonText = 0;  // COLOR_BTNTEXT
  friend bool operator==(const SystemColourTable&, const SystemColourTable&) = default;
};

// Property-backed members (the font and the text-box properties live in Text1).
struct PropertyMembers {
  OleColor backColor = 0;
  OleColor foreColor = 0;
  Boolean16 enabled = kFalse;
  std::int16_t appearance = 0;
  std::int32_t selLength = 0;
  std::int32_t selStart = 0;
  std::int16_t winBorderWidth = 0;
  OleColor winBorderColor = 0;
  Boolean16 winBorderEffect = kFalse;
  OleColor winBorderOverColor = 0;
  Boolean16 fontOverEffect = kFalse;
  OleColor fontOverColor = 0;
  std::int16_t border3DStyle = 0;
  std::int16_t edit3DOption = 0;
  OleColor edit3DColor = 0;
  double maxValue = 0;
  double minValue = 0;
  std::int16_t decimalPlaces = 0;
  Boolean16 useSeparator = kFalse;
  std::int32_t mousePointer = 0;
  PictureRef mouseIcon;
  std::int16_t xpGetTheme = 0;
  std::int16_t winTheme = 0;
  std::int16_t winBorderColorOption = 0;
  Boolean16 buttonSpin = kFalse;
  OleColor buttonSpinArrowColor = 0;
  double buttonSpinIncrement = 0;
  double buttonSpinMax = 0;
  double buttonSpinMin = 0;
  std::int16_t buttonSpinEdit = 0;
  Boolean16 locked = kFalse;
};

// The defaults that InitProperties stores and that a property bag falls back to, as the member
// table gives them (core/member_fields.cpp).
PropertyMembers DefaultProperties();

// State the core owns besides the properties.
struct ControlState {
  PropertyMembers properties;
  Separators separators;               // captured once by the locale probe
  std::uint8_t changeGuard = 0;        // 1 while the control rewrites Text1 itself
  std::uint8_t newInstance = 0;        // 1 from InitProperties to the first full refresh
  std::wstring firstUndoText;          // restored by Ctrl+Z
  std::wstring secondUndoText;         // the other text Ctrl+Z swaps with
  bool themeLibraryAvailable = false;  // "uxtheme.dll" could be loaded
  bool hasFocus = false;               // the control holds the focus
  std::int32_t spinButtonWidth = 0;    // set by the layout: the system's scroll-arrow width
  SystemColourTable systemColours;     // refilled by LoadSystemColors at every refresh
};

// Sets the change guard for one scope and clears it when the scope ends, however it ends.
class ChangeGuardScope {
 public:
  explicit ChangeGuardScope(ControlState& state) : state_(state) { state_.changeGuard = 1; }
  ~ChangeGuardScope() { state_.changeGuard = 0; }
  ChangeGuardScope(const ChangeGuardScope&) = delete;
  ChangeGuardScope& operator=(const ChangeGuardScope&) = delete;

 private:
  ControlState& state_;
};

}  // namespace kovra
