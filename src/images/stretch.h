#pragma once
// Bilinear resampling of a picture into a rectangle of a target picture. The
// source is resampled to the rectangle's size and drawn at its top-left
// corner; whatever falls outside the target is clipped. The target's pixels
// are replaced, alpha included.
#include "images/picture.h"
#include "images/rect.h"

namespace lumena {

// Resampling with alpha. With alwaysInterpolateAlpha clear, a pixel whose
// nearest sample is fully transparent or fully opaque keeps that alpha.
// Half-transparent results take part of their left neighbour's colour.
void StretchAlpha(Picture& target, const Rect& rect, const Picture& source, bool alwaysInterpolateAlpha);

// Resampling for previews: colours are scaled by the resampled alpha, so
// transparent parts come out black.
void StretchThumbnail(Picture& target, const Rect& rect, const Picture& source);

// Resampling of the colours alone; the drawn pixels are opaque.
void StretchOpaque(Picture& target, const Rect& rect, const Picture& source);

}  // namespace lumena
