#pragma once
// Colouring of a layer's rendering: tint, red, green, blue, HSV and contrast
// in this order on every pixel that is not transparent, with the values of
// the mask's regions containing the pixel taking over from the layer's.
#include "images/picture.h"
#include "images/rect.h"
#include "work/colouring_parameters.h"
#include "work/mask.h"

namespace lumena {

struct ColouringSource {
  const ColourParameters& layer;
  const TMask& mask;    // regions apply only when it has used regions
  const Picture& work;  // the whole working picture: the contrast pivot's source
  Rect source;          // the part of the working picture the rendering shows
  double scale;         // working-picture pixels per rendering pixel
};

void ColourRendering(Picture& rendering, const ColouringSource& source);

}  // namespace lumena
