#pragma once
// The modifier's displacement field over the whole table: one (dx, dy) per
// table pixel, kept only while the Modify mode is chosen.
#include <algorithm>
#include <cstddef>
#include <vector>

#include "work/desk_geometry.h"

namespace lumena {

struct Displacement {
  double dx = 0;
  double dy = 0;
};

class DisplacementField {
 public:
  static constexpr int kSide = kMaxDeskTableSide;

  bool Allocated() const { return !field_.empty(); }
  void Allocate() { field_.assign(static_cast<size_t>(kSide) * kSide, {}); }
  void Release() { std::vector<Displacement>().swap(field_); }
  void Reset() { std::fill(field_.begin(), field_.end(), Displacement{}); }
  // Indexed by table x, then y.
  Displacement& At(int x, int y) { return field_[static_cast<size_t>(x) * kSide + y]; }
  const Displacement& At(int x, int y) const { return field_[static_cast<size_t>(x) * kSide + y]; }

 private:
  std::vector<Displacement> field_;
};

}  // namespace lumena
