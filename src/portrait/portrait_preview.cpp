#include "portrait/portrait_preview.h"

#include <algorithm>

#include "images/rounding.h"
#include "images/stretch.h"
#include "work/layer.h"
#include "work/work_desk.h"

namespace lumena {

Picture PortraitPreviewOf(const TWorkDesk& desk) {
  const TLayer* portrait = desk.PortraitLayer();
  return portrait ? portrait->BasePicture() : Picture();
}

// The long side takes the preview's side. When the other side then does not
// fit, that side sets the scale instead, so the portrait is never squashed.
Rect PortraitPreviewPlace(int32_t W, int32_t H, int32_t w, int32_t h) {
  if (W <= 0 || H <= 0 || w <= 0 || h <= 0) return {};
  const double aspect = static_cast<double>(w) / h;
  int32_t width = W, height = H;
  if (h < w)
    height = Round32(W / aspect);
  else
    width = Round32(H * aspect);
  if (height > H) {
    height = H;
    width = Round32(H * aspect);
  } else if (width > W) {
    width = W;
    height = Round32(W / aspect);
  }
  // A hairline portrait still shows as a line.
  width = std::clamp(width, 1, W);
  height = std::clamp(height, 1, H);
  const int32_t left = std::max((W - width) / 2, 0), top = std::max((H - height) / 2, 0);
  return {left, top, left + width, top + height};
}

void DrawPortraitPreview(Picture& preview, const Picture* portrait) {
  const int32_t W = preview.Width(), H = preview.Height();
  std::ranges::fill(preview.Pixels(), kOpaqueWhite);
  if (portrait && !portrait->Empty()) {
    const Rect place = PortraitPreviewPlace(W, H, portrait->Width(), portrait->Height());
    if (!place.Empty()) StretchOpaque(preview, place, *portrait);
  }
  for (int32_t x = 0; x < W; ++x) preview.At(x, 0) = preview.At(x, H - 1) = kOpaqueBlack;
  for (int32_t y = 0; y < H; ++y) preview.At(0, y) = preview.At(W - 1, y) = kOpaqueBlack;
}

}  // namespace lumena
