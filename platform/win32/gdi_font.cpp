#include "platform/win32/gdi_font.h"

#include <algorithm>
#include <cmath>

namespace kovra::win32 {

UniqueFont CreateGdiFont(const Font& font) {
  int pixelsPerInch = 96;
  {
    const ScreenDC screen;
    if (screen.get() != nullptr) pixelsPerInch = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
  }
  LOGFONTW lf{};
  // A negative height asks for the character height, which is what a point size measures.
  lf.lfHeight =
      -static_cast<LONG>(std::lround(font.size * static_cast<float>(pixelsPerInch) / 72.0f));
  lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = font.italic ? TRUE : FALSE;
  lf.lfUnderline = font.underline ? TRUE : FALSE;
  lf.lfStrikeOut = font.strikethrough ? TRUE : FALSE;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::size_t length = std::min<std::size_t>(font.name.size(), LF_FACESIZE - 1);
  std::copy_n(font.name.begin(), length, lf.lfFaceName);
  return UniqueFont(::CreateFontIndirectW(&lf));
}

}  // namespace kovra::win32
