#pragma once
// The main window's grid of palette swatches: its size from the interface
// description, the colour each cell shows, and the paging slider of a
// palette longer than the grid.
#include <optional>
#include <span>
#include <vector>

#include "images/rect.h"

namespace lumena {

inline constexpr int kMaxPaletteGridSide = 8;
// A swatch's size; the default palette tray draws its frames around it.
inline constexpr int kSwatchWidth = 34, kSwatchHeight = 18;

struct PaletteGrid {
  int columns = 1;
  int rows = 0;
  std::vector<Point> positions;  // one a cell, row by row

  int Cells() const { return columns * rows; }
};

// Columns and rows clamped to 1..8, then to the positions given (fewer rows
// first); without positions the grid has no cells.
PaletteGrid MakePaletteGrid(int columns, int rows, std::span<const Point> positions);

// The paging slider of a palette of `count` colours: shown only when the
// palette has more colours than the grid has cells.
struct PalettePaging {
  bool shown = false;
  int maximum = 0;
  int value = 0;
};
PalettePaging PagingFor(const PaletteGrid& grid, int count, int firstShown);

// The slider's value as the colour of the first cell.
int FirstShownAt(const PaletteGrid& grid, int sliderValue);

// The colour index each cell shows, or nothing where the palette ends.
std::vector<std::optional<int>> CellColours(const PaletteGrid& grid, int count, int firstShown);

}  // namespace lumena
