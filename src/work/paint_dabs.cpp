#include "work/paint_dabs.h"

#include <algorithm>
#include <cmath>

#include "images/rounding.h"

namespace lumena {

namespace {

uint8_t Byte(int64_t v) { return static_cast<uint8_t>(std::clamp<int64_t>(v, 0, 255)); }

// Calls `paint(pixel, base pixel, G)` for every pixel of the dab's disc that
// lies in the picture; G is the weight of the old value: 1 - power / 100 at
// the centre, rising to 1 at the rim.
template <typename Paint>
void ForDisc(Picture& work, const Picture& base, Point origin, const Dab& dab, Paint paint) {
  const double p = 1.0 - dab.settings.power / 100.0;
  const double r = dab.settings.radius;
  for (int y = dab.square.top; y <= dab.square.bottom; ++y) {
    const int row = y - origin.y;
    if (row < 0 || row >= work.Height()) continue;
    for (int x = dab.square.left; x <= dab.square.right; ++x) {
      const int column = x - origin.x;
      if (column < 0 || column >= work.Width()) continue;
      const double d = std::hypot(x - dab.centre.x, y - dab.centre.y) / r;
      if (d >= 1) continue;
      paint(work.At(column, row), base.At(column, row), p + d * (1 - p));
    }
  }
}

}  // namespace

int32_t RadiusFromSlider(int32_t value) { return std::max(1, value / 2); }

void BrushDab(Picture& work, const Picture& base, Point origin, const Dab& dab, Pixel colour, bool restore) {
  ForDisc(work, base, origin, dab, [&](Pixel& px, const Pixel& was, double g) {
    const auto mix = [&](uint8_t old, uint8_t towards) {
      return restore ? Byte(Round(towards * (1 - g) + old * g)) : Byte(Round(old * g + (1 - g) * towards));
    };
    px.r = mix(px.r, restore ? was.r : colour.r);
    px.g = mix(px.g, restore ? was.g : colour.g);
    px.b = mix(px.b, restore ? was.b : colour.b);
  });
}

void EraserDab(Picture& work, const Picture& base, Point origin, const Dab& dab, bool restore) {
  ForDisc(work, base, origin, dab, [&](Pixel& px, const Pixel& was, double g) {
    const int64_t kept = Round(px.a * g);
    px.a = Byte(restore ? std::min<int64_t>(255, kept + Round((1 - g) * was.a)) : kept);
  });
}

void PushDisplacement(DisplacementField& field, const Dab& dab, Point movement, bool relax) {
  const double k = dab.settings.power * 0.99 / 100 + 0.01;
  const double r = dab.settings.radius;
  for (int y = dab.square.top; y <= dab.square.bottom; ++y) {
    for (int x = dab.square.left; x <= dab.square.right; ++x) {
      const double d = std::hypot(x - dab.centre.x, y - dab.centre.y) / r;
      if (d > 1) continue;
      Displacement& at = field.At(x, y);
      if (relax) {
        at.dx /= 2 - d;
        at.dy /= 2 - d;
      } else {
        at.dx -= (1 - d) * movement.x * k;
        at.dy -= (1 - d) * movement.y * k;
      }
    }
  }
}

void ResampleDisplaced(Picture& work, const Picture& base, Point origin, const Rect& square,
                       const DisplacementField& field) {
  const int width = work.Width(), height = work.Height();
  // Sampling needs two columns and two rows.
  if (width < 2 || height < 2) return;
  for (int y = square.top; y <= square.bottom; ++y) {
    const int row = y - origin.y;
    if (row < 0 || row >= height) continue;
    for (int x = square.left; x <= square.right; ++x) {
      const int column = x - origin.x;
      if (column < 0 || column >= width) continue;
      const Displacement& at = field.At(x, y);
      const double sx = column + at.dx, sy = row + at.dy;
      const double fx = sx - static_cast<double>(Trunc(sx)), fy = sy - static_cast<double>(Trunc(sy));
      const int i = static_cast<int>(std::clamp<int64_t>(Trunc(sx), 0, width - 2));
      const int j = static_cast<int>(std::clamp<int64_t>(Trunc(sy), 0, height - 2));
      const Pixel& p00 = base.At(i, j);
      const Pixel& p10 = base.At(i + 1, j);
      const Pixel& p01 = base.At(i, j + 1);
      const Pixel& p11 = base.At(i + 1, j + 1);
      const auto sample = [&](uint8_t Pixel::*channel) {
        const double top = (1 - fx) * (p00.*channel) + fx * (p10.*channel);
        const double bottom = (p11.*channel) * fx + (p01.*channel) * (1 - fx);
        return Byte(Trunc(bottom * fy + top * (1 - fy)));
      };
      Pixel& px = work.At(column, row);
      px = {sample(&Pixel::b), sample(&Pixel::g), sample(&Pixel::r), sample(&Pixel::a)};
    }
  }
}

}  // namespace lumena
