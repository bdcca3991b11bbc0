#pragma once
// The inner loop of the composition: one row of a layer over one row of the
// target.
#include <cstdint>

#include "images/picture.h"
#include "work/composition.h"

namespace lumena {

// alpha: the effective alpha of each layer pixel, or nullptr for the
// pixels' own, scaled by the layer's opacity when it is below 100.
void BlendRow(Pixel* target, const Pixel* layer, const uint8_t* alpha, int count, CompositionTarget kind,
              uint8_t opacity = 100);

}  // namespace lumena
