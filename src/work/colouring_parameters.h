#pragma once
// The nine colour parameters a layer and each of its mask's regions carry.
#include <cstdint>

#include "work/mask.h"

namespace lumena {

// Same record for layers and regions: Color (-1 none), Red/Green/Blue
// (neutral 50), Hue/Saturation/Brightness/Contrast (neutral 100), Opacity.
using ColourParameters = RegionParameters;

// One parameter of the nine, as the sliders and the palette address them.
enum class ColourField : uint8_t { Color, Red, Green, Blue, Hue, Saturation, Brightness, Contrast, Opacity };

int32_t GetField(const ColourParameters& parameters, ColourField field);
// Opacity is stored as a byte; values outside 0..255 are clamped.
void SetField(ColourParameters& parameters, ColourField field, int32_t value);

inline bool IsNeutral(const ColourParameters& parameters) { return parameters == ColourParameters{}; }

}  // namespace lumena
