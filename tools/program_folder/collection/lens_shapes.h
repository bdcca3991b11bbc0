#pragma once
// The outlines of spectacle lenses.
#include <QPainterPath>

namespace lumena::tools {

enum class LensShape { Round, Rectangle, Square, CatEye, Aviator, Hexagon };

// A lens of the given size centred on the origin, its outer side (away from
// the nose) towards +x.
QPainterPath LensOutline(LensShape shape, double width, double height);

}  // namespace lumena::tools
