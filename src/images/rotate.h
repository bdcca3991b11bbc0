#pragma once
// Rotation of a picture about a pivot by forward mapping of its pixels.
#include "images/picture.h"

namespace lumena {

// A new picture holding the source rotated by angleDegrees about the pivot
// (in source pixels). The result is large enough for the rotated source plus
// a border; pixels no source pixel reaches are white at alpha 0. The pivot
// lands at (F, E) of the result, F and E being its horizontal and vertical
// half extents. Pictures at most 100 pixels wide or high are rotated at
// twice their size and brought back, so that the gaps of forward mapping
// stay small. Throws std::invalid_argument when the result would exceed the
// largest picture side.
Picture RotatePicture(const Picture& source, double angleDegrees, int pivotX, int pivotY);

}  // namespace lumena
