// The mouse over the adjustment window's view: the face lines and box, the
// nail marks, the hand and body frames.
#include <cstdlib>

#include "interface/ui/picture_control.h"
#include "portrait/ui/form_adjust.h"

namespace lumena {

namespace {

constexpr int kGrip = 5;
constexpr int kCursorEyeLines = 107, kCursorHandFlat = 108, kCursorHandGrab = 109, kCursorEye = 105;
constexpr int kCursorRotate = 113;

bool Near(int a, int b) { return std::abs(a - b) <= kGrip; }

}  // namespace

void TFormAdjust::ViewPress(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers keys) {
  press_ = last_ = p;
  switch (kind_) {
    case SourceKind::Face:
      if (button == Qt::LeftButton || button == Qt::RightButton) FacePress(p);
      break;
    case SourceKind::Hand:
      HandPress(p, button, keys);
      break;
    case SourceKind::Body:
      FramePress(bodyFrame_, p, keys, 7, 8);
      break;
  }
}

void TFormAdjust::FacePress(QPoint p) {
  const bool insideWidth = p.x() > 0 && p.x()<viewWidth_, insideHeight = p.y()> 0 && p.y() < viewHeight_;
  if (insideHeight && (Near(p.x(), lines_.leftEyeX) || Near(p.x(), lines_.rightEyeX))) {
    // The left line wins when both are near.
    faceDrag_ = Near(p.x(), lines_.leftEyeX) ? FaceDrag::LeftLine : FaceDrag::RightLine;
    view_->setCursor(Qt::SplitHCursor);
  } else if (insideWidth && Near(p.y(), lines_.eyeY)) {
    faceDrag_ = FaceDrag::EyeLine;
    view_->setCursor(Qt::SplitVCursor);
  } else if (faceBoxShown_ && QRect(faceBox_.left, faceBox_.top, faceBox_.width, faceBox_.height).contains(p)) {
    faceDrag_ = FaceDrag::Box;
    grab_ = {0, p.y() - faceBox_.top};
    view_->setCursor(cursors_(kCursorHandGrab));
  }
  dragState_ = faceDrag_ == FaceDrag::None ? 0 : 1;
}

void TFormAdjust::HandPress(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers keys) {
  const int mark = MarkerAt(markers_, {p.x(), p.y()});
  if (mark == 0) {
    FramePress(handFrame_, p, keys, 2, 3);
    return;
  }
  activeMark_ = mark;
  const NailMarker& m = markers_[mark - 1];
  if (keys.testFlag(Qt::ControlModifier)) {
    dragState_ = 5;
    view_->setCursor(button == Qt::RightButton ? Qt::SizeHorCursor : Qt::SizeVerCursor);
  } else if (keys.testFlag(Qt::ShiftModifier)) {
    dragState_ = 6;
    view_->setCursor(cursors_(kCursorRotate));
  } else {
    dragState_ = 4;
    grab_ = {p.x() - m.centre.x, p.y() - m.centre.y};
    view_->setCursor(cursors_(kCursorHandGrab));
  }
}

void TFormAdjust::FramePress(ZoomFrame& frame, QPoint p, Qt::KeyboardModifiers keys, int moveState, int zoomState) {
  if (!QRect(frame.left, frame.top, frame.width, frame.height).contains(p)) return;
  const bool zoom = keys.testFlag(Qt::ControlModifier);
  dragState_ = zoom ? zoomState : moveState;
  grab_ = {p.x() - frame.left, p.y() - frame.top};
  view_->setCursor(zoom ? QCursor(Qt::SizeAllCursor) : cursors_(kCursorHandGrab));
}

void TFormAdjust::ViewMove(QPoint p, Qt::MouseButtons buttons) {
  const QPoint delta = p - last_;
  last_ = p;
  if (dragState_ == 0) {
    HoverCursor(p);
    return;
  }
  if (dragState_ == 1) FaceMove(p);
  if (dragState_ >= 4 && dragState_ <= 6) MarkersMove(p, buttons, delta);
  if (dragState_ == 2 || dragState_ == 3) FrameMove(handFrame_, p, delta, dragState_ == 3);
  if (dragState_ == 7 || dragState_ == 8) FrameMove(bodyFrame_, p, delta, dragState_ == 8);
  Redraw();
}

void TFormAdjust::FaceMove(QPoint p) {
  const int x = p.x(), y = p.y();
  switch (faceDrag_) {
    case FaceDrag::EyeLine:
      if (y > 0 && y < viewHeight_ && x > 0 && x < viewWidth_) lines_.eyeY = y;
      break;
    case FaceDrag::LeftLine:
    case FaceDrag::RightLine: {
      const bool left = faceDrag_ == FaceDrag::LeftLine;
      if (left && x > 0 && x < lines_.rightEyeX) lines_.leftEyeX = x;
      if (!left && x > lines_.leftEyeX && x < viewWidth_) lines_.rightEyeX = x;
      faceBox_ = PlaceFaceBox(lines_, viewWidth_, viewHeight_, faceBox_.top);
      faceBoxShown_ = faceBox_.height < viewHeight_;
      break;
    }
    case FaceDrag::Box:
      if (y > 0 && y < viewHeight_) faceBox_.top = y - grab_.y();
      break;
    case FaceDrag::None:
      break;
  }
}

void TFormAdjust::MarkersMove(QPoint p, Qt::MouseButtons buttons, QPoint delta) {
  NailMarker& m = markers_[activeMark_ - 1];
  if (dragState_ == 4) m = MoveMarker(m, {p.x(), p.y()}, {grab_.x(), grab_.y()}, viewWidth_, viewHeight_);
  if (dragState_ == 5) m = StretchMarker(m, delta.x(), delta.y(), buttons.testFlag(Qt::RightButton));
  if (dragState_ == 6) m = TurnMarker(m, delta.x());
}

void TFormAdjust::FrameMove(ZoomFrame& frame, QPoint p, QPoint delta, bool zoom) {
  frame = zoom ? ZoomFrameBy(frame, delta.x(), viewWidth_, viewHeight_)
               : MoveFrame(frame, p.x() - grab_.x(), p.y() - grab_.y(), viewWidth_, viewHeight_);
}

void TFormAdjust::ViewRelease(QPoint p, Qt::MouseButton button) {
  if (kind_ == SourceKind::Face) FaceRelease(p, button);
  dragState_ = 0;
  faceDrag_ = FaceDrag::None;
  HoverCursor(p);
  Redraw();
}

// A click without a drag puts the left line (left button) or the right line
// (right button) and the eye line at the point.
void TFormAdjust::FaceRelease(QPoint p, Qt::MouseButton button) {
  const bool inside = p.x() >= 0 && p.x() < viewWidth_ && p.y() >= 0 && p.y() < viewHeight_;
  if (p == press_ && inside && faceDrag_ == FaceDrag::None) {
    const bool left = button == Qt::LeftButton && p.x() < lines_.rightEyeX;
    const bool right = button == Qt::RightButton && p.x() > lines_.leftEyeX;
    if (left) lines_.leftEyeX = p.x();
    if (right) lines_.rightEyeX = p.x();
    if (left || right) {
      lines_.eyeY = p.y();
      faceBoxShown_ = FaceBoxShown(lines_);
      PlaceBoxOnEyeLine();
    }
  }
  eyeOffset_ = EyeOffset(lines_, faceBox_);
}

void TFormAdjust::HoverCursor(QPoint p) {
  switch (kind_) {
    case SourceKind::Face:
      if (Near(p.y(), lines_.eyeY) && p.x() >= 1 && p.x() < viewWidth_)
        view_->setCursor(cursors_(kCursorEyeLines));
      else if (Near(p.x(), lines_.leftEyeX) || Near(p.x(), lines_.rightEyeX))
        view_->setCursor(Qt::SplitHCursor);
      else if (faceBoxShown_ && QRect(faceBox_.left, faceBox_.top, faceBox_.width, faceBox_.height).contains(p))
        view_->setCursor(cursors_(kCursorHandFlat));
      else
        view_->setCursor(cursors_(kCursorEye));
      break;
    case SourceKind::Hand: {
      const int mark = MarkerAt(markers_, {p.x(), p.y()});
      const bool inFrame = QRect(handFrame_.left, handFrame_.top, handFrame_.width, handFrame_.height).contains(p);
      view_->setCursor(mark || inFrame ? cursors_(kCursorHandFlat) : QCursor());
      if (mark != activeMark_) {
        activeMark_ = mark;
        Redraw();
      }
      break;
    }
    case SourceKind::Body: {
      const bool inFrame = QRect(bodyFrame_.left, bodyFrame_.top, bodyFrame_.width, bodyFrame_.height).contains(p);
      view_->setCursor(inFrame ? cursors_(kCursorHandFlat) : QCursor());
      break;
    }
  }
}

}  // namespace lumena
