#include "resources/bitmaps.h"

#include <algorithm>
#include <cmath>
#include <cwctype>

#include "resources/button_colours.h"

namespace kovra::resources {

namespace {

constexpr Rgb kWhite = MakeRgb(255, 255, 255);

Rgb Blend(Rgb from, Rgb to, int step, int steps) {
  const auto mix = [&](int a, int b) { return a + (b - a) * step / steps; };
  return MakeRgb(mix(RedOf(from), RedOf(to)), mix(GreenOf(from), GreenOf(to)),
                 mix(BlueOf(from), BlueOf(to)));
}

// A white ring, the border shade inside it, and the face shaded from top through middle (row
// 10) to bottom (row 17), each row in one colour.
Bitmap ButtonFace(const ButtonColours& c) {
  Bitmap b{kButtonWidth, kButtonHeight, {}};
  b.pixels.assign(kButtonWidth * kButtonHeight, kWhite);
  for (int y = 1; y <= kButtonHeight - 2; ++y) {
    for (int x = 1; x <= kButtonWidth - 2; ++x) {
      const bool border = x == 1 || x == kButtonWidth - 2 || y == 1 || y == kButtonHeight - 2;
      if (border) {
        b.At(x, y) = c.border;
      } else if (y <= 10) {
        b.At(x, y) = Blend(c.top, c.middle, y - 2, 8);
      } else {
        b.At(x, y) = Blend(c.middle, c.bottom, y - 10, 7);
      }
    }
  }
  return b;
}

Bitmap Arrow(bool up, Rgb colour) {
  Bitmap b{kArrowWidth, kArrowHeight, {}};
  b.pixels.assign(kArrowWidth * kArrowHeight, kArrowKey);
  for (int y = 0; y < kArrowHeight; ++y) {
    for (int x = 0; x < kArrowWidth; ++x) {
      if (UpArrowPixel(x, up ? y : kArrowHeight - 1 - y)) b.At(x, y) = colour;
    }
  }
  return b;
}

std::wstring Upper(std::wstring_view text) {
  std::wstring upper(text);
  for (wchar_t& c : upper) c = static_cast<wchar_t>(std::towupper(c));
  return upper;
}

std::vector<NamedBitmap> MakeAll() {
  std::vector<NamedBitmap> all;
  for (const std::wstring_view direction : {L"Up_", L"down_"}) {
    for (const ButtonColours& c : ButtonColourTable()) {
      std::wstring name(direction);
      name += c.state;
      name += L'_';
      name += c.scheme;
      // The lower button has the colours of the upper one.
      all.push_back({Upper(name), ButtonFace(c)});
    }
  }
  all.push_back({L"ARROWUP", Arrow(true, kArrowColour)});
  all.push_back({L"ARROWDOWN", Arrow(false, kArrowColour)});
  all.push_back({L"ARROWUPOLIVE", Arrow(true, kArrowColourOlive)});
  all.push_back({L"ARROWDOWNOLIVE", Arrow(false, kArrowColourOlive)});
  return all;
}

}  // namespace

bool UpArrowPixel(int x, int y) {
  if (x < 0 || x >= kArrowWidth || y < 0 || y >= kArrowHeight) return false;
  const int reach = std::abs(x - 3);
  return y == 3 ? reach != 0 : reach <= y;
}

std::span<const NamedBitmap> NamedBitmaps() {
  static const std::vector<NamedBitmap> all = MakeAll();
  return all;
}

const Bitmap* FindBitmap(std::wstring_view name) {
  const std::wstring upper = Upper(name);
  for (const NamedBitmap& b : NamedBitmaps()) {
    if (b.name == upper) return &b.bitmap;
  }
  return nullptr;
}

std::optional<ResourcePicture> LoadPicture(std::wstring_view name) {
  const Bitmap* bitmap = FindBitmap(name);
  if (bitmap == nullptr) return std::nullopt;
  // HIMETRIC at 96 pixels per inch, rounded to whole units as a picture object keeps them.
  const auto himetric = [](int pixels) {
    return std::round(static_cast<float>(pixels) * 2540.0f / 96.0f);
  };
  return ResourcePicture{bitmap, himetric(bitmap->width), himetric(bitmap->height)};
}

const IndexedBitmap& ToolboxBitmap() {
  // A small edit box holding "1.2" with two spin buttons at its right edge.
  static const IndexedBitmap picture = [] {
    IndexedBitmap b{16, 15, {}, {}};
    b.palette = {MakeRgb(192, 192, 192), MakeRgb(0, 0, 0),       MakeRgb(255, 255, 255),
                 MakeRgb(128, 128, 128), MakeRgb(127, 157, 185), MakeRgb(193, 211, 251),
                 MakeRgb(77, 97, 133)};
    static constexpr const char* kRows[15] = {
        "0000000000000000",  //
        "0000000000000000",  //
        "4444444444444444",  //
        "4222222222255554",  //
        "4222222222256554",  //
        "4212222222266654",  //
        "4112221222255554",  //
        "4212212122244444",  //
        "4212222122255554",  //
        "4212221222266654",  //
        "4212212222256554",  //
        "4111211122255554",  //
        "4444444444444444",  //
        "0000000000000000",  //
        "0000000000000000",  //
    };
    for (const char* row : kRows) {
      for (int x = 0; x < b.width; ++x)
        b.indexes.push_back(static_cast<std::uint8_t>(row[x] - '0'));
    }
    b.palette.resize(256, MakeRgb(0, 0, 0));
    return b;
  }();
  return picture;
}

}  // namespace kovra::resources
