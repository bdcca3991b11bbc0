#include "editing/ui/form_montage.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "interface/interface_context.h"
#include "interface/ui/skinned_form.h"
#include "interface/ui/window_services.h"
#include "platform/ui/qt_text.h"

namespace lumena {

namespace {

PointerKeys KeysOf(Qt::KeyboardModifiers m) {
  return {m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::ControlModifier), m.testFlag(Qt::AltModifier)};
}

PointerButton ButtonOf(Qt::MouseButton b) {
  return b == Qt::RightButton    ? PointerButton::Right
         : b == Qt::MiddleButton ? PointerButton::Middle
                                 : PointerButton::Left;
}

Point At(const QMouseEvent* e) { return {e->position().toPoint().x(), e->position().toPoint().y()}; }

}  // namespace

TFormMontage::TFormMontage(QWidget* mainWindow, EditingSession& session, CursorLookup cursors)
    : QWidget(mainWindow), session_(session), pointer_(session), cursors_(std::move(cursors)) {
  setObjectName("FormMontage");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
  Place();
}

void TFormMontage::Place() {
  const DeskGeometry& g = session_.Desk().Geometry();
  setGeometry(g.windowX, g.windowY, g.windowWidth, g.windowHeight);
}

void TFormMontage::ShowArea(const Rect& area) {
  // The frame's edges lie on the area's border: one pixel more each side.
  update(QRect(area.left - 1, area.top - 1, static_cast<int>(area.Width()) + 2, static_cast<int>(area.Height()) + 2));
}

void TFormMontage::ShowCursor(DeskCursor cursor) { setCursor(cursors_(cursor)); }

void TFormMontage::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const Picture& shown = session_.Desk().DeskImage();
  const QRect area = event->rect();
  if (shown.Empty()) {
    painter.fillRect(area, Qt::white);
    return;
  }
  const QImage image(shown.Bytes(), shown.Width(), shown.Height(), shown.Width() * 4, QImage::Format_ARGB32);
  painter.drawImage(area.topLeft(), image, area);
  PaintFrame(painter, area);
}

void TFormMontage::PaintFrame(QPainter& painter, const QRect& area) const {
  const auto frame = session_.Desk().ActiveFrameToDraw();
  if (!frame) return;
  painter.setClipRect(area);
  const Rect& r = frame->area;
  const int right = r.right - 1, bottom = r.bottom - 1;
  painter.setPen(QColor(159, 159, 159));
  if (frame->top) painter.drawLine(r.left, r.top, right, r.top);
  if (frame->left) painter.drawLine(r.left, r.top, r.left, bottom);
  painter.setPen(Qt::black);
  if (frame->bottom) painter.drawLine(r.left, bottom, right, bottom);
  if (frame->right) painter.drawLine(right, r.top, right, bottom);
}

void TFormMontage::mousePressEvent(QMouseEvent* event) {
  pointer_.Press(At(event), ButtonOf(event->button()), KeysOf(event->modifiers()));
  ShowCursor(pointer_.Cursor());
}

void TFormMontage::mouseMoveEvent(QMouseEvent* event) {
  const Qt::MouseButtons held = event->buttons();
  pointer_.Move(At(event), held.testFlag(Qt::LeftButton), held != Qt::NoButton, KeysOf(event->modifiers()));
  ShowCursor(pointer_.Cursor());
}

void TFormMontage::mouseReleaseEvent(QMouseEvent* event) {
  pointer_.Release(At(event), ButtonOf(event->button()), KeysOf(event->modifiers()));
  ShowCursor(pointer_.Cursor());
  if (const auto target = pointer_.TakePopupTarget()) OpenPopup(*target, event->globalPosition().toPoint());
}

void TFormMontage::OpenPopup(int target, const QPoint& at) {
  TWorkDesk& desk = session_.Desk();
  const int count = desk.Count();
  QMenu menu(this);
  const auto item = [&](const char* name, const char* key, const char* text, bool shown, std::function<void()> act) {
    if (!shown) return;
    QAction* action = menu.addAction(ToQString(GetTermin(key, text)));
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, std::move(act));
  };
  const bool visible = desk.Layer(target).Visible();
  item("PopupLayerMoveTop", "PopupLayerMoveTopHint", "Bring to front", target > 0,
       [&desk, target] { desk.MoveLayer(target, 0); });
  item("PopupLayerMoveBottom", "PopupLayerMoveBottomHint", "Send to back", target < count - 1,
       [&desk, target, count] { desk.MoveLayer(target, count - 1); });
  item("PopupLayerDelete", "PopupLayerDeleteHint", "Delete", true, [this, target] { session_.DeleteLayerAt(target); });
  item("PopupLayerHide", "PopupLayerHideHint", "Hide", visible, [&desk, target] { desk.ToggleVisible(target); });
  item("PopupLayerShow", "PopupLayerShowHint", "Show", !visible, [&desk, target] { desk.ToggleVisible(target); });
  menu.exec(at);
}

void TFormMontage::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) return;
  if (TSkinnedForm* main = TSkinnedForm::MainForm()) main->MainKeyDown(event);
}

// F1 opens the desk's own help page; every other key is the main window's.
void TFormMontage::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    if (Services().showHelp) Services().showHelp("FormMontage");
    return;
  }
  if (TSkinnedForm* main = TSkinnedForm::MainForm()) main->MainKeyUp(event);
}

}  // namespace lumena
