#pragma once
// The mouse on the work desk, free of windows: the desk window hands over
// presses, moves and releases in window pixels and shows the cursor and the
// popup menu this asks for. Selecting, moving, resizing by the eight
// handles, rotating with Shift, panning with Alt, Ctrl-click cycling, and in
// the painting modes the strokes and the pipette.
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

#include "editing/editing_session.h"
#include "images/rect.h"
#include "work/paint_stroke.h"

namespace lumena {

enum class PointerButton : uint8_t { Left, Right, Middle };

struct PointerKeys {
  bool shift = false, ctrl = false, alt = false;
  bool Any() const { return shift || ctrl || alt; }
};

// The cursors the desk asks for: the program's own (Part of the cursor set
// made at start-up) and the platform's arrows.
enum class DeskCursor : uint8_t {
  Arrow,
  Brush,
  Eraser,
  Pipette,
  Modify,
  HandFlat,
  HandGrab,
  HandFlatAll,
  HandGrabAll,
  Rotate,
  SizeFrontDiagonal,  // top-left and bottom-right corners
  SizeBackDiagonal,   // top-right and bottom-left corners
  SizeHorizontal,
  SizeVertical,
};

enum class ResizeHandle : uint8_t { None, TopLeft, BottomRight, TopRight, BottomLeft, Left, Right, Top, Bottom };

// Which handle of a layer's table rectangle holds the point: the 7 x 7
// corners first, then the 7-pixel edge strips.
ResizeHandle HandleAt(const Rect& layer, Point p);

// The rectangle a resizing drag by (dx, dy) table pixels (last point minus
// the new one) gives; nothing when the result would be 9 pixels or less or
// larger than the table. Corners keep `aspect` (width / height).
std::optional<Rect> ResizedRect(const Rect& layer, ResizeHandle handle, int32_t dx, int32_t dy, double aspect,
                                int32_t tableWidth, int32_t tableHeight);

class DeskPointer {
 public:
  explicit DeskPointer(EditingSession& session) : session_(session) {}

  void Press(Point window, PointerButton button, PointerKeys keys);
  // `leftHeld` and `anyHeld`: the buttons held during the move.
  void Move(Point window, bool leftHeld, bool anyHeld, PointerKeys keys);
  void Release(Point window, PointerButton button, PointerKeys keys);

  DeskCursor Cursor() const { return cursor_; }
  // The layer a right click opened the popup menu on, once.
  std::optional<int> TakePopupTarget() { return std::exchange(popupTarget_, std::nullopt); }

  // The painting tools' settings and the brush colour (the pipette sets it).
  PaintToolSettings brush, eraser, modifier;
  Pixel brushColour{0, 0, 0, 255};

 private:
  enum class Drag : uint8_t { None, Panning, Moving, Resizing, Rotating, Stroke };

  Point ToTable(Point window) const;
  void PressToSelect(Point table, PointerButton button, PointerKeys keys);
  void PressToPaint(Point table, PointerButton button, PointerKeys keys);
  void Pan(Point window);
  void Resize(Point table);
  void Rotate(Point table);
  void ShowFeedback(Point table, bool buttonHeld, PointerKeys keys);
  void ReleaseWithoutMovement(Point table, PointerButton button, PointerKeys keys);
  void PickColour(Point window);
  bool PaintMode() const;

  EditingSession& session_;
  Drag drag_ = Drag::None;
  Point pressPoint_, lastPoint_, lastWindow_;
  ResizeHandle handle_ = ResizeHandle::None;
  double aspect_ = 1;
  bool selectedByThisClick_ = false;
  std::unique_ptr<PaintStroke> stroke_;
  DeskCursor cursor_ = DeskCursor::Arrow;
  std::optional<int> popupTarget_;
};

}  // namespace lumena
