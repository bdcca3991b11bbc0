#pragma once
// The regions window's thumbnails: the layer's picture drawn in proportion
// into a square, one white square per region showing only that region's
// pixels.
#include <array>

#include "images/picture.h"
#include "images/rect.h"
#include "work/mask.h"

namespace lumena {

// Entry 0 (no region) and regions 1..8.
using RegionThumbnails = std::array<Picture, kMaskRegionCount + 1>;

// Where a width × height picture is drawn, in proportion and centred, in a
// side × side square; at least one pixel each way.
Rect ThumbnailPlace(int32_t width, int32_t height, int32_t side);

// The mask is sampled into the same place as the picture, so that a region
// shows where it lies on layers that are not square.
RegionThumbnails MakeRegionThumbnails(const Picture& picture, const TMask& mask, int32_t side);

}  // namespace lumena
