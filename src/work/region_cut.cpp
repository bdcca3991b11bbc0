#include "work/region_cut.h"

#include <algorithm>

namespace lumena {

namespace {

// The box (right and bottom exclusive) of the region's pixels with opacity.
std::optional<Rect> VisibleBox(const Picture& picture, const TMask& mask, int region) {
  Rect box{picture.Width(), picture.Height(), 0, 0};
  for (int32_t y = 0; y < picture.Height(); ++y)
    for (int32_t x = 0; x < picture.Width(); ++x) {
      if (picture.At(x, y).a == 0 || !mask.HasRegionAt(y, x, region)) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
    }
  if (box.Empty()) return std::nullopt;
  return box;
}

}  // namespace

std::optional<RegionCut> CutRegion(const Picture& picture, const TMask& mask, int region, Point layerPosition,
                                   Pixel outside) {
  if (region < 1 || region > kMaskRegionCount) return std::nullopt;
  if (mask.Columns() != picture.Width() || mask.Rows() != picture.Height()) return std::nullopt;
  const std::optional<Rect> box = VisibleBox(picture, mask, region);
  if (!box) return std::nullopt;
  const auto w = static_cast<int32_t>(box->Width()), h = static_cast<int32_t>(box->Height());
  const int32_t margin = std::max(w, h) / 4, offset = margin / 2;
  RegionCut cut{Picture(w + margin, h + margin),
                {layerPosition.x + box->left - offset, layerPosition.y + box->top - offset}};
  std::ranges::fill(cut.picture.Pixels(), Pixel{255, 255, 255, 0});
  outside.a = 0;
  for (int32_t y = box->top; y < box->bottom; ++y)
    for (int32_t x = box->left; x < box->right; ++x)
      cut.picture.At(x - box->left + offset, y - box->top + offset) =
          mask.HasRegionAt(y, x, region) ? picture.At(x, y) : outside;
  return cut;
}

}  // namespace lumena
