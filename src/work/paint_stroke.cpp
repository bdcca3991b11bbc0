#include "work/paint_stroke.h"

#include <algorithm>

#include "images/pixel_routines.h"
#include "images/rounding.h"
#include "work/undo.h"

namespace lumena {

namespace {

UndoKind KindOf(PaintTool tool) {
  return tool == PaintTool::Brush ? UndoKind::Brush : tool == PaintTool::Eraser ? UndoKind::Eraser : UndoKind::Modifier;
}

uint8_t ModeOf(PaintTool tool) {
  return tool == PaintTool::Brush ? kModePainted : tool == PaintTool::Eraser ? kModeErased : kModeModified;
}

}  // namespace

PaintStroke::PaintStroke(TWorkDesk& desk, TLayer& layer, PaintTool tool, bool restore, PaintToolSettings settings,
                         Pixel brushColour, Point press)
    : desk_(desk),
      layer_(layer),
      tool_(tool),
      restore_(restore),
      settings_(settings),
      colour_(brushColour),
      last_(press),
      strokeRight_(std::min(layer.X() + layer.WorkPicture().Width(), desk.Geometry().tableWidth)),
      strokeBottom_(std::min(layer.Y() + layer.WorkPicture().Height(), desk.Geometry().tableHeight)) {
  const bool relaxing = tool == PaintTool::Modifier && restore;
  if (relaxing) return;
  desk_.SetUndoPending(true);
  if (tool == PaintTool::Modifier) desk_.ResetDisplacement();
}

Rect PaintStroke::DabSquare(Point c) const {
  const int32_t r = settings_.radius;
  // The field and the pictures end one pixel before the stroke's bounds.
  const int32_t right = std::max(0, strokeRight_ - 1), bottom = std::max(0, strokeBottom_ - 1);
  return {std::clamp(c.x - r, 0, right), std::clamp(c.y - r, 0, bottom), std::clamp(c.x + r, 0, right),
          std::clamp(c.y + r, 0, bottom)};
}

void PaintStroke::GrowUndoArea(Point c) {
  if (layer_.PushUndo(KindOf(tool_), true)) opened_ = true;
  if (!opened_) return;
  Rect& area = layer_.UndoList().Newest().Area;
  const int32_t r = settings_.radius;
  area = {std::min(area.left, c.x - r), std::min(area.top, c.y - r), std::max(area.right, c.x + r),
          std::max(area.bottom, c.y + r)};
}

void PaintStroke::MoveTo(Point point) {
  if (point == last_) return;
  desk_.RecordAction(EditingAction::ParametersChanged);
  GrowUndoArea(point);
  if (layer_.TransformMode() != ModeOf(tool_)) layer_.SetTransformMode(ModeOf(tool_));
  const Dab dab{point, DabSquare(point), settings_};
  const Point origin{layer_.X(), layer_.Y()};
  switch (tool_) {
    case PaintTool::Brush:
      BrushDab(layer_.WorkPicture(), layer_.BasePicture(), origin, dab, colour_, restore_);
      break;
    case PaintTool::Eraser:
      EraserDab(layer_.WorkPicture(), layer_.BasePicture(), origin, dab, restore_);
      break;
    case PaintTool::Modifier:
      PushDisplacement(desk_.Displacement(), dab, {point.x - last_.x, point.y - last_.y}, restore_);
      ResampleDisplaced(layer_.WorkPicture(), layer_.BasePicture(), origin, dab.square, desk_.Displacement());
      break;
  }
  layer_.RenderDesk();
  RepaintTable(dab.square);
  last_ = point;
}

void PaintStroke::RepaintTable(const Rect& square) {
  const DeskGeometry& g = desk_.Geometry();
  const auto window = [&](int32_t table, int32_t view) {
    return static_cast<int32_t>(Round((table - view) / g.scale));
  };
  // The square's far edges are inside it: the window area ends past them.
  desk_.Refresh({window(square.left, g.viewLeft), window(square.top, g.viewTop),
                 window(square.right + 1, g.viewLeft) + 1, window(square.bottom + 1, g.viewTop) + 1});
}

void PaintStroke::Finish() {
  if (!opened_) return;
  opened_ = false;
  TUndoList& undo = layer_.UndoList();
  TUndoRecord& record = undo.Newest();
  const Picture& work = layer_.WorkPicture();
  const Rect layerRect{layer_.X(), layer_.Y(), layer_.X() + work.Width(), layer_.Y() + work.Height()};
  const std::optional<Rect> touched = IntersectRect(record.Area, layerRect);
  if (!touched || (touched->left == touched->right && touched->top == touched->bottom)) {
    undo.PopNewest();
    desk_.RefreshControls();
    return;
  }
  const Rect area{touched->left - layer_.X(), touched->top - layer_.Y(), touched->right - layer_.X(),
                  touched->bottom - layer_.Y()};
  record.Area = area;
  if (record.Kind == UndoKind::Modifier) {
    record.SavedPicture = CropPicture(layer_.BasePicture(), area);
    DrawAt(layer_.BasePicture(), area.left, area.top, CropPicture(work, area));
  } else {
    record.SavedPicture = CropPicture(record.SavedPicture, area);
  }
}

}  // namespace lumena
