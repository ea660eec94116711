#include "resources/product_picture.h"

#include <array>
#include <string_view>

#include "resources/bitmaps.h"
#include "resources/button_colours.h"

namespace kovra::resources {

namespace {

constexpr Rgb kSkyTop = MakeRgb(0x1B, 0x3A, 0x86);
constexpr Rgb kSkyBottom = MakeRgb(0x6F, 0x97, 0xD8);
constexpr Rgb kBand = MakeRgb(0xF4, 0xF7, 0xFC);
constexpr Rgb kBandLine = MakeRgb(127, 157, 185);  // the blue scheme's frame colour
constexpr Rgb kShadow = MakeRgb(0x12, 0x27, 0x5C);
constexpr Rgb kWhite = MakeRgb(255, 255, 255);
constexpr Rgb kDigits = MakeRgb(0x1E, 0x1E, 0x2A);
constexpr Rgb kTick = MakeRgb(0x2E, 0x8B, 0x3A);

// The control's box in the picture, and the spin buttons at its right edge.
constexpr PixelRect kBox{24, 28, 296, 92};
constexpr int kFrame = 2;
constexpr int kButtonsLeft = 254;

Rgb Blend(Rgb from, Rgb to, int step, int steps) {
  const auto mix = [&](int a, int b) { return a + (b - a) * step / steps; };
  return MakeRgb(mix(RedOf(from), RedOf(to)), mix(GreenOf(from), GreenOf(to)),
                 mix(BlueOf(from), BlueOf(to)));
}

void Fill(Bitmap& b, const PixelRect& r, Rgb colour) {
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) b.At(x, y) = colour;
  }
}

// Seven-segment digits: the segments top, upper right, lower right, bottom, lower left, upper
// left and middle, as bits 0 to 6.
constexpr std::array<int, 10> kSegments{0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
constexpr int kDigitWidth = 22;
constexpr int kDigitHeight = 40;
constexpr int kStroke = 5;
constexpr int kDigitAdvance = 28;
constexpr int kMarkAdvance = 12;

void Digit(Bitmap& b, int left, int top, int digit) {
  const int mid = top + (kDigitHeight - kStroke) / 2;
  const int right = left + kDigitWidth;
  const int bottom = top + kDigitHeight;
  const std::array<PixelRect, 7> segment{{
      {left, top, right, top + kStroke},
      {right - kStroke, top, right, mid + kStroke},
      {right - kStroke, mid, right, bottom},
      {left, bottom - kStroke, right, bottom},
      {left, mid, left + kStroke, bottom},
      {left, top, left + kStroke, mid + kStroke},
      {left, mid, right, mid + kStroke},
  }};
  for (int s = 0; s < 7; ++s) {
    if ((kSegments[static_cast<std::size_t>(digit)] >> s & 1) != 0) Fill(b, segment[s], kDigits);
  }
}

// "1,234.50" right-aligned before the spin buttons: digits, a comma with its tail, a point.
void Number(Bitmap& b) {
  constexpr std::wstring_view kText = L"1,234.50";
  int width = 0;
  for (const wchar_t c : kText) width += c >= L'0' && c <= L'9' ? kDigitAdvance : kMarkAdvance;
  int x = kButtonsLeft - 8 - width;
  const int top = (kBox.top + kBox.bottom - kDigitHeight) / 2;
  for (const wchar_t c : kText) {
    if (c >= L'0' && c <= L'9') {
      Digit(b, x, top, c - L'0');
      x += kDigitAdvance;
      continue;
    }
    const int base = top + kDigitHeight;
    Fill(b, {x + 1, base - kStroke, x + 1 + kStroke, base}, kDigits);
    if (c == L',') Fill(b, {x, base, x + 3, base + 4}, kDigits);
    x += kMarkAdvance;
  }
}

// One spin button filling `r`: the blue scheme's face shaded from top through middle to bottom
// in the state's colours, its border shade, and the arrow glyph enlarged four times.
void SpinButton(Bitmap& b, const PixelRect& r, const ButtonColours& c, bool up) {
  const int height = r.bottom - r.top;
  for (int y = r.top; y < r.bottom; ++y) {
    const int row = y - r.top;
    const Rgb face = row < height / 2 ? Blend(c.top, c.middle, row, height / 2)
                                      : Blend(c.middle, c.bottom, row - height / 2, height / 2);
    Fill(b, {r.left, y, r.right, y + 1}, face);
  }
  Fill(b, {r.left, r.top, r.right, r.top + 1}, c.border);
  Fill(b, {r.left, r.bottom - 1, r.right, r.bottom}, c.border);
  Fill(b, {r.left, r.top, r.left + 1, r.bottom}, c.border);
  Fill(b, {r.right - 1, r.top, r.right, r.bottom}, c.border);
  constexpr int kScale = 4;
  const int left = (r.left + r.right - kArrowWidth * kScale) / 2;
  const int top = (r.top + r.bottom - kArrowHeight * kScale) / 2;
  for (int y = 0; y < kArrowHeight; ++y) {
    for (int x = 0; x < kArrowWidth; ++x) {
      if (!UpArrowPixel(x, up ? y : kArrowHeight - 1 - y)) continue;
      Fill(b,
           {left + x * kScale, top + y * kScale, left + (x + 1) * kScale, top + (y + 1) * kScale},
           kArrowColour);
    }
  }
}

}  // namespace

Bitmap DrawProductPicture() {
  Bitmap b{kProductPictureWidth, kProductPictureHeight, {}};
  b.pixels.assign(static_cast<std::size_t>(b.width * b.height), kBand);
  for (int y = 0; y < kTextBandTop; ++y) {
    Fill(b, {0, y, b.width, y + 1}, Blend(kSkyTop, kSkyBottom, y, kTextBandTop - 1));
  }
  Fill(b, {0, kTextBandTop, b.width, kTextBandTop + 2}, kBandLine);

  // The box with its shadow and frame, the number, and the upper button hot over a normal one.
  Fill(b, {kBox.left + 4, kBox.top + 4, kBox.right + 4, kBox.bottom + 4}, kShadow);
  Fill(b, kBox, kBandLine);
  Fill(b, {kBox.left + kFrame, kBox.top + kFrame, kBox.right - kFrame, kBox.bottom - kFrame},
       kWhite);
  Number(b);
  const int middle = (kBox.top + kBox.bottom) / 2;
  const auto& colours = ButtonColourTable();
  SpinButton(b, {kButtonsLeft, kBox.top + kFrame, kBox.right - kFrame, middle}, colours[1], true);
  SpinButton(b, {kButtonsLeft, middle, kBox.right - kFrame, kBox.bottom - kFrame}, colours[0],
             false);
  return b;
}

Bitmap DrawOkMark() {
  Bitmap b{kOkMarkSize, kOkMarkSize, {}};
  b.pixels.assign(static_cast<std::size_t>(kOkMarkSize * kOkMarkSize), kArrowKey);
  // A tick two pixels thick: down from (2, 8) to (6, 12), then up to (13, 3).
  const auto stroke = [&](int x, int y) { Fill(b, {x, y, x + 2, y + 2}, kTick); };
  for (int i = 0; i <= 4; ++i) stroke(2 + i, 8 + i);
  for (int i = 0; i <= 9; ++i) stroke(6 + i * 7 / 9, 12 - i);
  return b;
}

}  // namespace kovra::resources
