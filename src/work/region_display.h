#pragma once
// The region editor's view of a layer: every pixel over white, the current
// region's at full opacity and the rest at half, with the grid's interior
// lines over it.
#include "images/picture.h"
#include "images/rect.h"
#include "work/mask.h"
#include "work/region_grid.h"

namespace lumena {

// A pixel blended over white by `alpha`; the result is opaque.
inline Pixel OverWhite(Pixel p, uint8_t alpha) {
  const auto over = [alpha](uint8_t c) { return static_cast<uint8_t>(255 - ((255 - c) * alpha) / 255); };
  return {over(p.b), over(p.g), over(p.r), 255};
}

inline constexpr Pixel kGridLineColour{255, 0, 255, 255};

// Draws the part `shown` (picture coordinates, clipped to the picture) of
// the display into `out` at its top-left corner; `grid` is drawn when given.
void DrawRegionDisplay(Picture& out, const Rect& shown, const Picture& picture, const TMask& mask,
                       const RegionGrid* grid);

}  // namespace lumena
