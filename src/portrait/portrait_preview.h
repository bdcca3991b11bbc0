#pragma once
// The portrait as it was prepared, kept in view by the preview window while
// templates cover it: a copy taken when the work gets its portrait, dropped
// when the work loses it, and drawn fitted into the preview.
#include "images/picture.h"
#include "images/rect.h"

namespace lumena {

class TWorkDesk;

// A copy of the portrait layer's base picture; empty without a portrait.
Picture PortraitPreviewOf(const TWorkDesk& desk);

// Where a w x h portrait is drawn in a W x H preview: as large as fits with
// its proportions kept, centred. Empty when there is nothing to draw.
Rect PortraitPreviewPlace(int32_t W, int32_t H, int32_t w, int32_t h);

// Fills the preview white, stretches the portrait into its place and frames
// the whole preview in black. No portrait (or an empty one) leaves it white.
void DrawPortraitPreview(Picture& preview, const Picture* portrait);

}  // namespace lumena
