#include "work/palette_grid.h"

#include <algorithm>

namespace lumena {

PaletteGrid MakePaletteGrid(int columns, int rows, std::span<const Point> positions) {
  PaletteGrid grid;
  const int places = static_cast<int>(std::min<size_t>(positions.size(), kMaxPaletteGridSide * kMaxPaletteGridSide));
  if (places == 0) return grid;
  grid.columns = std::min(std::clamp(columns, 1, kMaxPaletteGridSide), places);
  grid.rows = std::min(std::clamp(rows, 1, kMaxPaletteGridSide), places / grid.columns);
  grid.positions.assign(positions.begin(), positions.begin() + grid.Cells());
  return grid;
}

PalettePaging PagingFor(const PaletteGrid& grid, int count, int firstShown) {
  if (grid.Cells() == 0 || count <= grid.Cells()) return {};
  const int lines = count / grid.columns + (count % grid.columns > 0 ? 1 : 0);
  return {true, lines - grid.rows, firstShown / grid.columns};
}

int FirstShownAt(const PaletteGrid& grid, int sliderValue) { return std::max(sliderValue, 0) * grid.columns; }

std::vector<std::optional<int>> CellColours(const PaletteGrid& grid, int count, int firstShown) {
  std::vector<std::optional<int>> cells;
  for (int r = 0; r < grid.rows; ++r)
    for (int c = 0; c < grid.columns; ++c) {
      const int index = r * grid.columns + firstShown + c;
      cells.push_back(index < count ? std::optional<int>(index) : std::nullopt);
    }
  return cells;
}

}  // namespace lumena
