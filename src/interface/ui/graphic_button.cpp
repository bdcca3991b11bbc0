#include "interface/ui/graphic_button.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <stdexcept>
#include <vector>

#include "images/ui/qt_picture.h"
#include "interface/ui/picture_control.h"

namespace lumena {

TGraphicButton::TGraphicButton(QWidget* parent, const QString& name) : QWidget(parent), Resource([this] { update(); }) {
  setObjectName(name);
  resize(32, 32);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGraphicButton::SetTransparency(int32_t value) {
  if (value < 0 || value > 100)
    throw std::out_of_range("Trasparency value (" + std::to_string(value) + ") is out of range [0..100]");
  transparency_ = value;
  update();
}

void TGraphicButton::SetActiveAlpha(int32_t value) { activeAlpha_ = std::clamp(value, 0, 255); }

void TGraphicButton::SetPressed(bool pressed) {
  if (pressed == pressed_) return;
  pressed_ = pressed;
  if (pressed)
    ShowCell(Resource.AutoPressed);
  else
    ShowCell(rect().contains(mapFromGlobal(QCursor::pos())) ? Resource.AutoEnter : Resource.AutoNormal);
  update();
}

void TGraphicButton::CopyInPlace(const TGraphicButton& other) {
  const QRect bounds = geometry();
  AssignFrom(other);
  setGeometry(bounds);
}

void TGraphicButton::AssignFrom(const TGraphicButton& other) {
  setGeometry(other.geometry());
  setEnabled(other.isEnabled());
  setFont(other.font());
  setCursor(other.cursor());
  setToolTip(other.toolTip());
  setVisible(other.isVisibleTo(other.parentWidget()));
  Link = other.Link;
  Tag = other.Tag;
  pressed_ = other.pressed_;
  transparency_ = other.transparency_;
  activeAlpha_ = other.activeAlpha_;
  OnClick = other.OnClick;
  OnDblClick = other.OnDblClick;
  OnMouseEnter = other.OnMouseEnter;
  OnMouseLeave = other.OnMouseLeave;
  OnMouseDown = other.OnMouseDown;
  OnMouseMove = other.OnMouseMove;
  OnMouseUp = other.OnMouseUp;
  OnPaint = other.OnPaint;
  Resource.AssignFrom(other.Resource);
}

bool TGraphicButton::IsOverActiveArea(QPoint point) const {
  const Picture* picture = Resource.GetPicture();
  if (!rect().contains(point) || !picture) return false;
  const int x = Resource.CellLeft(width()) + point.x();
  const int y = Resource.CellTop(height()) + point.y();
  if (x < 0 || y < 0 || x >= picture->Width() || y >= picture->Height()) return false;
  return activeAlpha_ < 0 || picture->At(x, y).a >= activeAlpha_;
}

void TGraphicButton::ShowCell(int32_t cell) {
  if (cell >= 0) Resource.SetIndex(cell);
}

bool TGraphicButton::NeedsBlending() const { return Resource.Color != kNoRecolour || transparency_ != 0; }

// What lies beneath the button: from its window down to its parent, each
// holder's own background and the controls that stand before the next one.
const Picture& TGraphicButton::Background() {
  if (!background_.Empty() || width() <= 0 || height() <= 0) return background_;
  QImage image(size(), QImage::Format_ARGB32);
  image.fill(Qt::black);
  std::vector<QWidget*> path;
  for (QWidget* w = this; w && !w->isWindow(); w = w->parentWidget()) path.push_back(w);
  QWidget* holder = window();
  for (auto next = path.rbegin(); next != path.rend() && holder != this; holder = *next++) {
    const QRect mine(mapTo(holder, QPoint()), size());
    // Only the window fills its background; a panel's own would hide it.
    holder->render(&image, QPoint(), QRegion(mine),
                   holder->isWindow() ? QWidget::DrawWindowBackground : QWidget::RenderFlags());
    for (QObject* child : holder->children()) {
      if (child == *next) break;
      auto* sibling = qobject_cast<QWidget*>(child);
      if (!sibling || !sibling->isVisible() || sibling->isWindow() || !sibling->geometry().intersects(mine)) continue;
      sibling->render(&image, sibling->pos() - mine.topLeft(), QRegion(), QWidget::DrawChildren);
    }
  }
  background_ = FromQImage(image);
  return background_;
}

Picture TGraphicButton::CutCurrentCell() const {
  const Picture* picture = Resource.GetPicture();
  const int w = Resource.CellWidth(width()), h = Resource.CellHeight(height());
  Picture cell;
  if (picture) {
    const int32_t index = !isEnabled() && Resource.AutoDisabled >= 0 ? Resource.AutoDisabled : Resource.Index;
    const int cols = std::max(Resource.Cols, 1);
    cell = Picture(width(), height());
    PastePicture(cell, CutCell(*picture, Resource.Left + (index % cols) * w, Resource.Top + (index / cols) * h, w, h),
                 {0, 0});
  } else {
    cell = Picture(width(), height());
    const QColor fill = palette().color(QPalette::Button);
    for (Pixel& p : cell.Pixels())
      p = {static_cast<uint8_t>(fill.blue()), static_cast<uint8_t>(fill.green()), static_cast<uint8_t>(fill.red()),
           255};
  }
  if (Resource.Color != kNoRecolour) Recolour(cell, Resource.Color);
  return cell;
}

Picture TGraphicButton::RenderOutput() {
  return RenderOver(NeedsBlending() ? Background() : Picture(width(), height()));
}

Picture TGraphicButton::RenderOver(Picture output) const {
  const Picture cell = CutCurrentCell();
  if (!NeedsBlending())
    CopyOpaque(output, cell);
  else
    BlendCell(output, cell, transparency_);
  if (OnPaint) OnPaint(output);
  return output;
}

void TGraphicButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, ToQImage(RenderOutput()));
}

void TGraphicButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && IsOverActiveArea(event->position().toPoint())) {
    held_ = true;
    if (!pressed_) ShowCell(Resource.AutoPressed);
  }
  if (OnMouseDown) OnMouseDown(event);
}

void TGraphicButton::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  const bool moved = lastMouse_ != point;
  lastMouse_ = point;
  if (moved && Resource.GetPicture() && rect().contains(point) && !pressed_) {
    if (IsOverActiveArea(point))
      ShowCell(held_ ? Resource.AutoPressed : Resource.AutoEnter);
    else if (!held_)
      ShowCell(Resource.AutoNormal);
  }
  if (OnMouseMove) OnMouseMove(event);
}

void TGraphicButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint point = event->position().toPoint();
  const bool wasHeld = held_;
  held_ = false;
  const bool over = IsOverActiveArea(point);
  if (!pressed_ && rect().contains(point))
    ShowCell(Resource.AutoEnter >= 0 && over ? Resource.AutoEnter : Resource.AutoNormal);
  if (OnMouseUp) OnMouseUp(event);
  if (wasHeld && over && OnClick) OnClick();
}

void TGraphicButton::mouseDoubleClickEvent(QMouseEvent* event) {
  if (OnDblClick && IsOverActiveArea(event->position().toPoint()))
    OnDblClick();
  else
    mousePressEvent(event);
}

void TGraphicButton::enterEvent(QEnterEvent*) {
  if (OnMouseEnter) OnMouseEnter();
}

void TGraphicButton::leaveEvent(QEvent*) {
  lastMouse_.reset();
  if (!pressed_ && Resource.AutoLeave >= 0) {
    ShowCell(Resource.AutoLeave);
    repaint();
  }
  if (OnMouseLeave) OnMouseLeave();
}

void TGraphicButton::moveEvent(QMoveEvent*) { InvalidateBackground(); }
void TGraphicButton::resizeEvent(QResizeEvent*) { InvalidateBackground(); }

void TGraphicButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) update();
  QWidget::changeEvent(event);
}

bool TGraphicButton::ApplyInterfaceParam(std::string_view name, std::string_view, std::optional<int> number) {
  if (!number) return false;
  if (name == "RESLEFT")
    Resource.Left = *number;
  else if (name == "RESTOP")
    Resource.Top = *number;
  else if (name == "RESWIDTH")
    Resource.Width = *number;
  else if (name == "RESHEIGHT")
    Resource.Height = *number;
  else if (name == "ACTIVEALPHA")
    SetActiveAlpha(*number);
  else if (name == "TAG")
    Tag = *number;
  else
    return false;
  Resource.Changed();
  return true;
}

void TGraphicButton::AfterInterfaceApplied() {
  Resource.Width = width();
  Resource.Height = height();
  Resource.Changed();
}

}  // namespace lumena
