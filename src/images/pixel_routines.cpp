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

std::optional<Rect> IntersectRect(const Rect& a, const Rect& b) {
  const Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
               std::min(a.bottom, b.bottom)};
  if (r.right < r.left || r.bottom < r.top) return std::nullopt;
  return r;
}

}  // namespace lumena
