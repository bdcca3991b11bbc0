// Moving, rotating and flipping a layer, and its transform modes.
#include <algorithm>

#include "images/rotate.h"
#include "work/layer.h"

namespace lumena {

void TLayer::MoveBy(int32_t dx, int32_t dy) {
  PushUndo(UndoKind::Move, true);
  Site_->RecordAction(EditingAction::LayerMoved);
  const Rect oldArea = DeskRendering_.Area();
  X_ += dx;
  Y_ += dy;
  if (TransformMode_ == kModeRotated) {
    PivotX_ += dx;
    PivotY_ += dy;
  }
  if (DeskRendering_.State == kWholeRendered)
    placeDeskRendering();
  else
    RenderDesk();
  RepaintUnion(oldArea);
}

void TLayer::RotateTo(int32_t angle) {
  const int32_t a = angle % 360;
  if (a == Angle_) return;
  const Rect oldArea = DeskRendering_.Area();
  if (TransformMode_ != kModeRotated) {
    SetTransformMode(kModeRotated);
    PivotX_ = X_ + BasePicture_.width() / 2;
    PivotY_ = Y_ + BasePicture_.height() / 2;
  }
  // Always from the snapshot, so that rotating back to 0 is exact.
  if (a != 0 && !BasePicture_.empty())
    WorkPicture_ = RotatePicture(BasePicture_, -a, BasePicture_.width() / 2, BasePicture_.height() / 2);
  else
    WorkPicture_ = BasePicture_;
  Angle_ = a;
  refitMask();
  Site_->RecordAction(EditingAction::LayerRotated);
  X_ = PivotX_ - WorkPicture_.width() / 2;
  Y_ = PivotY_ - WorkPicture_.height() / 2;
  RenderDesk();
  RepaintUnion(oldArea);
}

// Pixel i of every row swaps with pixel width - 1 - i; the mask stays.
void TLayer::mirrorWorkPicture() {
  for (int y = 0; y < WorkPicture_.height(); ++y) std::ranges::reverse(WorkPicture_.row(y));
}

void TLayer::FlipHorizontal() {
  Site_->RecordAction(EditingAction::ParametersChanged);
  PushUndo(UndoKind::Flip);
  if (TransformMode_ != kModeFlipped) SetTransformMode(kModeFlipped);
  mirrorWorkPicture();
  RenderDesk();
  Repaint();
}

void TLayer::SetTransformMode(uint8_t mode) {
  if (mode == TransformMode_ && mode > kModeNormal) return;
  if (TransformMode_ == kModeRotated) Angle_ = 0;
  BasePicture_ = WorkPicture_;
  TransformMode_ = mode;
}

void TLayer::EndRotationDrag() {
  if (UndoList_.empty() || UndoList_.Newest().Kind != UndoKind::Rotate) return;
  TUndoRecord& record = UndoList_.Newest();
  record.Angle = Angle_ - record.Angle;
}


}  // namespace lumena
