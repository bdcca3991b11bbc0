#pragma once
// The points templates are placed from: the face anchor, the five nail
// marks and the body anchor, in table pixels. The portrait adjustment sets
// them; a work file saves and restores them.
#include <array>
#include <cstdint>

#include "images/rect.h"

namespace lumena {

inline constexpr int kNailMarkCount = 5;

struct NailMark {
  int32_t x = -1;  // -1 until a hand has been adjusted
  int32_t y = -1;
  int32_t width = 0;
  int32_t height = 0;
  int32_t angle = 0;  // degrees
  bool IsSet() const { return x >= 0 && y >= 0; }
  friend bool operator==(const NailMark&, const NailMark&) = default;
};

struct PlacementAnchors {
  Point face{-1, -1};
  std::array<NailMark, kNailMarkCount> nails{};
  Point body{-1, -1};

  // Clearing the work forgets every anchor.
  void Clear() { *this = PlacementAnchors{}; }
  friend bool operator==(const PlacementAnchors&, const PlacementAnchors&) = default;
};

}  // namespace lumena
