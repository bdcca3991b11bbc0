#pragma once
// The work desk's window on the main window: shows the composed desk
// picture with the active layer's frame, and hands the mouse to the desk
// pointer and the keys to the main window.
#include <QCursor>
#include <QWidget>
#include <functional>

#include "editing/desk_pointer.h"
#include "editing/editing_session.h"

namespace lumena {

class TFormMontage : public QWidget {
  Q_OBJECT

 public:
  using CursorLookup = std::function<QCursor(DeskCursor)>;
  TFormMontage(QWidget* mainWindow, EditingSession& session, CursorLookup cursors);

  DeskPointer& Pointer() { return pointer_; }
  // Placed and sized as the desk geometry says.
  void Place();
  // A window area the desk composed again.
  void ShowArea(const Rect& area);
  void ShowCursor(DeskCursor cursor);
  // The layer menu on a layer at a screen point (the layers list opens it too).
  void OpenPopup(int target, const QPoint& at);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void PaintFrame(QPainter& painter, const QRect& area) const;

  EditingSession& session_;
  DeskPointer pointer_;
  CursorLookup cursors_;
};

}  // namespace lumena
