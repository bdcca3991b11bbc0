#include "shell/ui/form_screen.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace lumena {

void MakeBlackAndBorderless(QWidget* window) {
  window->setWindowFlag(Qt::FramelessWindowHint);
  window->setAutoFillBackground(true);
  QPalette black = window->palette();
  black.setColor(QPalette::Window, Qt::black);
  window->setPalette(black);
}

TFormScreen::TFormScreen() : IntroImage(new QLabel(this)), IntroTimer(new QTimer(this)) {
  setObjectName("FormScreen");
  MakeBlackAndBorderless(this);
  IntroImage->setObjectName("IntroImage");
  IntroImage->hide();
  IntroImage->installEventFilter(this);
  IntroTimer->setSingleShot(false);
  connect(IntroTimer, &QTimer::timeout, this, &TFormScreen::TimerTick);
}

void TFormScreen::ImageClick() { introSkipped_ = true; }

void TFormScreen::TimerTick() { IntroTimer->stop(); }

void TFormScreen::mousePressEvent(QMouseEvent* event) {
  if (clickHandler) clickHandler();
  QWidget::mousePressEvent(event);
}

bool TFormScreen::eventFilter(QObject* watched, QEvent* event) {
  if (watched == IntroImage && event->type() == QEvent::MouseButtonPress) ImageClick();
  return QWidget::eventFilter(watched, event);
}

void TFormScreen::keyPressEvent(QKeyEvent* event) {
  introSkipped_ = true;
  if (keyDownHandler) keyDownHandler(event);
}

void TFormScreen::keyReleaseEvent(QKeyEvent* event) {
  if (keyUpHandler) keyUpHandler(event);
}

void TFormScreen::closeEvent(QCloseEvent* event) {
  if (closeHandler && !closeHandler()) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace lumena
