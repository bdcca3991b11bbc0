#include "work/region_thumbnails.h"

#include <algorithm>
#include <vector>

#include "images/rounding.h"
#include "images/stretch.h"
#include "work/region_display.h"

namespace lumena {

namespace {

// The source index of each of `count` target positions, nearest neighbour.
std::vector<int32_t> SampleIndices(int32_t sourceSize, int32_t count) {
  std::vector<int32_t> indices(static_cast<size_t>(std::max(count, 0)));
  const double step = static_cast<double>(sourceSize) / count;
  for (int32_t i = 0; i < count; ++i) indices[i] = std::min(Round32(i * step), sourceSize - 1);
  return indices;
}

}  // namespace

Rect ThumbnailPlace(int32_t width, int32_t height, int32_t side) {
  if (width <= 0 || height <= 0 || side <= 0) return {};
  const double ratio = static_cast<double>(width) / height;
  int32_t w = side, h = side;
  if (height < width)
    h = Round32(side / ratio);
  else
    w = Round32(side * ratio);
  w = std::clamp(w, 1, side);
  h = std::clamp(h, 1, side);
  const int32_t left = (side - w) / 2, top = (side - h) / 2;
  return {left, top, left + w, top + h};
}

RegionThumbnails MakeRegionThumbnails(const Picture& picture, const TMask& mask, int32_t side) {
  RegionThumbnails thumbnails;
  for (Picture& t : thumbnails) {
    t.Resize(side, side);
    std::ranges::fill(t.Pixels(), kOpaqueWhite);
  }
  const Rect place = ThumbnailPlace(picture.Width(), picture.Height(), side);
  if (place.Empty() || mask.Columns() != picture.Width() || mask.Rows() != picture.Height()) return thumbnails;
  Picture drawn(side, side);
  StretchAlpha(drawn, place, picture, false);
  const std::vector<int32_t> columns = SampleIndices(mask.Columns(), static_cast<int32_t>(place.Width()));
  const std::vector<int32_t> rows = SampleIndices(mask.Rows(), static_cast<int32_t>(place.Height()));
  const std::span<const uint8_t> cells = mask.CellsView();
  for (int32_t y = place.top; y < place.bottom; ++y)
    for (int32_t x = place.left; x < place.right; ++x) {
      const uint8_t cell = cells[static_cast<size_t>(rows[y - place.top]) * mask.Columns() + columns[x - place.left]];
      if (cell == 0) continue;
      const Pixel p = drawn.At(x, y);
      for (int region = 1; region <= kMaskRegionCount; ++region)
        if (cell & (1 << (region - 1))) thumbnails[region].At(x, y) = OverWhite(p, p.a);
    }
  return thumbnails;
}

}  // namespace lumena
