// The arithmetic the painters and the layout share: single-precision sizes rounded to whole
// pixels the way an Automation conversion rounds (to the nearest, ties to even), and 16-bit
// integer arithmetic that reports an overflow instead of wrapping.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace kovra {

// `value` rounded to the nearest whole number, ties to even (2.5 → 2, 3.5 → 4); values beyond
// the int range saturate.
inline int RoundHalfEven(double value) {
  if (!(value == value)) return 0;
  const double rounded = value - std::floor(value) == 0.5
                             ? 2.0 * std::floor(value / 2.0 + 0.5)  // tie: the even neighbour
                             : std::floor(value + 0.5);
  if (rounded >= static_cast<double>(std::numeric_limits<int>::max())) {
    return std::numeric_limits<int>::max();
  }
  if (rounded <= static_cast<double>(std::numeric_limits<int>::min())) {
    return std::numeric_limits<int>::min();
  }
  return static_cast<int>(rounded);
}

// A single-precision size less `k`, computed in single precision and rounded: "SW − k".
inline int FromEnd(float size, int k) {
  return RoundHalfEven(static_cast<double>(size - static_cast<float>(k)));
}

// A 16-bit integer result, or nothing when it overflowed.
inline std::optional<std::int16_t> Int16(long value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(value);
}

}  // namespace kovra
