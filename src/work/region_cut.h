#pragma once
// A region cut out of its layer to be saved as a template of its own: the
// box of its visible pixels with a quarter of its larger side as margin.
#include <optional>

#include "images/picture.h"
#include "images/rect.h"
#include "work/mask.h"

namespace lumena {

struct RegionCut {
  Picture picture;
  // Where the picture's top-left corner lies on the desk table.
  Point tablePosition;
};

// The region's pixels of the layer picture; inside the box, other pixels
// take `outside` with opacity 0, and the margin is transparent white.
// Nothing when no pixel of the region has opacity.
std::optional<RegionCut> CutRegion(const Picture& picture, const TMask& mask, int region, Point layerPosition,
                                   Pixel outside);

}  // namespace lumena
