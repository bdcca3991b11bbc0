#pragma once
// The colour routines of a layer's rendering, each on one pixel or channel.
#include <cstdint>

#include "images/picture.h"
#include "work/hsv.h"

namespace lumena {

// Mixes 115/256 of the tint colour (red + green * 256 + blue * 65536) into
// 140/256 of each colour byte.
inline uint8_t TintChannel(uint8_t value, uint8_t tint) {
  return static_cast<uint8_t>((value * 140 + tint * 115) >> 8);
}
void Tint(Pixel& pixel, int32_t colour);

// The factor of a channel slider (0..100): 50 gives 127, just under 1.
inline int32_t ChannelFactor(int32_t slider) { return slider * 255 / 100; }
// byte * k / 128, held within 0..255.
uint8_t ScaleChannel(uint8_t value, int32_t k);

// The mean of (blue * 30 + green * 59 + red * 11) div 100 over the pixels
// that are not transparent, summed in single precision; 0 without any.
int32_t MeanLuminance(const Picture& picture);

// Stretches each colour byte's distance from the pivot by contrast percent.
uint8_t ContrastChannel(uint8_t value, int32_t contrast, int32_t pivot);
Pixel ApplyContrast(Pixel pixel, int32_t contrast, int32_t pivot);

// Hue, saturation and brightness sliders (neutral 100) added to the pixel's
// HSV values.
inline Pixel ShiftHsv(Pixel pixel, int32_t hue, int32_t saturation, int32_t brightness) {
  const HsvColour hsv = RGBtoHSV(pixel);
  return HSVtoRGB(hue + hsv.h - 100, saturation + hsv.s - 100, brightness + hsv.v - 100, hsv.a);
}

}  // namespace lumena
