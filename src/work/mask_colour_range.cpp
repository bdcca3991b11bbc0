// The colour-range selection of the mask and its restriction to a snapshot
// of the current region.
#include <algorithm>

#include "work/mask.h"

namespace lumena {
namespace {

struct ChannelRange {
  uint8_t lower[3];
  uint8_t upper[3];

  bool Contains(const Pixel& p) const {
    const uint8_t v[3] = {p.b, p.g, p.r};
    for (int k = 0; k < 3; ++k)
      if (v[k] < lower[k] || v[k] > upper[k]) return false;
    return true;
  }
};

ChannelRange RangeAround(const Pixel& reference, int32_t tolerance, int32_t directions) {
  const int64_t up = (directions & kToleranceUp) ? tolerance : 0;
  const int64_t down = (directions & kToleranceDown) ? tolerance : 0;
  const uint8_t v[3] = {reference.b, reference.g, reference.r};
  ChannelRange range{};
  for (int k = 0; k < 3; ++k) {
    range.upper[k] = static_cast<uint8_t>(std::clamp<int64_t>(v[k] + up, 0, 255));
    range.lower[k] = static_cast<uint8_t>(std::clamp<int64_t>(v[k] - down, 0, 255));
  }
  return range;
}

// First index from the front holding the bit, or 0 when none does.
template <typename Holds>
int FirstHolding(int count, Holds holds) {
  for (int i = 0; i < count; ++i)
    if (holds(i)) return i;
  return 0;
}

template <typename Holds>
int LastHolding(int count, Holds holds) {
  for (int i = count - 1; i >= 0; --i)
    if (holds(i)) return i;
  return 0;
}

}  // namespace

void TMask::SetCurrentPoint(int32_t x, int32_t y) {
  // Clamped, so that a click on the last column or row samples that pixel.
  CurrentPoint_ = {std::clamp(x, 0, std::max(MaxX_, 0)), std::clamp(y, 0, std::max(MaxY_, 0))};
}

void TMask::SelectColourRange(int mode) {
  SelectMode_ = mode;
  // The reference colours come from the bound picture; without one that
  // covers the cells there is nothing to compare.
  if (!Picture_ || Picture_->Width() < Columns() || Picture_->Height() < Rows() || Cells_.empty()) return;
  if (!InsideCells(CurrentPoint_.y, CurrentPoint_.x)) return;
  const ChannelRange range =
      RangeAround(Picture_->At(CurrentPoint_.x, CurrentPoint_.y), Tolerance_, ToleranceDirections_);
  const bool restricted = RestrictToRegion_ && !GridActive_;
  const int left = std::max(OpRect_.left, 0), top = std::max(OpRect_.top, 0);
  const int right = std::min(OpRect_.right, MaxX_), bottom = std::min(OpRect_.bottom, MaxY_);
  const uint8_t bit = CurrentRegionBit_;
  const auto keep = static_cast<uint8_t>(~bit);
  for (int row = top; row <= bottom; ++row) {
    const Pixel* pixels = Picture_->Row(row).data();
    for (int column = left; column <= right; ++column) {
      if (restricted && !PassesRestriction(row, column)) continue;
      const bool inRange = range.Contains(pixels[column]);
      uint8_t& c = Cell(row, column);
      if (mode == kSelectAdd && inRange) c |= bit;
      if (mode == kSelectSubtract && inRange) c &= keep;
      if (mode == kSelectIntersect && !inRange) c &= keep;
    }
  }
}

void TMask::SetRestriction(bool on) {
  if (on == RestrictToRegion_) return;
  RestrictToRegion_ = on;
  if (on) {
    TakeRestrictSnapshot();
  } else {
    RestrictSnapshot_.clear();
    RestrictBox_ = {};
  }
}

// The box is inclusive on all four sides; a missing edge counts as 0.
void TMask::TakeRestrictSnapshot() {
  RestrictSnapshot_.clear();
  RestrictBox_ = {};
  if (Cells_.empty()) return;
  const uint8_t bit = CurrentRegionBit_;
  auto rowHolds = [&](int row) {
    return std::any_of(&Cell(row, 0), &Cell(row, 0) + Columns(), [bit](uint8_t c) { return c & bit; });
  };
  auto columnHolds = [&](int column) {
    for (int row = 0; row < Rows(); ++row)
      if (Cell(row, column) & bit) return true;
    return false;
  };
  RestrictBox_ = {FirstHolding(Columns(), columnHolds), FirstHolding(Rows(), rowHolds),
                  LastHolding(Columns(), columnHolds), LastHolding(Rows(), rowHolds)};
  for (int row = RestrictBox_.top; row <= RestrictBox_.bottom; ++row)
    RestrictSnapshot_.insert(RestrictSnapshot_.end(), &Cell(row, RestrictBox_.left),
                             &Cell(row, RestrictBox_.right) + 1);
}

bool TMask::PassesRestriction(int row, int column) const {
  const int r = row - RestrictBox_.top, c = column - RestrictBox_.left;
  const int width = RestrictBox_.right - RestrictBox_.left + 1;
  if (RestrictSnapshot_.empty() || r < 0 || c < 0 || r > RestrictBox_.bottom - RestrictBox_.top || c >= width)
    return false;
  return (RestrictSnapshot_[static_cast<size_t>(r) * width + c] & CurrentRegionBit_) != 0;
}

}  // namespace lumena
