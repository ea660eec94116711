#include "activex/himetric.h"

#include "platform/win32/handles.h"

namespace kovra::activex {
namespace {

constexpr int kHimetricPerInch = 2540;

SIZE ScreenPixelsPerInch() {
  const win32::ScreenDC screen;
  if (screen.get() == nullptr) return {96, 96};
  return {::GetDeviceCaps(screen.get(), LOGPIXELSX), ::GetDeviceCaps(screen.get(), LOGPIXELSY)};
}

}  // namespace

SIZEL PixelsToHimetric(SIZE pixels) {
  const SIZE ppi = ScreenPixelsPerInch();
  return {::MulDiv(pixels.cx, kHimetricPerInch, ppi.cx),
          ::MulDiv(pixels.cy, kHimetricPerInch, ppi.cy)};
}

SIZE HimetricToPixels(SIZEL himetric) {
  const SIZE ppi = ScreenPixelsPerInch();
  return {::MulDiv(himetric.cx, ppi.cx, kHimetricPerInch),
          ::MulDiv(himetric.cy, ppi.cy, kHimetricPerInch)};
}

}  // namespace kovra::activex
