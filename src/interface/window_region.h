#pragma once
// The shape of a skinned window: every run of pixels in a row whose colour
// differs from the key colour.
#include <cstdint>
#include <vector>

#include "images/picture.h"
#include "images/rect.h"

namespace lumena {

// Pure green, the key colour of every skin (a colour value: r + g*256 + b*65536).
inline constexpr uint32_t kSkinKeyColour = 0x00FF00;

// One rectangle per run [x0, x1) x [y, y + 1) of pixels whose colour bytes
// (opacity ignored) differ from the key colour; the whole picture rectangle
// when no pixel differs. Nothing for an empty picture.
std::vector<Rect> RegionRectsFromPicture(const Picture& picture, uint32_t keyColour);

}  // namespace lumena
