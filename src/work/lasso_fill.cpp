#include "work/lasso_fill.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace lumena {
namespace {

class Area {
 public:
  Area(int width, int height) : width_(width), height_(height), cells_(static_cast<size_t>(width) * height) {}

  void Set(int x, int y) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) cells_[static_cast<size_t>(y) * width_ + x] = 1;
  }
  void SetSpan(int y, int from, int to) {  // to exclusive
    from = std::max(from, 0);
    to = std::min(to, width_);
    if (y < 0 || y >= height_ || from >= to) return;
    std::fill_n(cells_.begin() + static_cast<ptrdiff_t>(y) * width_ + from, to - from, 1);
  }
  int Width() const { return width_; }
  int Height() const { return height_; }
  std::vector<uint8_t> Take() { return std::move(cells_); }

 private:
  int width_, height_;
  std::vector<uint8_t> cells_;
};

// Even-odd fill sampled, as the platform does, at the whole-number point of
// each pixel. An edge counts for the rows from its upper end up to, not
// including, its lower end, and a span from its left crossing up to, not
// including, its right one: so the bottom row and the right column of the
// polygon's box are never filled from inside.
void FillInside(std::span<const Point> points, Area& area) {
  std::vector<double> crossings;
  for (int y = 0; y < area.Height(); ++y) {
    crossings.clear();
    for (size_t i = 0; i < points.size(); ++i) {
      const Point& a = points[i];
      const Point& b = points[(i + 1) % points.size()];
      if ((a.y <= y) == (b.y <= y)) continue;
      crossings.push_back(a.x + (y - a.y) * static_cast<double>(b.x - a.x) / static_cast<double>(b.y - a.y));
    }
    std::sort(crossings.begin(), crossings.end());
    for (size_t i = 0; i + 1 < crossings.size(); i += 2)
      area.SetSpan(y, static_cast<int>(std::ceil(crossings[i])), static_cast<int>(std::ceil(crossings[i + 1])));
  }
}

// The pen: Bresenham lines through both end points.
void DrawLine(Point a, const Point& b, Area& area) {
  const int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
  const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
  int error = dx + dy;
  while (true) {
    area.Set(a.x, a.y);
    if (a == b) return;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      a.x += sx;
    }
    if (twice <= dx) {
      error += dx;
      a.y += sy;
    }
  }
}

}  // namespace

std::vector<uint8_t> FillLassoPolygon(std::span<const Point> points, int width, int height) {
  if (width <= 0 || height <= 0) return {};
  Area area(width, height);
  if (points.empty()) return area.Take();
  FillInside(points, area);
  for (size_t i = 0; i < points.size(); ++i) DrawLine(points[i], points[(i + 1) % points.size()], area);
  return area.Take();
}

}  // namespace lumena
