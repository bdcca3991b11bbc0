#pragma once
// The nine colour parameters a layer and each of its mask's regions carry.
#include <cstdint>

namespace lumena {

// Same record for layers and regions, at the neutral values.
struct ColourParameters {
  int32_t Color = -1;  // red + green * 256 + blue * 65536, -1 = none
  int32_t Red = 50;
  int32_t Green = 50;
  int32_t Blue = 50;
  int32_t Hue = 100;
  int32_t Saturation = 100;
  int32_t Brightness = 100;
  int32_t Contrast = 100;
  uint8_t Opacity = 100;  // 0..100, 100 = opaque
  friend bool operator==(const ColourParameters&, const ColourParameters&) = default;
};

// One parameter of the nine, as the sliders and the palette address them.
enum class ColourField : uint8_t { Color, Red, Green, Blue, Hue, Saturation, Brightness, Contrast, Opacity };

int32_t GetField(const ColourParameters& parameters, ColourField field);
// Opacity is stored as a byte; values outside 0..255 are clamped.
void SetField(ColourParameters& parameters, ColourField field, int32_t value);

inline bool IsNeutral(const ColourParameters& parameters) { return parameters == ColourParameters{}; }

}  // namespace lumena
