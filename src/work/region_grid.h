#pragma once
// The region editor's grid: c columns and r rows of cells over a picture,
// whose cells are the rectangles of its rectangle and colour-range clicks.
#include <cstdint>
#include <vector>

#include "images/rect.h"

namespace lumena {

inline constexpr int kGridMinCells = 2, kGridMaxCells = 15, kGridStartCells = 5;

// The lines x0..xc and y0..yr: the first at 0, the inner ones at multiples
// of (size - 1) div count, the last at size - 1.
struct RegionGrid {
  std::vector<int32_t> columns;
  std::vector<int32_t> rows;
};

RegionGrid MakeRegionGrid(int32_t width, int32_t height, int columns, int rows);

// The cell's rectangle (x(j-1), y(i-1), xj, yi) of the first cell, row by
// row, that holds the point on or inside its lines.
Rect CellRectAt(const RegionGrid& grid, Point p);

// The rectangle a click's operations take: the cell's, except that a cell
// ending on the picture's last column or row reaches past it, so that the
// right-exclusive rectangle operations cover the picture's edge.
Rect OperationRectAt(const RegionGrid& grid, Point p);

}  // namespace lumena
