#include "platform/headless/headless_surfaces.h"

#include <cmath>

namespace kovra::headless {

int NextZOrderRank() {
  static int rank = 0;
  return ++rank;
}

int TextHeightPixels(const Font& font) {
  return static_cast<int>(std::lround(font.size * kPixelsPerInch / 72.0f)) + 2;
}

HeadlessSurface::HeadlessSurface(std::uintptr_t window, WindowTally* tally)
    : tally_(tally),
      window_(window),
      image_(Resized(Bitmap{}, kInitialWidth, kInitialHeight, MakeRgb(255, 255, 255))) {}

void HeadlessSurface::Cls() { Fill(image_, backColor_); }

float HeadlessSurface::TextHeight(std::wstring_view /*text*/) const {
  return InScale(static_cast<float>(TextHeightPixels(*font_)));
}

float HeadlessSurface::HimetricToPixelsX(float himetric) const {
  return himetric * kPixelsPerInch / kHimetricPerInch;
}

float HeadlessSurface::HimetricToPixelsY(float himetric) const {
  return himetric * kPixelsPerInch / kHimetricPerInch;
}

float HeadlessSurface::HeightTwips() const {
  return static_cast<float>(image_.height) * kTwipsPerPixel;
}

void HeadlessSurface::Resize(int width, int height) {
  image_ = Resized(image_, width, height, backColor_);
  ++resizeNotifications;
  if (onResize_) onResize_();
}

void HeadlessSurface::SetHeightTwips(float twips) {
  // A window's height is a whole number of pixels; an unchanged height notifies nobody.
  const int height = static_cast<int>(std::lround(twips / kTwipsPerPixel));
  if (height != image_.height) Resize(image_.width, height);
}

void HeadlessSurface::SetExtent(int widthPixels, int heightPixels) {
  Resize(widthPixels, heightPixels);
}

HeadlessPictureSurface::HeadlessPictureSurface(std::uintptr_t window, WindowTally* tally)
    : HeadlessChildWindow(17, 10), tally_(tally), window_(window) {
  Resized();
}

void HeadlessPictureSurface::Resized() {
  image_ = headless::Resized(image_, PixelWidth(), PixelHeight(), backColor_);
}

}  // namespace kovra::headless
