#pragma once
// Filling of a lasso polygon the way the platform's polygon drawing with a
// one-pixel pen does: the inside by the alternate (even-odd) rule, plus
// every pixel the outline passes through, all inside a
// width x height area. Points at x = width or y = height (the bounding box's
// right column and bottom row) therefore stay unfilled.
#include <cstdint>
#include <span>
#include <vector>

#include "images/rect.h"

namespace lumena {

// One byte per pixel of the area, row-major: 1 filled, 0 not. The polygon
// is closed from the last point back to the first.
std::vector<uint8_t> FillLassoPolygon(std::span<const Point> points, int width, int height);

}  // namespace lumena
