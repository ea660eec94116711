// Lines written as data: each end is a fixed pixel k, or the surface's size less k ("SW − k",
// rounded as a single-precision size is). The frame and the spin buttons draw from such tables.
#pragma once

#include <span>

#include "frame/pixel_math.h"
#include "platform/drawing.h"

namespace kovra {

struct Edge {
  bool fromEnd;  // size − k rather than k
  int k;
};
constexpr Edge At(int k) { return {false, k}; }
constexpr Edge End(int k) { return {true, k}; }

inline int Resolve(Edge edge, float size) { return edge.fromEnd ? FromEnd(size, edge.k) : edge.k; }

// One line from (x1, y1) to (x2, y2), painted in the colour of `role`.
template <typename Role>
struct TableLine {
  Edge x1, y1, x2, y2;
  Role role;
};

// DrawSurfaceLine / DrawSpinLine: a 1-pixel solid pen in `colour`, MoveToEx(x1, y1),
// LineTo(x2, y2); the pen is restored and deleted again and the end point is not painted.
inline void DrawSurfaceLine(DeviceContext& dc, int x1, int y1, int x2, int y2, Rgb colour) {
  dc.Line(x1, y1, x2, y2, colour);
}

// Draws `lines` in order on a `width` × `height` surface, each in colourOf(role).
template <typename Role, typename ColourOf>
void DrawLines(DeviceContext& dc, std::span<const TableLine<Role>> lines, float width, float height,
               ColourOf colourOf) {
  for (const TableLine<Role>& l : lines) {
    DrawSurfaceLine(dc, Resolve(l.x1, width), Resolve(l.y1, height), Resolve(l.x2, width),
                    Resolve(l.y2, height), colourOf(l.role));
  }
}

}  // namespace kovra
