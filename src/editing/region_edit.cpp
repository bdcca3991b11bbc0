#include "editing/region_edit.h"

#include "work/layer.h"
#include "work/region_display.h"

namespace lumena {

bool RegionEdit::Load(const TLayer& layer) {
  Drop();
  const int region = layer.Mask().CurrentRegion();
  if (region == 0 || !layer.Mask().HasCells()) return false;
  picture_ = layer.WorkPicture();
  mask_ = layer.Mask();
  // The copy tells nobody when its region changes.
  mask_.SetOnRegionChange(nullptr);
  mask_.SetPicture(picture_);
  mask_.SetCurrentRegion(region);
  layer_ = &layer;
  region_ = region;
  grid_ = MakeRegionGrid(picture_.Width(), picture_.Height(), kGridStartCells, kGridStartCells);
  return true;
}

void RegionEdit::Drop() {
  layer_ = nullptr;
  region_ = 0;
  picture_.Clear();
  mask_ = TMask();
  lastClick_.reset();
  gridOn_ = false;
  lasso_ = LassoAction::None;
}

void RegionEdit::Click(Point p, ClickKeys keys, ClickButton button) {
  if (!Loaded()) return;
  lastClick_ = p;
  mask_.SetCurrentPoint(p.x, p.y);
  mask_.SetTolerance(tolerance_);
  mask_.SetToleranceDirections(kToleranceUp | kToleranceDown);
  lastRect_ = gridOn_ ? OperationRectAt(grid_, p) : WholePicture();
  mask_.SetOpRect(lastRect_);
  mask_.Apply(ClickOperation(keys, button));
}

void RegionEdit::ChangeTolerance(int32_t value, bool shift) {
  const int32_t before = tolerance_;
  tolerance_ = value;
  if (!shift || !lastClick_ || !Loaded()) return;
  const std::optional<ColourSelectMode> mode = ToleranceAdjustment(before, value);
  if (!mode) return;
  mask_.SetCurrentPoint(lastClick_->x, lastClick_->y);
  mask_.SetTolerance(value);
  mask_.SetOpRect(lastRect_);
  mask_.SelectColourRange(*mode);
}

void RegionEdit::SetGrid(bool on, int columns, int rows) {
  gridOn_ = on;
  grid_ = MakeRegionGrid(picture_.Width(), picture_.Height(), columns, rows);
  mask_.SetGridActive(on);
}

void RegionEdit::Clear() {
  mask_.SetOpRect(WholePicture());
  mask_.ClearRegion();
  mask_.SetRestriction(false);
}

void RegionEdit::StartLasso(Point p, LassoAction action) {
  if (!Loaded() || action == LassoAction::None) return;
  lasso_ = action;
  mask_.AddLassoPoint(p.x, p.y);
}

void RegionEdit::ExtendLasso(Point p) {
  if (lasso_ != LassoAction::None) mask_.AddLassoPoint(p.x, p.y);
}

void RegionEdit::FinishLasso() {
  if (lasso_ == LassoAction::None) return;
  mask_.ApplyLasso(lasso_ == LassoAction::Add);
  lasso_ = LassoAction::None;
}

void RegionEdit::DrawDisplay(Picture& out, const Rect& shown) const {
  DrawRegionDisplay(out, shown, picture_, mask_, gridOn_ ? &grid_ : nullptr);
}

}  // namespace lumena
