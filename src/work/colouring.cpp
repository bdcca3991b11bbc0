#include "work/colouring.h"

#include <algorithm>

#include "images/rounding.h"

namespace lumena {

void Tint(Pixel& pixel, int32_t colour) {
  const auto c = static_cast<uint32_t>(colour);
  pixel.b = TintChannel(pixel.b, ColorBlue(c));
  pixel.g = TintChannel(pixel.g, ColorGreen(c));
  pixel.r = TintChannel(pixel.r, ColorRed(c));
}

uint8_t ScaleChannel(uint8_t value, int32_t k) { return static_cast<uint8_t>(std::clamp((value * k) >> 7, 0, 255)); }

int32_t MeanLuminance(const Picture& picture) {
  // The sum is single precision on purpose: its rounding is part of the
  // result, so it runs in pixel order.
  float sum = 0;
  int64_t count = 0;
  for (const Pixel& p : picture.Pixels()) {
    if (p.a == 0) continue;
    sum += static_cast<float>((p.b * 30 + p.g * 59 + p.r * 11) / 100);
    ++count;
  }
  return count == 0 ? 0 : static_cast<int32_t>(Round(static_cast<double>(sum) / static_cast<double>(count)));
}

uint8_t ContrastChannel(uint8_t value, int32_t contrast, int32_t pivot) {
  const double x = contrast / 100.0 * (value - pivot) + pivot;
  return static_cast<uint8_t>(std::clamp<int64_t>(Round(x), 0, 255));
}

Pixel ApplyContrast(Pixel pixel, int32_t contrast, int32_t pivot) {
  return {ContrastChannel(pixel.b, contrast, pivot), ContrastChannel(pixel.g, contrast, pivot),
          ContrastChannel(pixel.r, contrast, pivot), pixel.a};
}

}  // namespace lumena
