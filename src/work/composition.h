#pragma once
// Composition of layer renderings over white, back to front, with the
// opacity of the layers and of their mask's regions.
#include <cstdint>
#include <span>

#include "images/picture.h"
#include "images/rect.h"
#include "work/mask.h"

namespace lumena {

struct CompositionLayer {
  const Picture* image = nullptr;  // the rendering
  int32_t x = 0, y = 0;            // its position in the target
  // Where a rendering pixel lies in the mask: Round(position * scale) plus
  // the source corner.
  const TMask* mask = nullptr;
  Rect source;
  double scale = 1.0;
  uint8_t opacity = 100;  // percent
};

enum class CompositionTarget : uint8_t {
  Desk,       // opaque white below; the result's alpha is the last layer's
  FullImage,  // transparent white below; alphas accumulate
};

// Composes `rect` (clipped to the target) from the layers, front first.
void ComposeLayers(Picture& target, const Rect& rect, std::span<const CompositionLayer> layers, CompositionTarget kind);

// One layer pixel over one target pixel, with the layer pixel's effective
// alpha.
inline Pixel BlendPixel(Pixel s, Pixel b, uint8_t a, CompositionTarget kind) {
  if (a == 0) return s;
  if (a == 255) return {b.b, b.g, b.r, 255};
  const int keep = 255 - a;
  return {static_cast<uint8_t>((b.b * a + s.b * keep) >> 8), static_cast<uint8_t>((b.g * a + s.g * keep) >> 8),
          static_cast<uint8_t>((b.r * a + s.r * keep) >> 8),
          kind == CompositionTarget::Desk ? a : static_cast<uint8_t>((keep * s.a + a * 255) >> 8)};
}

// ((percent * 255 div 100) * alpha) shr 8.
inline uint8_t ApplyOpacity(uint8_t alpha, int percent) {
  return static_cast<uint8_t>(((percent * 255 / 100) * alpha) >> 8);
}

}  // namespace lumena
