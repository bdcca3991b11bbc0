#include "images/pixel_routines.h"

#include <algorithm>

namespace lumena {

void SetAlpha(Picture& picture, uint8_t alpha) {
  for (Pixel& p : picture.Pixels()) p.a = alpha;
}

bool AlphaIs(const Picture& picture, uint8_t alpha) {
  const auto pixels = picture.Pixels();
  return std::all_of(pixels.begin(), pixels.end(), [alpha](const Pixel& p) { return p.a == alpha; });
}

void DrawAt(Picture& target, int32_t x, int32_t y, const Picture& source) {
  const int x0 = std::max(0, x), x1 = std::min(target.Width(), x + source.Width());
  if (x1 <= x0) return;
  for (int ty = std::max(0, y); ty < std::min(target.Height(), y + source.Height()); ++ty) {
    const auto from = source.Row(ty - y);
    std::copy(from.begin() + (x0 - x), from.begin() + (x1 - x), target.Row(ty).begin() + x0);
  }
}

Picture CropPicture(const Picture& picture, const Rect& area) {
  const Rect r = ClippedTo({area.left, area.top, area.right + 1, area.bottom + 1}, picture.Width(), picture.Height());
  if (r.Empty()) return {};
  Picture crop(static_cast<int>(r.Width()), static_cast<int>(r.Height()));
  for (int y = r.top; y < r.bottom; ++y) {
    const auto row = picture.Row(y);
    std::copy(row.begin() + r.left, row.begin() + r.right, crop.Row(y - r.top).begin());
  }
  return crop;
}

std::optional<Rect> IntersectRect(const Rect& a, const Rect& b) {
  const Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
               std::min(a.bottom, b.bottom)};
  if (r.right < r.left || r.bottom < r.top) return std::nullopt;
  return r;
}

}  // namespace lumena
