#pragma once
// The region editor's work, free of windows: a private copy of a layer's
// picture and mask taken when the editor opens, the clicks, the grid, the
// lasso, the restriction and the tolerance on that copy. Nothing reaches
// the layer until EditingSession::CommitRegionEdit writes the region back.
#include <cstdint>
#include <optional>

#include "images/picture.h"
#include "work/mask.h"
#include "work/region_clicks.h"
#include "work/region_grid.h"

namespace lumena {

class TLayer;

inline constexpr int32_t kToleranceMax = 200, kToleranceStart = 30;

enum class LassoAction { None, Remove, Add };

class RegionEdit {
 public:
  // Copies the layer's picture and mask; the region edited is the mask's
  // current one. False, with nothing loaded, when no region is current.
  bool Load(const TLayer& layer);
  // Forgets the copy (Cancel).
  void Drop();
  bool Loaded() const { return layer_ != nullptr; }
  // The layer the copy came from: compared, never followed, since it may
  // have left the desk.
  const TLayer* SourceLayer() const { return layer_; }
  int Region() const { return region_; }
  const Picture& GetPicture() const { return picture_; }
  const TMask& Mask() const { return mask_; }

  // A click on the picture (not in lasso mode).
  void Click(Point p, ClickKeys keys, ClickButton button);
  int32_t Tolerance() const { return tolerance_; }
  // With Shift held after a click, the last selection follows the new value
  // at once; otherwise the next click uses it.
  void ChangeTolerance(int32_t value, bool shift);

  bool GridOn() const { return gridOn_; }
  const RegionGrid& Grid() const { return grid_; }
  void SetGrid(bool on, int columns, int rows);

  bool Restricted() const { return mask_.RestrictToRegion(); }
  void SetRestriction(bool on) { mask_.SetRestriction(on); }
  // Empties the region over the whole picture and lifts the restriction.
  void Clear();

  LassoAction Lasso() const { return lasso_; }
  void StartLasso(Point p, LassoAction action);
  void ExtendLasso(Point p);
  void FinishLasso();

  // The part `shown` (picture coordinates) of the editor's display.
  void DrawDisplay(Picture& out, const Rect& shown) const;

 private:
  Rect WholePicture() const { return {0, 0, picture_.Width(), picture_.Height()}; }

  const TLayer* layer_ = nullptr;
  int region_ = 0;
  Picture picture_;
  TMask mask_;
  int32_t tolerance_ = kToleranceStart;
  std::optional<Point> lastClick_;
  Rect lastRect_;
  bool gridOn_ = false;
  RegionGrid grid_;
  LassoAction lasso_ = LassoAction::None;
};

}  // namespace lumena
