#pragma once
// Rectangles and points in picture coordinates. Right and Bottom are
// exclusive unless the routine using the rectangle says otherwise.
#include <algorithm>
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
  bool Empty() const { return right <= left || bottom <= top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The smallest rectangle holding both; an empty one adds nothing.
inline Rect UnionOf(const Rect& a, const Rect& b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// The part of `r` inside (0, 0, width, height).
inline Rect ClippedTo(const Rect& r, int32_t width, int32_t height) {
  return {std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, width), std::min(r.bottom, height)};
}

}  // namespace lumena
