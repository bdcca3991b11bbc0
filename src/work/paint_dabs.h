#pragma once
// The arithmetic of one dab of the brush, the eraser and the modifier on a
// layer's pictures. Squares are in table pixels with their right and bottom
// edges included, already clamped to the table; `origin` is the layer's
// table position; only pixels inside the picture change.
#include <cstdint>

#include "images/picture.h"
#include "images/rect.h"
#include "work/work_desk_displacement.h"

namespace lumena {

// A tool's settings from its sliders: the radius is the size slider's value
// div 2, at least 1; the power 0..100.
struct PaintToolSettings {
  int32_t radius = 25;
  int32_t power = 50;
};
int32_t RadiusFromSlider(int32_t value);

struct Dab {
  Point centre;
  Rect square;  // centre +- radius, clamped
  PaintToolSettings settings;
};

// Left button: towards `colour` (power 100 takes it fully at the centre);
// `restore` (right button): back towards the base picture. Alpha stays.
void BrushDab(Picture& work, const Picture& base, Point origin, const Dab& dab, Pixel colour, bool restore);

// Left button: lowers alpha; `restore`: raises it back towards the base
// picture's alpha. Colours stay.
void EraserDab(Picture& work, const Picture& base, Point origin, const Dab& dab, bool restore);

// Pushes the displacement under the dab along `movement`, strongest at the
// centre; `relax` (right button) pulls it towards zero instead.
void PushDisplacement(DisplacementField& field, const Dab& dab, Point movement, bool relax);

// Resamples the dab's pixels from the base picture through the field.
void ResampleDisplaced(Picture& work, const Picture& base, Point origin, const Rect& square,
                       const DisplacementField& field);

}  // namespace lumena
