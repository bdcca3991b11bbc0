#include "editing/desk_pointer.h"

#include <cstdlib>

#include "images/rounding.h"
#include "work/layer_errors.h"
#include "work/undo.h"

namespace lumena {

namespace {

constexpr int32_t kHandleSize = 7;
// A side must stay above this many pixels.
constexpr int32_t kSmallestSide = 9;

bool Inside(const Rect& r, Point p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

DeskCursor SizingCursor(ResizeHandle h) {
  switch (h) {
    case ResizeHandle::TopLeft:
    case ResizeHandle::BottomRight:
      return DeskCursor::SizeFrontDiagonal;
    case ResizeHandle::TopRight:
    case ResizeHandle::BottomLeft:
      return DeskCursor::SizeBackDiagonal;
    case ResizeHandle::Left:
    case ResizeHandle::Right:
      return DeskCursor::SizeHorizontal;
    default:
      return DeskCursor::SizeVertical;
  }
}

bool Fits(int64_t side, int32_t limit) { return side > kSmallestSide && side <= limit; }

}  // namespace

ResizeHandle HandleAt(const Rect& r, Point p) {
  if (!Inside(r, p)) return ResizeHandle::None;
  const bool left = p.x < r.left + kHandleSize, right = p.x >= r.right - kHandleSize;
  const bool top = p.y < r.top + kHandleSize, bottom = p.y >= r.bottom - kHandleSize;
  if (left && top) return ResizeHandle::TopLeft;
  if (right && bottom) return ResizeHandle::BottomRight;
  if (right && top) return ResizeHandle::TopRight;
  if (left && bottom) return ResizeHandle::BottomLeft;
  if (left) return ResizeHandle::Left;
  if (right) return ResizeHandle::Right;
  if (top) return ResizeHandle::Top;
  if (bottom) return ResizeHandle::Bottom;
  return ResizeHandle::None;
}

std::optional<Rect> ResizedRect(const Rect& r, ResizeHandle h, int32_t dx, int32_t dy, double aspect,
                                int32_t tableWidth, int32_t tableHeight) {
  int64_t x = r.left, y = r.top, w = r.Width(), hgt = r.Height();
  switch (h) {
    case ResizeHandle::TopLeft:
    case ResizeHandle::BottomRight:
    case ResizeHandle::TopRight:
    case ResizeHandle::BottomLeft: {
      const bool horizontal = std::abs(dx) >= std::abs(dy);
      int64_t n = horizontal ? dx : dy;
      if (h == ResizeHandle::BottomRight || (h == ResizeHandle::TopRight && horizontal) ||
          (h == ResizeHandle::BottomLeft && !horizontal))
        n = -n;
      const int64_t m = Round(static_cast<double>(n) / aspect);
      if (!Fits(w + n, tableWidth) || !Fits(hgt + m, tableHeight)) return std::nullopt;
      if (h == ResizeHandle::TopLeft || h == ResizeHandle::BottomLeft) x -= n;
      if (h == ResizeHandle::TopLeft || h == ResizeHandle::TopRight) y -= m;
      w += n;
      hgt += m;
      break;
    }
    case ResizeHandle::Left:
    case ResizeHandle::Right: {
      const int64_t n = h == ResizeHandle::Left ? dx : -dx;
      if (!Fits(w + n, tableWidth)) return std::nullopt;
      if (h == ResizeHandle::Left) x -= n;
      w += n;
      break;
    }
    case ResizeHandle::Top:
    case ResizeHandle::Bottom: {
      const int64_t n = h == ResizeHandle::Top ? dy : -dy;
      if (!Fits(hgt + n, tableHeight)) return std::nullopt;
      if (h == ResizeHandle::Top) y -= n;
      hgt += n;
      break;
    }
    case ResizeHandle::None:
      return std::nullopt;
  }
  const Rect result{static_cast<int32_t>(x), static_cast<int32_t>(y), static_cast<int32_t>(x + w),
                    static_cast<int32_t>(y + hgt)};
  if (result == r) return std::nullopt;
  return result;
}

Point DeskPointer::ToTable(Point window) const {
  const DeskGeometry& g = session_.Desk().Geometry();
  return {g.viewLeft + static_cast<int32_t>(Round(window.x * g.scale)),
          g.viewTop + static_cast<int32_t>(Round(window.y * g.scale))};
}

bool DeskPointer::PaintMode() const {
  const LayerMode m = session_.Mode();
  return m == LayerMode::Paint || m == LayerMode::Erase || m == LayerMode::Modify;
}

void DeskPointer::Press(Point window, PointerButton button, PointerKeys keys) {
  drag_ = Drag::None;
  lastWindow_ = window;
  if (keys.alt) {
    drag_ = Drag::Panning;
    cursor_ = DeskCursor::HandGrabAll;
    return;
  }
  const Point table = ToTable(window);
  pressPoint_ = lastPoint_ = table;
  if (session_.Mode() == LayerMode::None) return;
  if (PaintMode()) {
    PressToPaint(table, button, keys);
    return;
  }
  PressToSelect(table, button, keys);
}

void DeskPointer::PressToSelect(Point table, PointerButton button, PointerKeys keys) {
  TWorkDesk& desk = session_.Desk();
  if (const TLayer* active = desk.ActiveLayer();
      active && button == PointerButton::Left && !keys.Any() && active->Contains(table.x, table.y)) {
    handle_ = HandleAt(active->TableRect(), table);
    if (handle_ != ResizeHandle::None) {
      aspect_ = static_cast<double>(active->TableRect().Width()) / static_cast<double>(active->TableRect().Height());
      drag_ = Drag::Resizing;
      cursor_ = SizingCursor(handle_);
      desk.SetUndoPending(true);
      return;
    }
  }
  const int hit = desk.HitTest(table.x, table.y, keys.ctrl, false);
  if (button == PointerButton::Left && hit >= 0) {
    drag_ = keys.shift ? Drag::Rotating : Drag::Moving;
    cursor_ = keys.shift ? DeskCursor::Rotate : DeskCursor::HandGrab;
    desk.SetUndoPending(true);
  }
  selectedByThisClick_ = hit != desk.ActiveIndex();
  if (selectedByThisClick_) desk.SetActive(hit);
}

void DeskPointer::PressToPaint(Point table, PointerButton button, PointerKeys keys) {
  TWorkDesk& desk = session_.Desk();
  TLayer* active = desk.ActiveLayer();
  const LayerMode mode = session_.Mode();
  if (!active || (mode == LayerMode::Paint && keys.shift && button == PointerButton::Left)) return;
  const bool restore = button == PointerButton::Right;
  const PaintTool tool = mode == LayerMode::Paint   ? PaintTool::Brush
                         : mode == LayerMode::Erase ? PaintTool::Eraser
                                                    : PaintTool::Modifier;
  const PaintToolSettings settings = mode == LayerMode::Paint ? brush : mode == LayerMode::Erase ? eraser : modifier;
  stroke_ = std::make_unique<PaintStroke>(desk, *active, tool, restore, settings, brushColour, table);
  drag_ = Drag::Stroke;
}

void DeskPointer::Move(Point window, bool leftHeld, bool anyHeld, PointerKeys keys) {
  if (drag_ == Drag::Panning) {
    Pan(window);
    return;
  }
  if (keys.alt && drag_ == Drag::None) {
    cursor_ = DeskCursor::HandFlatAll;
    return;
  }
  const Point table = ToTable(window);
  if (session_.Mode() == LayerMode::Paint && keys.shift && leftHeld && !stroke_) {
    PickColour(window);
    return;
  }
  if (stroke_ && anyHeld) {
    stroke_->MoveTo(table);
    lastPoint_ = table;
    return;
  }
  const bool small = std::abs(table.x - lastPoint_.x) <= 1 && std::abs(table.y - lastPoint_.y) <= 1;
  if (!leftHeld || small) {
    ShowFeedback(table, anyHeld, keys);
    return;
  }
  TWorkDesk& desk = session_.Desk();
  TLayer* active = desk.ActiveLayer();
  if (!active) return;
  switch (drag_) {
    case Drag::Resizing:
      Resize(table);
      break;
    case Drag::Moving:
      desk.ShowActiveFrame = false;
      active->MoveBy(table.x - lastPoint_.x, table.y - lastPoint_.y);
      lastPoint_ = table;
      break;
    case Drag::Rotating:
      Rotate(table);
      break;
    default:
      break;
  }
}

void DeskPointer::Pan(Point window) {
  TWorkDesk& desk = session_.Desk();
  const DeskGeometry& g = desk.Geometry();
  // The table follows the hand: a window pixel is DeskScale table pixels.
  const int32_t left = g.viewLeft - static_cast<int32_t>(Round((window.x - lastWindow_.x) * g.scale));
  const int32_t top = g.viewTop - static_cast<int32_t>(Round((window.y - lastWindow_.y) * g.scale));
  lastWindow_ = window;
  const bool fits = left >= 0 && top >= 0 && left <= g.tableWidth - g.viewWidth && top <= g.tableHeight - g.viewHeight;
  if (fits) desk.SetViewPosition(left, top);
}

void DeskPointer::Resize(Point table) {
  TWorkDesk& desk = session_.Desk();
  TLayer& layer = *desk.ActiveLayer();
  const DeskGeometry& g = desk.Geometry();
  const auto resized = ResizedRect(layer.TableRect(), handle_, lastPoint_.x - table.x, lastPoint_.y - table.y, aspect_,
                                   g.tableWidth, g.tableHeight);
  if (!resized) return;
  layer.ResizeDuringDrag(*resized);
  lastPoint_ = table;
}

void DeskPointer::Rotate(Point table) {
  TWorkDesk& desk = session_.Desk();
  TLayer& layer = *desk.ActiveLayer();
  desk.ShowActiveFrame = false;
  desk.RecordAction(EditingAction::LayerRotated);
  layer.PushUndo(UndoKind::Rotate, true);
  const auto d = static_cast<int32_t>(Round((table.x - lastPoint_.x) / desk.Geometry().scale));
  try {
    layer.RotateTo(layer.Angle() + (std::abs(d) < 17 ? d / 2 : d));
  } catch (const ELayerTooLarge&) {
    // The layer stays as it was; the drag goes on.
  }
  lastPoint_ = table;
}

void DeskPointer::ShowFeedback(Point table, bool buttonHeld, PointerKeys keys) {
  const TWorkDesk& desk = session_.Desk();
  const TLayer* active = desk.ActiveLayer();
  const bool over = active && active->Contains(table.x, table.y);
  switch (session_.Mode()) {
    case LayerMode::Paint:
      cursor_ = keys.shift ? DeskCursor::Pipette : over ? DeskCursor::Brush : DeskCursor::Arrow;
      return;
    case LayerMode::Erase:
      cursor_ = over ? DeskCursor::Eraser : DeskCursor::Arrow;
      return;
    case LayerMode::Modify:
      cursor_ = over ? DeskCursor::Modify : DeskCursor::Arrow;
      return;
    default:
      break;
  }
  if (!over) {
    cursor_ = DeskCursor::Arrow;
    return;
  }
  if (const ResizeHandle h = HandleAt(active->TableRect(), table);
      h != ResizeHandle::None && !buttonHeld && !keys.Any()) {
    cursor_ = SizingCursor(h);
    return;
  }
  cursor_ =
      desk.HitTest(table.x, table.y, false, false) == desk.ActiveIndex() ? DeskCursor::HandFlat : DeskCursor::Arrow;
}

void DeskPointer::Release(Point window, PointerButton button, PointerKeys keys) {
  TWorkDesk& desk = session_.Desk();
  desk.ShowActiveFrame = true;
  cursor_ = DeskCursor::Arrow;
  const Drag drag = std::exchange(drag_, Drag::None);
  if (drag == Drag::Panning) return;
  const Point table = ToTable(window);
  const bool still = table == pressPoint_ && lastPoint_ == pressPoint_;
  if (stroke_) {
    stroke_->Finish();
    stroke_.reset();
  }
  desk.SetUndoPending(false);
  if (still) {
    ReleaseWithoutMovement(table, button, keys);
    if (PaintMode() || drag != Drag::Moving || selectedByThisClick_ || !keys.ctrl || button != PointerButton::Left)
      return;
    desk.SetActive(desk.HitTest(table.x, table.y, true, true));
    return;
  }
  TLayer* active = desk.ActiveLayer();
  if (!active) return;
  if (drag == Drag::Resizing) active->FinishResize();
  if (drag == Drag::Rotating) active->EndRotationDrag();
  if (drag == Drag::Rotating || drag == Drag::Moving) active->Repaint();
}

void DeskPointer::ReleaseWithoutMovement(Point table, PointerButton button, PointerKeys keys) {
  TWorkDesk& desk = session_.Desk();
  if (PaintMode()) {
    if (session_.Mode() == LayerMode::Paint && keys.shift && button == PointerButton::Left) return;
    const int hit = desk.HitTest(table.x, table.y, keys.ctrl, keys.ctrl);
    if (hit != desk.ActiveIndex()) desk.SetActive(hit);
  }
  if (button != PointerButton::Right) return;
  const int hit = desk.HitTest(table.x, table.y, false, false);
  if (hit >= 0) popupTarget_ = hit;
}

void DeskPointer::PickColour(Point window) {
  const Picture& shown = session_.Desk().DeskImage();
  int sums[3] = {0, 0, 0};
  for (int y = window.y - 1; y <= window.y + 1; ++y)
    for (int x = window.x - 1; x <= window.x + 1; ++x) {
      if (x < 0 || y < 0 || x >= shown.Width() || y >= shown.Height()) continue;
      const Pixel& p = shown.At(x, y);
      sums[0] += p.r;
      sums[1] += p.g;
      sums[2] += p.b;
    }
  brushColour = {static_cast<uint8_t>(sums[2] / 9), static_cast<uint8_t>(sums[1] / 9),
                 static_cast<uint8_t>(sums[0] / 9), 255};
}

}  // namespace lumena
