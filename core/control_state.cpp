#include "core/control_state.h"

namespace kovra {

PropertyMembers DefaultProperties() {
  PropertyMembers p;
  p.backColor = 0x80000005;  // system window background
  p.foreColor = 0x80000008;  // system window text
  p.enabled = kTrue;
  p.appearance = 0;  // WindowsAppearance
  p.selLength = 0;   // All Text
  p.selStart = 0;    // Previous Position
  p.winBorderWidth = 1;
  p.winBorderColor = 0x00C00000;
  p.winBorderEffect = kFalse;
  p.winBorderOverColor = 0x00FF0000;
  p.fontOverEffect = kFalse;
  p.fontOverColor = 0x000000FF;
  p.border3DStyle = 1;         // LoweredBorderStyle
  p.edit3DOption = 0;          // UseSystemColor
  p.edit3DColor = 0x8000000F;  // system button face
  p.maxValue = 900000000000.0;
  p.minValue = -900000000000.0;
  p.decimalPlaces = 2;
  p.useSeparator = kFalse;
  p.mousePointer = 0;
  p.mouseIcon = nullptr;
  p.xpGetTheme = 0;  // AutomaticGetTheme
  p.winTheme = 0;    // BlueTheme
  p.winBorderColorOption = 0;
  p.buttonSpin = kFalse;
  p.buttonSpinArrowColor = 0x80000012;  // system button text
  p.buttonSpinIncrement = 1;
  p.buttonSpinMax = 100;
  p.buttonSpinMin = 0;
  p.buttonSpinEdit = 0;  // DisabledEdit
  p.locked = kFalse;
  return p;
}

}  // namespace kovra
