#include "work/mask.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "images/rounding.h"

namespace lumena {
namespace {

// Nearest-neighbour refit with single-precision steps: the source index is
// Round of a running sum, the sum capped at the last old index.
std::vector<uint8_t> RefitCells(std::span<const uint8_t> old, int oldColumns, int oldRows, int columns, int rows) {
  std::vector<uint8_t> cells(static_cast<size_t>(columns) * rows);
  const float stepX = static_cast<float>(oldColumns) / static_cast<float>(columns);
  const float stepY = static_cast<float>(oldRows) / static_cast<float>(rows);
  const auto lastX = static_cast<float>(oldColumns - 1), lastY = static_cast<float>(oldRows - 1);
  float y = 0;
  for (int row = 0; row < rows; ++row) {
    const uint8_t* from = old.data() + static_cast<size_t>(Round(y)) * oldColumns;
    uint8_t* to = cells.data() + static_cast<size_t>(row) * columns;
    float x = 0;
    for (int column = 0; column < columns; ++column) {
      to[column] = from[Round(x)];
      x = std::min(x + stepX, lastX);
    }
    y = std::min(y + stepY, lastY);
  }
  return cells;
}

uint8_t RegionBit(int region) { return static_cast<uint8_t>(1u << (region - 1)); }

}  // namespace

EMaskIndexOutOfBounds::EMaskIndexOutOfBounds(int region)
    : std::out_of_range("Mask index out of bounds (" + std::to_string(region) + ")") {}

void TMask::SetPicture(const Picture& picture) {
  const int columns = picture.Width(), rows = picture.Height();
  if (columns == 0 || rows == 0)
    Cells_.clear();
  else if (Cells_.empty())
    Cells_.assign(static_cast<size_t>(columns) * rows, 0);
  else if (columns != Columns() || rows != Rows())
    Cells_ = RefitCells(Cells_, Columns(), Rows(), columns, rows);
  MaxX_ = Cells_.empty() ? -1 : columns - 1;
  MaxY_ = Cells_.empty() ? -1 : rows - 1;
  Picture_ = &picture;
  Lasso_.clear();
  RestrictSnapshot_.clear();
  RestrictBox_ = {};
  State_ = 0;
}

template <typename CellOp>
void TMask::ForOpRect(CellOp op) {
  const Rect r = ClippedTo(OpRect_, MaxX_ + 1, MaxY_ + 1);
  for (int row = r.top; row < r.bottom; ++row)
    for (int column = r.left; column < r.right; ++column) op(Cell(row, column));
}

void TMask::ClearRegion() {
  const auto keep = static_cast<uint8_t>(~CurrentRegionBit_);
  for (uint8_t& c : Cells_) c &= keep;
}

void TMask::SetRect() {
  ForOpRect([bit = CurrentRegionBit_](uint8_t& c) { c |= bit; });
}

void TMask::ClearRect() {
  ForOpRect([keep = static_cast<uint8_t>(~CurrentRegionBit_)](uint8_t& c) { c &= keep; });
}

void TMask::InvertRect() {
  ForOpRect([bit = CurrentRegionBit_](uint8_t& c) { c ^= bit; });
}

void TMask::SetOpRect(const Rect& rect) {
  OpRect_ = {std::max(rect.left, 0), std::max(rect.top, 0), rect.right, rect.bottom};
}

void TMask::BackupRegion() {
  Backup_.resize(Cells_.size());
  for (size_t i = 0; i < Cells_.size(); ++i) Backup_[i] = (Cells_[i] & CurrentRegionBit_) != 0;
}

void TMask::RestoreRegion() {
  // A backup taken before the cells were refitted no longer fits them.
  if (Backup_.size() == Cells_.size()) {
    const auto keep = static_cast<uint8_t>(~CurrentRegionBit_);
    for (size_t i = 0; i < Cells_.size(); ++i)
      Cells_[i] = static_cast<uint8_t>((Cells_[i] & keep) | (Backup_[i] ? CurrentRegionBit_ : 0));
  }
  Backup_.clear();
}

void TMask::Apply(uint32_t flags) {
  if (flags & kMaskBackupRegion) BackupRegion();
  if (flags & kMaskRestoreRegion) RestoreRegion();
  if (flags & kMaskNewColourSelection) flags = kMaskClearRegion | kMaskAddColourRange;
  if (flags & kMaskClearRegion) ClearRegion();
  if (flags & kMaskInvertRect) InvertRect();
  if (flags & kMaskSetRect) SetRect();
  if (flags & kMaskClearRect) ClearRect();
  if (flags & kMaskSubtractColourRange) SelectColourRange(kSelectSubtract);
  if (flags & kMaskAddColourRange) SelectColourRange(kSelectAdd);
  if (flags & kMaskIntersectColourRange) SelectColourRange(kSelectIntersect);
  if (flags & kMaskAddLasso) ApplyLasso(true);
  if (flags & kMaskClearLasso) ApplyLasso(false);
}

int TMask::CurrentRegion() const { return CurrentRegionBit_ == 0 ? 0 : std::countr_zero(CurrentRegionBit_) + 1; }

void TMask::SetCurrentRegion(int region) {
  CurrentRegionBit_ = region <= 0 ? 0 : RegionBit(std::min(region, kMaskRegionCount));
  if (OnRegionChange_) OnRegionChange_();
}

bool TMask::HasRegionAt(int row, int column, int region) const {
  if (!InsideCells(row, column) || region < 0 || region > kMaskRegionCount) return false;
  const uint8_t bit = region == 0 ? CurrentRegionBit_ : RegionBit(region);
  return (Cell(row, column) & bit) != 0;
}

const std::vector<int>& TMask::CollectUsedRegions() {
  uint8_t all = 0;
  for (uint8_t c : Cells_) all |= c;
  UsedRegions_.clear();
  for (int region = 1; region <= kMaskRegionCount; ++region)
    if (all & RegionBit(region)) UsedRegions_.push_back(region);
  return UsedRegions_;
}

const ColourParameters& TMask::Region(int region) const {
  if (region < 1 || region > kMaskRegionCount) throw EMaskIndexOutOfBounds(region);
  return RegionParams_[region - 1];
}

ColourParameters& TMask::RegionAt(int region) {
  return const_cast<ColourParameters&>(std::as_const(*this).Region(region));
}

void TMask::SetRegion(int region, const ColourParameters& parameters) { RegionAt(region) = parameters; }

}  // namespace lumena
