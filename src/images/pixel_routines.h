#pragma once
// Small routines on 32-bit pictures shared by the layers, the work desk and
// the painting tools: the alpha channel, rectangles, and (through
// the headers below) resampling and rotation.
#include <cstdint>
#include <optional>

#include "images/picture.h"
#include "images/rect.h"
#include "images/rotate.h"
#include "images/stretch.h"

namespace lumena {

// Sets every pixel's alpha byte, leaving the colour bytes alone.
void SetAlpha(Picture& picture, uint8_t alpha);

// True when every pixel has exactly this alpha; true for a picture without
// pixels.
bool AlphaIs(const Picture& picture, uint8_t alpha);

// Copies every pixel of `source`, alpha included, to (x, y) of the target;
// what falls outside the target is left out.
void DrawAt(Picture& target, int32_t x, int32_t y, const Picture& source);

// The pixels of `area`, whose right and bottom edges are included, as far
// as they lie inside the picture.
Picture CropPicture(const Picture& picture, const Rect& area);

// The overlap of two rectangles; nothing when Right < Left or Bottom < Top.
// A result with Right == Left counts as an overlap.
std::optional<Rect> IntersectRect(const Rect& a, const Rect& b);

}  // namespace lumena
