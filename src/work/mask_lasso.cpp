// The lasso of the mask: corner points in picture coordinates, filled into
// the current region.
#include <algorithm>

#include "work/lasso_fill.h"
#include "work/mask.h"

namespace lumena {

void TMask::AddLassoPoint(int32_t x, int32_t y) {
  Lasso_.push_back({std::clamp(x, 0, std::max(MaxX_, 0)), std::clamp(y, 0, std::max(MaxY_, 0))});
}

void TMask::ApplyLasso(bool add) {
  std::vector<Point> points = std::move(Lasso_);
  Lasso_.clear();
  if (points.empty()) return;
  const auto [minX, maxX] =
      std::minmax_element(points.begin(), points.end(), [](auto& a, auto& b) { return a.x < b.x; });
  const auto [minY, maxY] =
      std::minmax_element(points.begin(), points.end(), [](auto& a, auto& b) { return a.y < b.y; });
  const Point origin{minX->x, minY->y};
  const int width = maxX->x - origin.x, height = maxY->y - origin.y;
  for (Point& p : points) p = {p.x - origin.x, p.y - origin.y};
  const std::vector<uint8_t> filled = FillLassoPolygon(points, width, height);
  const uint8_t bit = CurrentRegionBit_;
  for (int row = 0; row < height; ++row)
    for (int column = 0; column < width; ++column) {
      if (!filled[static_cast<size_t>(row) * width + column]) continue;
      if (!InsideCells(origin.y + row, origin.x + column)) continue;
      uint8_t& c = Cell(origin.y + row, origin.x + column);
      c = add ? (c | bit) : (c & static_cast<uint8_t>(~bit));
    }
}

}  // namespace lumena
