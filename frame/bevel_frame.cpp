#include "frame/bevel_frame.h"

#include <array>

#include "core/enumerations.h"

namespace kovra {

namespace {

using R = BevelRole;
using L = TableLine<BevelRole>;

constexpr std::array<L, 8> kLowered{{
    {At(0), At(0), End(1), At(0), R::S},
    {At(0), At(0), At(0), End(1), R::S},
    {At(0), End(1), End(1), End(1), R::H},
    {End(1), At(0), End(1), End(0), R::H},
    {At(1), At(1), End(1), At(1), R::D},
    {At(1), At(1), At(1), End(1), R::D},
    {At(1), End(2), End(1), End(2), R::F},
    {End(2), At(1), End(2), End(1), R::F},
}};

// The raised positions; FlatLight and FlatShadow draw the same lines in other colours.
constexpr std::array<L, 8> RaisedLines(R a, R b, R c, R d) {
  return {{
      {At(0), At(0), End(1), At(0), a},
      {At(0), At(0), At(0), End(1), a},
      {At(1), At(1), End(1), At(1), b},
      {At(1), At(1), At(1), End(1), b},
      {At(0), End(1), End(1), End(1), c},
      {End(1), At(0), End(1), End(0), c},
      {At(1), End(2), End(1), End(2), d},
      {End(2), At(1), End(2), End(1), d},
  }};
}
constexpr std::array<L, 8> kRaised = RaisedLines(R::H, R::F, R::D, R::S);
constexpr std::array<L, 8> kFlatLight = RaisedLines(R::H, R::F, R::H, R::F);
constexpr std::array<L, 8> kFlatShadow = RaisedLines(R::S, R::F, R::S, R::F);

constexpr std::array<L, 4> kFlatStandard{{
    {At(0), At(0), End(1), At(0), R::D},
    {At(0), At(0), At(0), End(1), R::D},
    {At(0), End(1), End(1), End(1), R::D},
    {End(1), At(0), End(1), End(0), R::D},
}};

constexpr std::array<L, 12> kGBRaised{{
    {At(0), At(0), End(1), At(0), R::H},
    {At(0), At(0), At(0), End(1), R::H},
    {At(1), At(1), End(1), At(1), R::F},
    {At(1), At(1), At(1), End(1), R::F},
    {At(2), At(2), End(2), At(2), R::S},
    {At(2), At(2), At(2), End(2), R::S},
    {At(0), End(1), End(1), End(1), R::S},
    {End(1), At(0), End(1), End(0), R::S},
    {At(1), End(2), End(1), End(2), R::F},
    {End(2), At(1), End(2), End(1), R::F},
    {At(2), End(3), End(2), End(3), R::F},
    {End(3), At(2), End(3), End(2), R::F},
}};

}  // namespace

Rgb BevelColours::Of(BevelRole role) const {
  switch (role) {
    case BevelRole::S:
      return s;
    case BevelRole::H:
      return h;
    case BevelRole::D:
      return d;
    case BevelRole::F:
      return f;
  }
  return 0;
}

BevelColours ChooseBevelColours(std::int16_t edit3DOption, const SystemColourTable& system,
                                Rgb edit3DColour) {
  if (edit3DOption == edit3d_option::UseEdit3DColor) {
    return {ShiftColor(edit3DColour, -50), ShiftColor(edit3DColour, 90),
            ShiftColor(edit3DColour, -90), ShiftColor(edit3DColour, -10)};
  }
  return {system.shadow, system.highlight, ShiftColor(system.shadow, -60), system.face};
}

std::span<const TableLine<BevelRole>> BevelLines(std::int16_t border3DStyle) {
  switch (border3DStyle) {
    case border3d::LoweredBorderStyle:
      return kLowered;
    case border3d::RaisedBorderStyle:
      return kRaised;
    case border3d::FlatStandardBorderStyle:
      return kFlatStandard;
    case border3d::FlatLightBorderStyle:
      return kFlatLight;
    case border3d::FlatShadowBorderStyle:
      return kFlatShadow;
    case border3d::GBRaisedBorderStyle:
      return kGBRaised;
    default:
      return {};
  }
}

void Draw3DFrame(DeviceContext& dc, float width, float height, std::int16_t border3DStyle,
                 const BevelColours& colours) {
  DrawLines<BevelRole>(dc, BevelLines(border3DStyle), width, height,
                       [&colours](BevelRole role) { return colours.Of(role); });
}

}  // namespace kovra
