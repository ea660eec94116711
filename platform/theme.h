// The desktop's visual-style engine (uxtheme): theme data opened for a window and a class list,
// drawing a part in a state, and closing the data again when the handle goes.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/drawing.h"

namespace kovra {

// Parts and states the control draws.
namespace theme_part {
inline constexpr int EditText = 1;  // class "EDIT", EP_EDITTEXT
inline constexpr int SpinUp = 1;    // class "SPIN", SPNP_UP
inline constexpr int SpinDown = 2;  // class "SPIN", SPNP_DOWN
}  // namespace theme_part

namespace theme_state {
inline constexpr int Normal = 1;    // ETS_NORMAL, UPS_NORMAL / DNS_NORMAL
inline constexpr int Hot = 2;       // UPS_HOT
inline constexpr int Pressed = 3;   // UPS_PRESSED
inline constexpr int Disabled = 4;  // ETS_DISABLED, UPS_DISABLED
}  // namespace theme_state

// Open theme data; CloseThemeData when it goes.
class ThemeData {
 public:
  virtual ~ThemeData() = default;
  // DrawThemeBackground on `dc`; false when the engine reports failure.
  virtual bool DrawBackground(DeviceContext& dc, int part, int state, const PixelRect& rect,
                              const PixelRect& clip) = 0;
};

class ThemeEngine {
 public:
  virtual ~ThemeEngine() = default;
  // OpenThemeData(window, classList); nullptr when no visual style is active or the class is
  // unknown to it.
  virtual std::unique_ptr<ThemeData> Open(std::uintptr_t window, std::wstring_view classList) = 0;
};

}  // namespace kovra
