#pragma once
// The pixel arithmetic of graphic buttons and sliders: cutting cells,
// recolouring and blending a cell over what lies beneath.
#include <cstdint>

#include "images/picture.h"
#include "images/rect.h"

namespace lumena {

// "No recolouring" for a resource colour.
inline constexpr uint32_t kNoRecolour = 0x1FFFFFFF;

// A picture of cellWidth x cellHeight copied from `source` at (left, top);
// parts outside the source stay zero.
Picture CutCell(const Picture& source, int left, int top, int cellWidth, int cellHeight);

// Paints every pixel whose opacity is at least the colour's high byte in the
// colour's red, green and blue.
void Recolour(Picture& cell, uint32_t colour);

// Copies the cell over the output, opacity ignored.
void CopyOpaque(Picture& output, const Picture& cell);

// For each cell pixel with opacity a != 0: k = a / 255 * (1 - transparency / 100),
// channel = round((1 - k) * output) + round(k * cell), halves to even.
void BlendCell(Picture& output, const Picture& cell, int transparency);

// The track of a slider: the cell drawn into the output at `at`, clipped,
// with channel = round((1 - a/255) * output) + round(a/255 * cell).
void BlendTrack(Picture& output, const Picture& cell, Point at);

// Copies `part` into `output` at `at`, clipped (opacity bytes included).
void PastePicture(Picture& output, const Picture& part, Point at);

}  // namespace lumena
