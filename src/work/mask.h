#pragma once
// The mask of a layer: one byte per picture pixel, bit n - 1 marking region
// n (1..8; regions may overlap), the colour parameters of each region and
// the state the region editor's rectangle, colour-range and lasso operations
// need.
#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "images/picture.h"
#include "images/rect.h"
#include "work/colouring_parameters.h"

namespace lumena {

inline constexpr int kMaskRegionCount = 8;
// A work file's mask stream holds, after the cells, the second-cells flag,
// a 33-byte record per region and the state.
inline constexpr size_t kMaskRegionRecordBytes = 33;
inline constexpr size_t kMaskStreamTailBytes = 1 + kMaskRegionCount * kMaskRegionRecordBytes + 4;

// A region number outside 1..8 given to a parameter get or set.
class EMaskIndexOutOfBounds : public std::out_of_range {
 public:
  explicit EMaskIndexOutOfBounds(int region);
};

// The colour-range selection's tolerance directions.
enum ToleranceDirection : int32_t { kToleranceUp = 1, kToleranceDown = 2 };

// Apply's flag bits, run in the order Apply lists them.
enum MaskOperation : uint32_t {
  kMaskSetRect = 0x01,
  kMaskClearRect = 0x02,
  kMaskInvertRect = 0x04,
  kMaskSubtractColourRange = 0x08,
  kMaskAddColourRange = 0x10,
  kMaskNewColourSelection = 0x20,
  kMaskClearRegion = 0x40,
  kMaskAddLasso = 0x80,
  kMaskIntersectColourRange = 0x200,
  kMaskBackupRegion = 0x1000,
  kMaskRestoreRegion = 0x2000,
  kMaskClearLasso = 0x4000,
};

enum ColourSelectMode : int32_t { kSelectAdd = 0, kSelectSubtract = 1, kSelectIntersect = 2 };

class TMask {
 public:
  TMask() = default;

  // Binds the mask to a picture (not owned; it must outlive the binding) and
  // fits the cells to its size: new cells are 0, existing ones are refitted
  // by nearest-neighbour sampling. Clears the lasso and the restriction
  // snapshot; State becomes 0.
  void SetPicture(const Picture& picture);

  int32_t MaxX() const { return MaxX_; }
  int32_t MaxY() const { return MaxY_; }
  int Columns() const { return MaxX_ + 1; }
  int Rows() const { return MaxY_ + 1; }
  bool HasCells() const { return !Cells_.empty(); }
  // The cells, row-major, row 0 at the top.
  std::span<const uint8_t> CellsView() const { return Cells_; }
  std::span<uint8_t> CellsView() { return Cells_; }

  // Region operations act on the current region's bit.
  void ClearRegion();
  void SetRect();
  void ClearRect();
  void InvertRect();
  void SelectColourRange(int mode);
  void ApplyLasso(bool add);
  void BackupRegion();
  void RestoreRegion();
  void Apply(uint32_t flags);

  const Rect& OpRect() const { return OpRect_; }
  // Left and Top are raised to 0 when negative.
  void SetOpRect(const Rect& rect);
  const Point& CurrentPoint() const { return CurrentPoint_; }
  // Each coordinate is clamped to the cells.
  void SetCurrentPoint(int32_t x, int32_t y);
  void SetTolerance(int32_t tolerance) { Tolerance_ = tolerance; }
  int32_t ToleranceDirections() const { return ToleranceDirections_; }
  void SetToleranceDirections(int32_t directions) { ToleranceDirections_ = directions; }
  int32_t SelectMode() const { return SelectMode_; }
  void SetGridActive(bool active) { GridActive_ = active; }

  bool RestrictToRegion() const { return RestrictToRegion_; }
  // Switching on snapshots the cells inside the current region's bounding
  // box; switching off drops the snapshot.
  void SetRestriction(bool on);
  const Rect& RestrictBox() const { return RestrictBox_; }

  const std::vector<Point>& Lasso() const { return Lasso_; }
  // Each coordinate is clamped to the cells.
  void AddLassoPoint(int32_t x, int32_t y);

  uint8_t CurrentRegionBit() const { return CurrentRegionBit_; }
  int CurrentRegion() const;
  // 0 makes no region current, 9 and above make region 8 current; then
  // OnRegionChange is called.
  void SetCurrentRegion(int region);
  void SetOnRegionChange(std::function<void()> callback) { OnRegionChange_ = std::move(callback); }

  // Region 0 means the current region; false outside the cells.
  bool HasRegionAt(int row, int column, int region) const;
  // The regions with at least one cell, ascending.
  const std::vector<int>& CollectUsedRegions();
  const std::vector<int>& UsedRegions() const { return UsedRegions_; }

  // Region parameters by region number 1..8; other numbers throw
  // EMaskIndexOutOfBounds.
  const ColourParameters& Region(int region) const;
  void SetRegion(int region, const ColourParameters& parameters);

  int32_t State() const { return State_; }
  void SetState(int32_t state) { State_ = state; }

  // The ".msk" file: the cells alone, zlib-compressed. SetPicture must have
  // run, since the file carries no size. Loading records the name first; a
  // missing or undecodable file leaves the cells as they were, a short one
  // leaves the cells it does not reach.
  const std::string& FileName() const { return FileName_; }
  void LoadMaskFile(const std::string& fileName);
  // Writes to the name LoadMaskFile recorded; nothing without cells.
  // Throws EFileError when the file cannot be written.
  void SaveMaskFile() const;
  // The contents of a ".msk" file, as LoadMaskFile reads them.
  void ReadMaskBytes(std::span<const uint8_t> compressed);
  std::vector<uint8_t> MaskBytes() const;

  // The mask stream of a work file: cells, region parameters and State in
  // one zlib stream, appended to out; nothing without cells. Reading
  // decodes into the existing cells and leaves the mask unchanged when the
  // stream cannot be decoded.
  void WriteMaskStream(std::vector<uint8_t>& out) const;
  void ReadMaskStream(std::span<const uint8_t> compressed);

 private:
  ColourParameters& RegionAt(int region);
  uint8_t& Cell(int row, int column) { return Cells_[static_cast<size_t>(row) * Columns() + column]; }
  uint8_t Cell(int row, int column) const { return Cells_[static_cast<size_t>(row) * Columns() + column]; }
  bool InsideCells(int row, int column) const { return row >= 0 && row <= MaxY_ && column >= 0 && column <= MaxX_; }
  template <typename CellOp>
  void ForOpRect(CellOp op);
  void TakeRestrictSnapshot();
  bool PassesRestriction(int row, int column) const;
  void FillCells(std::span<const uint8_t> bytes);

  int32_t MaxX_ = -1;
  int32_t MaxY_ = -1;
  std::vector<uint8_t> Cells_;
  uint8_t CurrentRegionBit_ = 0;
  const Picture* Picture_ = nullptr;
  ColourParameters RegionParams_[kMaskRegionCount];
  std::vector<int> UsedRegions_;
  Point CurrentPoint_;
  Rect OpRect_;
  int32_t Tolerance_ = 0;
  int32_t ToleranceDirections_ = kToleranceUp | kToleranceDown;
  int32_t SelectMode_ = kSelectAdd;
  bool RestrictToRegion_ = false;
  bool GridActive_ = false;
  std::vector<uint8_t> RestrictSnapshot_;
  Rect RestrictBox_;
  std::vector<Point> Lasso_;
  std::vector<bool> Backup_;
  std::string FileName_;
  std::function<void()> OnRegionChange_;
  int32_t State_ = 0;
};

}  // namespace lumena
