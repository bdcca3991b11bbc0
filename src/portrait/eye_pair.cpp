#include "portrait/eye_pair.h"

#include <cmath>

namespace lumena {

namespace {

struct Centre {
  double x, y, size;
};

Centre CentreOf(const Rect& box) {
  return {box.left + box.Width() / 2.0, box.top + box.Height() / 2.0,
          std::sqrt(static_cast<double>(box.Width() * box.Height()))};
}

// Lower is better; nothing when the two boxes cannot be a pair. `a` lies
// left of `b` in the picture.
std::optional<double> PairCost(const Centre& a, const Centre& b, const Rect& face) {
  const double faceWidth = static_cast<double>(face.Width());
  const double middle = face.left + faceWidth / 2.0;
  if (!(a.x < middle && b.x > middle)) return std::nullopt;
  const double spacing = (b.x - a.x) / faceWidth;
  const double level = std::abs(b.y - a.y) / faceWidth;
  const double sizes = std::max(a.size, b.size) / std::min(a.size, b.size);
  if (spacing < 0.2 || spacing > 0.65 || level > 0.12 || sizes > 1.8) return std::nullopt;
  // Eyes stand about four tenths of the face's width apart.
  return std::abs(spacing - 0.4) + level + (sizes - 1.0) * 0.2;
}

}  // namespace

std::optional<EyePositions> ChooseEyePair(std::span<const Rect> boxes, const Rect& face) {
  if (face.Empty()) return std::nullopt;
  const double upperHalf = face.top + static_cast<double>(face.Height()) * 0.55;
  std::optional<EyePositions> best;
  double bestCost = 0;
  for (const Rect& first : boxes)
    for (const Rect& second : boxes) {
      const Centre a = CentreOf(first), b = CentreOf(second);
      if (first.Empty() || second.Empty() || a.y > upperHalf || b.y > upperHalf || a.x >= b.x) continue;
      const std::optional<double> cost = PairCost(a, b, face);
      if (!cost || (best && *cost >= bestCost)) continue;
      bestCost = *cost;
      best = EyePositions{{static_cast<int32_t>(std::lround(a.x)), static_cast<int32_t>(std::lround(a.y))},
                          {static_cast<int32_t>(std::lround(b.x)), static_cast<int32_t>(std::lround(b.y))}};
    }
  return best;
}

}  // namespace lumena
