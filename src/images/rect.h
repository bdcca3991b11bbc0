#pragma once
// Rectangles and points in picture coordinates. Right and Bottom are
// exclusive unless the routine using the rectangle says otherwise.
#include <cstdint>

namespace lumena {

struct Point {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  int64_t Width() const { return int64_t{right} - left; }
  int64_t Height() const { return int64_t{bottom} - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace lumena
