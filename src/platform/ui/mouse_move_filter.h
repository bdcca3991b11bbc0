#pragma once
// Slow operations on the work desk must not fall behind the mouse: of the
// mouse moves queued for a widget only the newest is processed.
#include <QEvent>
#include <QObject>
#include <memory>

class QMouseEvent;
class QWidget;

namespace lumena {

// Holds each mouse move sent to the watched widget back until the event
// loop has delivered what was queued before it; a newer move replaces the
// held one. Any other mouse event delivers the held move first, so the
// order of presses, releases and moves is kept. Owned by the widget.
class MouseMoveFilter : public QObject {
  Q_OBJECT

 public:
  explicit MouseMoveFilter(QWidget* watched);
  ~MouseMoveFilter() override;

  // Forgets the held move without delivering it.
  void DropPending();
  // Moves replaced or dropped so far.
  int DroppedMoves() const { return dropped_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void customEvent(QEvent* event) override;

 private:
  void DeliverPending();

  QWidget* watched_;
  std::unique_ptr<QMouseEvent> pending_;
  bool flushPosted_ = false;
  bool delivering_ = false;
  int dropped_ = 0;
};

// Removes the queued mouse events of one kind for the window, the move its
// MouseMoveFilter holds included; the window's other queued events stay, in
// their order. The work desk calls it with QEvent::MouseMove.
void DropQueuedMouseMessages(QWidget* window, QEvent::Type kind);

}  // namespace lumena
