#include "work/region_display.h"

#include <algorithm>

namespace lumena {

namespace {

void DrawPixels(Picture& out, const Rect& part, const Picture& picture, const TMask& mask) {
  const std::span<const uint8_t> cells = mask.CellsView();
  const uint8_t bit = mask.CurrentRegionBit();
  const bool hasCells = mask.Columns() == picture.Width() && mask.Rows() == picture.Height();
  for (int32_t y = part.top; y < part.bottom; ++y) {
    const std::span<const Pixel> source = picture.Row(y);
    const std::span<Pixel> target = out.Row(y - part.top);
    const size_t rowStart = static_cast<size_t>(y) * static_cast<size_t>(picture.Width());
    for (int32_t x = part.left; x < part.right; ++x) {
      const Pixel p = source[x];
      const bool inRegion = hasCells && (cells[rowStart + x] & bit) != 0;
      target[x - part.left] = OverWhite(p, inRegion ? p.a : static_cast<uint8_t>(p.a >> 1));
    }
  }
}

// Interior row lines run across the whole width, interior column lines
// over every row but the last.
void DrawGridLines(Picture& out, const Rect& part, const RegionGrid& grid, int32_t height) {
  for (size_t i = 1; i + 1 < grid.rows.size(); ++i) {
    const int32_t y = grid.rows[i];
    if (y < part.top || y >= part.bottom) continue;
    for (int32_t x = part.left; x < part.right; ++x) out.At(x - part.left, y - part.top) = kGridLineColour;
  }
  const int32_t lastRow = std::min(part.bottom, height - 1);
  for (size_t j = 1; j + 1 < grid.columns.size(); ++j) {
    const int32_t x = grid.columns[j];
    if (x < part.left || x >= part.right) continue;
    for (int32_t y = part.top; y < lastRow; ++y) out.At(x - part.left, y - part.top) = kGridLineColour;
  }
}

}  // namespace

void DrawRegionDisplay(Picture& out, const Rect& shown, const Picture& picture, const TMask& mask,
                       const RegionGrid* grid) {
  const Rect part = ClippedTo(shown, picture.Width(), picture.Height());
  if (part.Empty()) return out.Clear();
  if (out.Width() != part.Width() || out.Height() != part.Height())
    out.Resize(static_cast<int>(part.Width()), static_cast<int>(part.Height()));
  DrawPixels(out, part, picture, mask);
  if (grid) DrawGridLines(out, part, *grid, picture.Height());
}

}  // namespace lumena
