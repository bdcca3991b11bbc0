#pragma once
// The main window's eight colour sliders: which parameter each edits, its
// range, and the hint it shows while the mouse is over it.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "work/colouring_parameters.h"

namespace lumena {

enum class SliderHintStyle : uint8_t {
  Channel,  // the sign and size of 2 x value - 100
  Shift,    // the sign and size of value - 100
  Percent,  // the value
};

struct ColourSlider {
  std::string_view name;
  ColourField field;
  int32_t max;  // the minimum is 0
  std::string_view hintKey;
  SliderHintStyle style;
};

inline constexpr std::array<ColourSlider, 8> kColourSliders = {{
    {"SliderRedColor", ColourField::Red, 100, "SliderRedColorHint", SliderHintStyle::Channel},
    {"SliderGreenColor", ColourField::Green, 100, "SliderGreenColorHint", SliderHintStyle::Channel},
    {"SliderBlueColor", ColourField::Blue, 100, "SliderBlueColorHint", SliderHintStyle::Channel},
    {"SliderHue", ColourField::Hue, 200, "SliderHueHint", SliderHintStyle::Shift},
    {"SliderSaturation", ColourField::Saturation, 200, "SliderSaturationHint", SliderHintStyle::Shift},
    {"SliderBrightness", ColourField::Brightness, 200, "SliderBrightnessHint", SliderHintStyle::Shift},
    {"SliderContrast", ColourField::Contrast, 200, "SliderContrastHint", SliderHintStyle::Shift},
    {"SliderOpacity", ColourField::Opacity, 100, "SliderOpacityHint", SliderHintStyle::Percent},
}};

// The hint: `text` (the hint key's text) and, in brackets, the value as the
// slider's style shows it: "Red (+20%)" for a red slider at 60.
std::string SliderHint(SliderHintStyle style, std::string_view text, int32_t value);

}  // namespace lumena
