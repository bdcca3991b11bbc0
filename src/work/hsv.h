#pragma once
// The HSV colour model of the colour sliders: hue in degrees, saturation and
// value in percent. Single precision where the arithmetic says so; the
// renderer inlines these, so they live in the header.
#include <algorithm>
#include <cstdint>

#include "images/picture.h"
#include "images/rounding.h"

namespace lumena {

struct HsvColour {
  int32_t h = 0;  // 0..360
  int32_t s = 0;  // 0..100
  int32_t v = 0;  // 0..100
  uint8_t a = 0;
  friend bool operator==(const HsvColour&, const HsvColour&) = default;
};

// Red wins a tie for the maximum over green, green over blue.
inline HsvColour RGBtoHSV(Pixel pixel) {
  const int r = pixel.r, g = pixel.g, b = pixel.b;
  const int max = std::max({r, g, b});
  const int min = std::min({r, g, b});
  HsvColour out;
  out.a = pixel.a;
  out.v = static_cast<int32_t>(Round(max * 100 / 255.0));
  out.s = max > 0 ? static_cast<int32_t>(Round((max - min) * 100 / static_cast<double>(max))) : 0;
  if (out.s == 0) return out;
  const float d = static_cast<float>(max - min);
  float f;
  if (max == r)
    f = static_cast<float>(g - b) / d;
  else if (max == g)
    f = static_cast<float>(b - r) / d + 2.0f;
  else
    f = static_cast<float>(r - g) / d + 4.0f;
  f = f / 6.0f;
  if (f < 0) f = f + 1.0f;
  out.h = static_cast<int32_t>(Round(static_cast<double>(f) * 360.0));
  return out;
}

// Saturation and value are clamped to 0..100; the hue is brought into
// 0..359. Grey is rounded, colours are truncated.
inline Pixel HSVtoRGB(int32_t h, int32_t s, int32_t v, uint8_t a) {
  const float S = static_cast<float>(std::clamp(s, 0, 100)) / 100.0f;
  const float V = static_cast<float>(std::clamp(v, 0, 100)) / 100.0f;
  if (S == 0) {
    const auto grey = static_cast<uint8_t>(Round(static_cast<double>(V) * 255));
    return {grey, grey, grey, a};
  }
  h %= 360;
  if (h < 0) h += 360;
  const float q = static_cast<float>(h) / 60.0f;
  const int i = static_cast<int>(q);
  const float f = q - static_cast<float>(i);
  const float p = (1.0f - S) * V;
  const float qq = (1.0f - S * f) * V;
  const float t = (1.0f - (1.0f - f) * S) * V;
  const auto byte = [](float x) { return static_cast<uint8_t>(static_cast<double>(x) * 255); };
  float red, green, blue;
  switch (i) {
    case 0:
      red = V, green = t, blue = p;
      break;
    case 1:
      red = qq, green = V, blue = p;
      break;
    case 2:
      red = p, green = V, blue = t;
      break;
    case 3:
      red = p, green = qq, blue = V;
      break;
    case 4:
      red = t, green = p, blue = V;
      break;
    default:
      red = V, green = p, blue = qq;
      break;
  }
  return {byte(blue), byte(green), byte(red), a};
}

}  // namespace lumena
