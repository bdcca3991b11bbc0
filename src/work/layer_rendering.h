#pragma once
// A layer's rendering: the scaled, clipped and coloured part of its picture
// that the composition uses, and the geometry that decides which part.
#include <cstdint>

#include "images/picture.h"
#include "images/rect.h"
#include "work/colouring_parameters.h"
#include "work/desk_geometry.h"
#include "work/mask.h"

namespace lumena {

enum RenderingState : uint8_t { kNotOnScreen = 0, kPartRendered = 1, kWholeRendered = 2 };

struct LayerRendering {
  Picture Image;
  int32_t X = -1, Y = -1;  // position in the window (or in the full work image)
  uint8_t State = kNotOnScreen;
  Rect Source;  // the part of the working picture shown
  // The window area covered; empty when not on screen.
  Rect Area() const;
  void Release();
};

// The view a rendering is made against, in table pixels, and the window it
// fills.
struct RenderView {
  double scale = 1.0;  // table pixels per window pixel
  int32_t left = 0, top = 0, width = 0, height = 0;
  int32_t windowWidth = 0, windowHeight = 0;
};

RenderView DeskView(const DeskGeometry& geometry);

struct RenderingPlacement {
  uint8_t state = kNotOnScreen;
  int32_t x = -1, y = -1, width = 0, height = 0;
  Rect source;
};

// Where the layer at (x, y) with a width x height picture is rendered. Layers
// up to twice the window area at this scale are rendered whole, so that
// moving them needs no new rendering; larger ones only where they are seen.
// `whole` forces the whole layer.
RenderingPlacement PlaceRendering(int32_t x, int32_t y, int32_t width, int32_t height, const RenderView& view,
                                  bool whole = false);

// Nearest-neighbour stretch of the `from` part of the source onto the whole
// target, all four bytes.
void StretchNearest(const Picture& source, const Rect& from, Picture& target);

struct RenderInput {
  const Picture& work;
  int32_t x, y;  // the layer's table position
  const ColourParameters& parameters;
  const TMask& mask;
};

void RenderLayer(LayerRendering& out, const RenderInput& input, const RenderView& view, bool whole = false);

}  // namespace lumena
