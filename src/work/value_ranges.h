#pragma once
// The documented ranges of what a layer holds, and the caps on its size.
// Values that come from files are brought into these ranges before any
// arithmetic, so that no sum of a position and a size can overflow.
#include <cstdint>

#include "images/picture.h"
#include "work/colouring_parameters.h"
#include "work/layer_record.h"

namespace lumena {

// The most pixels one layer and all layers of a work may hold: 64 and 256
// mebipixels (8192 x 8192 and four times that).
inline constexpr int64_t kMaxLayerPixels = int64_t{64} << 20;
inline constexpr int64_t kMaxWorkPixels = int64_t{256} << 20;

// The furthest a table position (a layer's corner, an anchor, a nail mark)
// may lie from the origin: far beyond any table, yet a position plus any
// picture side, doubled, stays well inside 32 bits.
inline constexpr int32_t kMaxTablePosition = 1 << 24;

inline constexpr int32_t kNoTint = -1;
inline constexpr int32_t kMaxTint = 0xFFFFFF;
inline constexpr int32_t kMaxChannelFactor = 100;  // Red, Green, Blue
inline constexpr int32_t kMaxShift = 200;          // Hue, Saturation, Brightness, Contrast
inline constexpr int32_t kMaxOpacity = 100;

int32_t ClampedPosition(int32_t value);
// A picture side: 0 to the largest picture side.
int32_t ClampedSide(int32_t value);
// Every parameter into its range; a tint below -1 counts as none.
void ClampToRanges(ColourParameters& parameters);
// Position, informative size and parameters; names, type and depth stay.
void ClampToRanges(TLayerRecord& record);

}  // namespace lumena
