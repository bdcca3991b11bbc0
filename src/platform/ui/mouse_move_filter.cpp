#include "platform/ui/mouse_move_filter.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace lumena {
namespace {

const QEvent::Type kFlushEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

bool IsOtherMouseEvent(QEvent::Type type) {
  return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::MouseButtonDblClick || type == QEvent::Wheel;
}

}  // namespace

MouseMoveFilter::MouseMoveFilter(QWidget* watched) : QObject(watched), watched_(watched) {
  watched_->installEventFilter(this);
}

MouseMoveFilter::~MouseMoveFilter() = default;

void MouseMoveFilter::DropPending() {
  if (pending_) ++dropped_;
  pending_.reset();
}

bool MouseMoveFilter::eventFilter(QObject* watched, QEvent* event) {
  if (watched != watched_ || delivering_) return false;
  if (event->type() == QEvent::MouseMove) {
    DropPending();
    pending_.reset(static_cast<QMouseEvent*>(event->clone()));
    if (!flushPosted_) {
      // Posted at low priority: delivered once the queue ahead of it is done.
      QCoreApplication::postEvent(this, std::make_unique<QEvent>(kFlushEvent).release(), Qt::LowEventPriority);
      flushPosted_ = true;
    }
    return true;
  }
  if (IsOtherMouseEvent(event->type())) DeliverPending();
  return false;
}

void MouseMoveFilter::customEvent(QEvent* event) {
  if (event->type() != kFlushEvent) return;
  flushPosted_ = false;
  DeliverPending();
}

void MouseMoveFilter::DeliverPending() {
  if (!pending_) return;
  const std::unique_ptr<QMouseEvent> move = std::move(pending_);
  delivering_ = true;
  QCoreApplication::sendEvent(watched_, move.get());
  delivering_ = false;
}

void DropQueuedMouseMessages(QWidget* window, QEvent::Type kind) {
  QCoreApplication::removePostedEvents(window, kind);
  if (kind != QEvent::MouseMove) return;
  if (auto* filter = window->findChild<MouseMoveFilter*>(QString(), Qt::FindDirectChildrenOnly)) filter->DropPending();
}

}  // namespace lumena
