#include "work/region_grid.h"

#include <algorithm>

namespace lumena {

namespace {

std::vector<int32_t> GridLines(int32_t size, int count) {
  count = std::max(count, 1);
  const int32_t last = std::max(size - 1, 0);
  const int32_t step = last / count;
  std::vector<int32_t> lines(static_cast<size_t>(count) + 1);
  for (int i = 1; i < count; ++i) lines[i] = i * step;
  lines[count] = last;
  return lines;
}

// The index j of the first span lines[j - 1]..lines[j] holding v; the last
// when none does.
size_t SpanOf(const std::vector<int32_t>& lines, int32_t v) {
  for (size_t j = 1; j < lines.size(); ++j)
    if (lines[j - 1] <= v && v <= lines[j]) return j;
  return lines.size() - 1;
}

}  // namespace

RegionGrid MakeRegionGrid(int32_t width, int32_t height, int columns, int rows) {
  return {GridLines(width, columns), GridLines(height, rows)};
}

Rect CellRectAt(const RegionGrid& grid, Point p) {
  if (grid.columns.size() < 2 || grid.rows.size() < 2) return {};
  // Row-major order: the first row holding the point, then its first column.
  const size_t i = SpanOf(grid.rows, p.y);
  const size_t j = SpanOf(grid.columns, p.x);
  return {grid.columns[j - 1], grid.rows[i - 1], grid.columns[j], grid.rows[i]};
}

Rect OperationRectAt(const RegionGrid& grid, Point p) {
  Rect r = CellRectAt(grid, p);
  if (grid.columns.size() < 2 || grid.rows.size() < 2) return r;
  if (r.right == grid.columns.back()) ++r.right;
  if (r.bottom == grid.rows.back()) ++r.bottom;
  return r;
}

}  // namespace lumena
