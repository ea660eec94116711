#include "frame/layout.h"

#include <array>
#include <exception>

#include "core/enumerations.h"
#include "frame/pixel_math.h"

namespace kovra {

namespace {

constexpr float kNewInstanceTwips = 285.0f;

// Runs one layout step; a failure (a refused value, an overflow) skips just that step.
template <typename Step>
void Try(Step step) {
  try {
    step();
  } catch (const std::exception&) {
  }
}

// One row of the Text1 tables: width = SW − (wMul × (W + wAdd) + constant) − (UW when it
// applies); left = lMul × W + lAdd. The W arithmetic is 16-bit.
struct Inset {
  int wMul, wAdd, constant;
  bool minusUpWidth;
};
struct ColumnRow {
  Inset withSpin, withoutSpin;
  int leftMul, leftAdd;
};

// By case, then alignment Left, Right, Center.
constexpr std::array<std::array<ColumnRow, 3>, 4> kColumns{{
    // WindowsAppearance, AutomaticGetTheme
    {{{{0, 0, 4, true}, {0, 0, 6, false}, 0, 3},
      {{0, 0, 4, true}, {0, 0, 5, false}, 0, 1},
      {{0, 0, 2, true}, {0, 0, 2, false}, 0, 1}}},
    // WindowsAppearance, ManualGetTheme
    {{{{2, 1, 0, true}, {2, 1, 2, false}, 1, 2},
      {{2, 1, 0, true}, {2, 1, 1, false}, 1, 0},
      {{2, 0, 0, false}, {2, 0, 0, false}, 1, 0}}},
    // Standard3DAppearance, Border3DStyle 0..5
    {{{{0, 0, 6, true}, {0, 0, 6, false}, 0, 4},
      {{0, 0, 6, true}, {0, 0, 6, false}, 0, 2},
      {{0, 0, 2, true}, {0, 0, 4, false}, 0, 2}}},
    // Standard3DAppearance, GBRaisedBorderStyle
    {{{{0, 0, 8, true}, {0, 0, 8, false}, 0, 5},
      {{0, 0, 8, true}, {0, 0, 8, false}, 0, 3},
      {{0, 0, 6, false}, {0, 0, 6, false}, 0, 3}}},
}};

// wMul × (W + wAdd) in 16-bit arithmetic, as the two operations overflow.
std::optional<std::int16_t> Scaled(int mul, int add, std::int16_t w) {
  if (mul == 0) return std::int16_t{0};
  const auto sum = add == 0 ? std::optional<std::int16_t>(w) : Int16(long{w} + add);
  if (!sum) return std::nullopt;
  return Int16(long{mul} * *sum);
}

std::optional<float> ColumnWidth(const Inset& inset, float sw, std::int16_t w, float upWidth) {
  const auto scaled = Scaled(inset.wMul, inset.wAdd, w);
  if (!scaled) return std::nullopt;
  float width = sw - static_cast<float>(*scaled) - static_cast<float>(inset.constant);
  if (inset.minusUpWidth) width -= upWidth;
  return width;
}

// The minimum inner height's band in pixels: 2 × W, 4 or 6.
std::optional<std::int16_t> HeightBand(const PropertyMembers& p) {
  switch (LayoutCase(p).value_or(FrameCase::Automatic)) {
    case FrameCase::Automatic:
    case FrameCase::Manual:
      if (p.appearance != appearance::WindowsAppearance) return std::nullopt;
      return Int16(2L * p.winBorderWidth);
    case FrameCase::Bevel:
      return std::int16_t{4};
    case FrameCase::GBRaised:
      return std::int16_t{6};
  }
  return std::nullopt;
}

}  // namespace

std::optional<FrameCase> LayoutCase(const PropertyMembers& p) {
  if (p.appearance == appearance::WindowsAppearance) {
    return p.xpGetTheme == xp_get_theme::AutomaticGetTheme ? FrameCase::Automatic
                                                           : FrameCase::Manual;
  }
  if (p.appearance != appearance::Standard3DAppearance) return std::nullopt;
  if (p.border3DStyle >= 0 && p.border3DStyle <= 5) return FrameCase::Bevel;
  if (p.border3DStyle == border3d::GBRaisedBorderStyle) return FrameCase::GBRaised;
  return std::nullopt;
}

TextColumn Text1Column(FrameCase frame, std::int16_t alignment, bool buttonSpin, float sw,
                       std::int16_t borderWidth, float upWidth) {
  if (alignment < 0 || alignment > 2) return {};
  const ColumnRow& row =
      kColumns[static_cast<std::size_t>(frame)][static_cast<std::size_t>(alignment)];
  TextColumn column;
  column.width = ColumnWidth(buttonSpin ? row.withSpin : row.withoutSpin, sw, borderWidth, upWidth);
  if (const auto left = Int16(long{row.leftMul} * borderWidth + row.leftAdd)) {
    column.left = static_cast<float>(*left);
  }
  return column;
}

std::optional<std::int16_t> ButtonInset(FrameCase frame, std::int16_t borderWidth) {
  switch (frame) {
    case FrameCase::Automatic:
      return std::int16_t{1};
    case FrameCase::Manual:
      return borderWidth;
    case FrameCase::Bevel:
      return std::int16_t{2};
    case FrameCase::GBRaised:
      return std::int16_t{3};
  }
  return std::nullopt;
}

int HalfHeight(float sh) { return RoundHalfEven(static_cast<double>(sh)) / 2; }

void ArrangeChildren(ControlState& state, LayoutParts parts) {
  const PropertyMembers& p = state.properties;
  Try([&] { state.spinButtonWidth = parts.drawing.SystemMetric(system_metric::CxHScroll); });
  Try([&] { parts.up.SetWidth(static_cast<float>(state.spinButtonWidth)); });
  Try([&] { parts.down.SetWidth(static_cast<float>(state.spinButtonWidth)); });
  Try([&] { parts.text1.SetHeight(parts.surface.TextHeight(parts.text1.Text())); });
  Try([&] {
    if (parts.text1.Top() == 0) parts.text1.SetTop(1);
  });

  const auto frame = LayoutCase(p);
  const float sw = parts.surface.ScaleWidth();
  const float sh = parts.surface.ScaleHeight();
  const int half = HalfHeight(sh);
  const std::int16_t w = p.winBorderWidth;
  const auto inset = frame ? ButtonInset(*frame, w) : std::nullopt;
  float upWidth = 0;
  Try([&] { upWidth = parts.up.Width(); });

  if (frame) {
    const TextColumn column =
        Text1Column(*frame, parts.text1.Alignment(), p.buttonSpin != kFalse, sw, w, upWidth);
    Try([&] {
      if (column.width) parts.text1.SetWidth(*column.width);
    });
    Try([&] {
      if (column.left) parts.text1.SetLeft(*column.left);
    });
    Try([&] {
      if (const auto height = inset ? Int16(long{half} - *inset) : std::nullopt) {
        parts.up.SetHeight(static_cast<float>(*height));
      }
    });
  }
  Try([&] { parts.down.SetHeight(parts.up.Height()); });
  if (inset) {
    Try([&] { parts.up.SetLeft(sw - static_cast<float>(*inset) - upWidth); });
    Try([&] { parts.up.SetTop(static_cast<float>(*inset)); });
  }
  Try([&] { parts.down.SetLeft(parts.up.Left()); });
  Try([&] {
    const bool lower =
        state.themeLibraryAvailable && p.xpGetTheme == xp_get_theme::AutomaticGetTheme;
    parts.down.SetTop(static_cast<float>(lower ? half + 1 : half));
  });
  Try([&] { parts.up.ZOrder(); });
  Try([&] { parts.down.ZOrder(); });
}

void ApplyNewInstanceHeight(ControlState& state, ControlSurface& surface) {
  Try([&] {
    if (state.newInstance != 0 && surface.HeightTwips() < kNewInstanceTwips) {
      surface.SetHeightTwips(kNewInstanceTwips);
    }
  });
  state.newInstance = 0;
}

void ApplyMinimumHeight(const ControlState& state, LayoutParts parts) {
  Try([&] {
    const auto band = HeightBand(state.properties);
    if (!band) return;
    const float minimum = parts.text1.Height() + static_cast<float>(*band);
    const float twips = parts.surface.PixelsToTwipsY(minimum);
    if (parts.surface.HeightTwips() < twips) parts.surface.SetHeightTwips(twips);
  });
}

void CentreText1(LayoutParts parts) {
  Try([&] {
    const float free = parts.surface.ScaleHeight() - parts.text1.Height();
    parts.text1.SetTop(static_cast<float>(RoundHalfEven(static_cast<double>(free)) / 2));
  });
}

}  // namespace kovra
