// Moving, rotating and flipping a layer, and its transform modes.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

#include "images/rotate.h"
#include "images/stretch.h"
#include "work/layer.h"
#include "work/layer_errors.h"
#include "work/value_ranges.h"

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
    PlaceDeskRendering();
  else
    RenderDesk();
  RepaintUnion(oldArea);
}

namespace {

// No smaller than the rotated picture: its bounding box plus the border
// the rotation adds and a pixel of rounding.
int64_t RotatedPixelsAtMost(const Picture& picture, int32_t degrees) {
  const double theta = degrees * std::numbers::pi / 180.0;
  const double c = std::abs(std::cos(theta)), s = std::abs(std::sin(theta));
  const auto side = [](double length) { return static_cast<int64_t>(std::ceil(length)) + 8; };
  return side(picture.Width() * c + picture.Height() * s) * side(picture.Width() * s + picture.Height() * c);
}

[[noreturn]] void RefuseRotation() {
  throw ELayerTooLarge("The layer cannot be rotated: the rotated picture would be larger than " +
                       std::to_string(kMaxLayerPixels >> 20) + " megapixels or " + std::to_string(kMaxPictureSide) +
                       " pixels a side");
}

// Checked before anything is allocated.
Picture RotatedWithinCaps(const Picture& base, int32_t degrees) {
  if (RotatedPixelsAtMost(base, degrees) > kMaxLayerPixels) RefuseRotation();
  try {
    return RotatePicture(base, -degrees, base.Width() / 2, base.Height() / 2);
  } catch (const std::invalid_argument&) {
    RefuseRotation();
  }
}

}  // namespace

void TLayer::RotateTo(int32_t angle) {
  const int32_t a = angle % 360;
  if (a == Angle_) return;
  // Always from the snapshot, so that rotating back to 0 is exact; before
  // the first rotation the snapshot will be the working picture. The new
  // picture is made before anything changes, so a refusal changes nothing.
  const Picture& base = TransformMode_ == kModeRotated ? BasePicture_ : WorkPicture_;
  Picture rotated = a != 0 && !base.Empty() ? RotatedWithinCaps(base, a) : base;
  const Rect oldArea = DeskRendering_.Area();
  if (TransformMode_ != kModeRotated) {
    SetTransformMode(kModeRotated);
    PivotX_ = X_ + BasePicture_.Width() / 2;
    PivotY_ = Y_ + BasePicture_.Height() / 2;
  }
  WorkPicture_ = std::move(rotated);
  Angle_ = a;
  RefitMask();
  Site_->RecordAction(EditingAction::LayerRotated);
  X_ = PivotX_ - WorkPicture_.Width() / 2;
  Y_ = PivotY_ - WorkPicture_.Height() / 2;
  RenderDesk();
  RepaintUnion(oldArea);
}

// Pixel i of every row swaps with pixel width - 1 - i; the mask stays.
void TLayer::MirrorWorkPicture() {
  for (int y = 0; y < WorkPicture_.Height(); ++y) std::ranges::reverse(WorkPicture_.Row(y));
}

void TLayer::FlipHorizontal() {
  Site_->RecordAction(EditingAction::ParametersChanged);
  PushUndo(UndoKind::Flip);
  if (TransformMode_ != kModeFlipped) SetTransformMode(kModeFlipped);
  MirrorWorkPicture();
  RenderDesk();
  Repaint();
}

void TLayer::SetTransformMode(uint8_t mode) {
  if (mode == TransformMode_ && mode > kModeNormal) return;
  if (TransformMode_ == kModeRotated) Angle_ = 0;
  BasePicture_ = WorkPicture_;
  TransformMode_ = mode;
}

void TLayer::ResizeDuringDrag(const Rect& table) {
  Site_->RecordAction(EditingAction::LayerResized);
  PushUndo(UndoKind::Resize, true);
  if (TransformMode_ != kModeResized) SetTransformMode(kModeResized);
  const Rect oldArea = DeskRendering_.Area();
  X_ = table.left;
  Y_ = table.top;
  Picture resized(static_cast<int>(table.Width()), static_cast<int>(table.Height()));
  StretchNearest(BasePicture_, {0, 0, BasePicture_.Width(), BasePicture_.Height()}, resized);
  WorkPicture_ = std::move(resized);
  RefitMask();
  RenderDesk();
  RepaintUnion(oldArea);
}

void TLayer::FinishResize() {
  StretchFromBase(WorkPicture_.Width(), WorkPicture_.Height());
  RenderDesk();
  Repaint();
}

void TLayer::StretchTo(int32_t width, int32_t height) {
  TransformMode_ = kModeResized;
  StretchFromBase(width, height);
  RefitMask();
}

void TLayer::StretchFromBase(int32_t width, int32_t height) {
  Picture fine(width, height);
  StretchAlpha(fine, {0, 0, width, height}, BasePicture_, true);
  WorkPicture_ = std::move(fine);
}

void TLayer::EndRotationDrag() {
  if (UndoList_.Empty() || UndoList_.Newest().Kind != UndoKind::Rotate) return;
  TUndoRecord& record = UndoList_.Newest();
  record.Angle = Angle_ - record.Angle;
}

}  // namespace lumena
