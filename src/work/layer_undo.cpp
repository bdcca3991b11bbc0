// A layer's undo records: making them, undoing them, and the reset that
// stacks one record per changed region.
#include <algorithm>

#include "images/pixel_routines.h"
#include "images/stretch.h"
#include "work/layer.h"

namespace lumena {

namespace {

bool TakesArea(UndoKind kind) {
  return kind == UndoKind::Brush || kind == UndoKind::Eraser || kind == UndoKind::Modifier ||
         kind == UndoKind::Calibration || kind == UndoKind::BaldHead;
}

bool SavesPicture(UndoKind kind) {
  return kind == UndoKind::Brush || kind == UndoKind::Eraser || kind == UndoKind::Calibration ||
         kind == UndoKind::BaldHead;
}

bool RegionKind(UndoKind kind) { return kind == UndoKind::Colour || kind == UndoKind::RegionReset; }

}  // namespace

void TLayer::FillUndoRecord(TUndoRecord& record, UndoKind kind) const {
  record.Kind = kind;
  record.Region = Mask_.CurrentRegion();
  record.Params = RegionKind(kind) && record.Region > 0 ? Mask_.Region(record.Region) : Params_;
  record.X = X_;
  record.Y = Y_;
  record.Width = WidthOf();
  record.Height = HeightOf();
  record.Angle = Angle_;
  record.PivotX = PivotX_;
  record.PivotY = PivotY_;
  record.TransformMode = TransformMode_;
  const DeskGeometry& g = Site_->Geometry();
  record.Area = TakesArea(kind) ? Rect{g.tableWidth, g.tableHeight, -1, -1} : Rect{};
  if (SavesPicture(kind)) record.SavedPicture = WorkPicture_;
}

TUndoRecord* TLayer::PushUndo(UndoKind kind, bool once) {
  if (once && !Site_->TakeUndoPending()) return nullptr;
  TUndoRecord* record = UndoList_.Push([&](TUndoRecord& r) { FillUndoRecord(r, kind); });
  Site_->RefreshControls();
  return record;
}

void TLayer::Undo() {
  if (UndoList_.Empty()) return;
  Site_->RecordAction(EditingAction::Undo);
  // A reset stacked one RegionReset record per region above its Reset
  // record; one Undo takes back the whole chain.
  for (bool chained = true; chained && !UndoList_.Empty();) {
    TUndoRecord record = std::move(UndoList_.Newest());
    UndoList_.PopNewest();
    chained = UndoRecord(record) && !UndoList_.Empty() &&
              (UndoList_.Newest().Kind == UndoKind::RegionReset || UndoList_.Newest().Kind == UndoKind::Reset);
  }
  Site_->RefreshControls();
}

bool TLayer::UndoRecord(TUndoRecord& record) {
  const Rect oldArea = DeskRendering_.Area();
  bool changed = false;
  bool moveOnly = false;
  switch (record.Kind) {
    case UndoKind::Rotate:
      // RotateTo renders and repaints by itself.
      if (record.Angle != 0) {
        if (TransformMode_ == kModeRotated) {
          RotateTo(Angle_ - record.Angle);
        } else {
          RotateTo(-record.Angle);
          SetTransformMode(kModeNone);
        }
      }
      break;
    case UndoKind::Brush:
    case UndoKind::Eraser:
    case UndoKind::Modifier:
      // Stroke areas include their right and bottom edges; a stroke not
      // yet completed still has its inverted start.
      if (!record.SavedPicture.Empty() && record.Area.right >= record.Area.left &&
          record.Area.bottom >= record.Area.top) {
        DrawAt(WorkPicture_, record.Area.left, record.Area.top, record.SavedPicture);
        if (record.Kind == UndoKind::Modifier)
          DrawAt(BasePicture_, record.Area.left, record.Area.top, record.SavedPicture);
        changed = true;
      }
      break;
    case UndoKind::Calibration:
    case UndoKind::BaldHead:
      // The whole picture comes back, also should its size have changed.
      if (!record.SavedPicture.Empty()) {
        const bool resized = record.SavedPicture.Width() != WorkPicture_.Width() ||
                             record.SavedPicture.Height() != WorkPicture_.Height();
        WorkPicture_ = std::move(record.SavedPicture);
        if (resized) RefitMask();
        changed = true;
      }
      break;
    case UndoKind::Flip:
      MirrorWorkPicture();
      changed = true;
      break;
    case UndoKind::Move:
    case UndoKind::Resize:
      changed = RestorePlacement(record);
      moveOnly = changed && record.Kind == UndoKind::Move && DeskRendering_.State == kWholeRendered;
      break;
    case UndoKind::Colour:
    case UndoKind::PasteState:
    case UndoKind::Reset:
    case UndoKind::RegionReset:
      changed = RestoreParameters(record);
      break;
  }
  if (changed) {
    if (moveOnly)
      PlaceDeskRendering();
    else
      RenderDesk();
    RepaintUnion(oldArea);
  }
  if (record.TransformMode == kModeRotated && TransformMode_ != kModeRotated)
    TransformMode_ = kModeNone;
  else
    SetTransformMode(record.TransformMode);
  return record.Kind == UndoKind::RegionReset;
}

bool TLayer::RestoreParameters(const TUndoRecord& record) {
  bool shown;
  if (RegionKind(record.Kind) && record.Region > 0) {
    if (Mask_.Region(record.Region) == record.Params) return false;
    Mask_.SetRegion(record.Region, record.Params);
    shown = Mask_.CurrentRegion() == record.Region;
  } else {
    if (Params_ == record.Params) return false;
    Params_ = record.Params;
    shown = Mask_.CurrentRegion() == 0;
  }
  if (shown) Site_->ValuesChanged(*this);
  return true;
}

bool TLayer::RestorePlacement(const TUndoRecord& record) {
  bool changed = false;
  if (record.X != X_ || record.Y != Y_) {
    X_ = record.X;
    Y_ = record.Y;
    PivotX_ = record.PivotX;
    PivotY_ = record.PivotY;
    changed = true;
  }
  if (record.Kind == UndoKind::Resize && record.Width > 0 && record.Height > 0 &&
      (record.Width != WidthOf() || record.Height != HeightOf())) {
    WorkPicture_.Resize(record.Width, record.Height);
    StretchAlpha(WorkPicture_, {0, 0, record.Width, record.Height}, BasePicture_, true);
    RefitMask();
    changed = true;
  }
  return changed;
}

void TLayer::Reset() {
  Site_->RecordAction(EditingAction::Reset);
  const int remembered = Mask_.CurrentRegion();
  Mask_.SetOnRegionChange(nullptr);
  {
    // The region and the callback come back also when something fails.
    struct Restore {
      TLayer& layer;
      int region;
      ~Restore() {
        layer.Mask_.SetCurrentRegion(region);
        layer.AttachRegionCallback();
      }
    } restore{*this, remembered};
    Mask_.SetCurrentRegion(0);
    PushUndo(UndoKind::Reset);
    Params_ = {};
    for (int region = 1; region <= kMaskRegionCount; ++region) {
      if (Mask_.Region(region) == ColourParameters{}) continue;
      Mask_.SetCurrentRegion(region);
      PushUndo(UndoKind::RegionReset);
      Mask_.SetRegion(region, {});
    }
  }
  RenderDesk();
  Repaint();
  Site_->ValuesChanged(*this);
}

}  // namespace lumena
