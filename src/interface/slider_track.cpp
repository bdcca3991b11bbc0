#include "interface/slider_track.h"

#include <algorithm>

#include "images/rounding.h"

namespace lumena {

int ValuePix(const SliderTrack& t, int value) {
  if (t.min >= t.max) return t.reversed ? t.End() : t.Start();
  const auto d = static_cast<int>(Round(static_cast<double>(t.UsableLength()) * (static_cast<double>(value) - t.min) /
                                        (static_cast<double>(t.max) - t.min)));
  return t.reversed ? t.End() - d : t.Start() + d;
}

std::optional<int> ValueAtPosition(const SliderTrack& t, int p) {
  if (p < t.Start() || p > t.End()) return std::nullopt;
  if (t.UsableLength() <= 0) return t.min;
  const int q = t.reversed ? t.End() - p : p - t.Start();
  return static_cast<int>(Round(static_cast<double>(q) / t.UsableLength() * (static_cast<double>(t.max) - t.min))) +
         t.min;
}

int ThumbCorner(int valuePix, std::optional<int> grabOffset, int thumbLength, int sliderLength) {
  const int corner = valuePix - grabOffset.value_or(thumbLength / 2);
  return std::max(0, std::min(corner, sliderLength - thumbLength - 1));
}

}  // namespace lumena
