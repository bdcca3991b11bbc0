#include "work/colouring_parameters.h"

#include <algorithm>

namespace lumena {

namespace {

int32_t* IntField(ColourParameters& p, ColourField field) {
  switch (field) {
    case ColourField::Color:
      return &p.Color;
    case ColourField::Red:
      return &p.Red;
    case ColourField::Green:
      return &p.Green;
    case ColourField::Blue:
      return &p.Blue;
    case ColourField::Hue:
      return &p.Hue;
    case ColourField::Saturation:
      return &p.Saturation;
    case ColourField::Brightness:
      return &p.Brightness;
    case ColourField::Contrast:
      return &p.Contrast;
    case ColourField::Opacity:
      break;
  }
  return nullptr;
}

}  // namespace

int32_t GetField(const ColourParameters& parameters, ColourField field) {
  if (field == ColourField::Opacity) return parameters.Opacity;
  return *IntField(const_cast<ColourParameters&>(parameters), field);
}

void SetField(ColourParameters& parameters, ColourField field, int32_t value) {
  if (field == ColourField::Opacity)
    parameters.Opacity = static_cast<uint8_t>(std::clamp(value, 0, 255));
  else
    *IntField(parameters, field) = value;
}

}  // namespace lumena
