// The system's drawing facts: metrics, the system colours, OLE colour translation and the
// visual-style engine.
#pragma once

#include <optional>

#include "base/types.h"
#include "platform/drawing.h"
#include "platform/theme.h"

namespace kovra {

// GetSystemMetrics indexes the control reads.
namespace system_metric {
inline constexpr int CxHScroll = 21;  // SM_CXHSCROLL: width of a horizontal scroll-bar arrow
}  // namespace system_metric

// GetSysColor indexes the control reads.
namespace system_colour {
inline constexpr int Window = 5;
inline constexpr int WindowText = 8;
inline constexpr int ButtonFace = 15;
inline constexpr int ButtonShadow = 16;
inline constexpr int GrayText = 17;
inline constexpr int ButtonText = 18;
inline constexpr int ButtonHighlight = 20;
}  // namespace system_colour

class DrawingServices {
 public:
  virtual ~DrawingServices() = default;
  // GetSystemMetrics(index).
  virtual int SystemMetric(int index) = 0;
  // GetSysColor(index).
  virtual Rgb SystemColour(int index) = 0;
  // OleTranslateColor(colour, no palette); nothing when the translation fails.
  virtual std::optional<Rgb> TranslateOleColor(OleColor colour) = 0;
  virtual ThemeEngine& Theme() = 0;
};

}  // namespace kovra
