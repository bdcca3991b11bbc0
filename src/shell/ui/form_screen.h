#pragma once
// The black backdrop that covers the screen. It is the first window made and
// the application's main window: closing it ends the program.
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace lumena {

// Black, borderless: the backdrop and the intro's video window.
void MakeBlackAndBorderless(QWidget* window);

class TFormScreen : public QWidget {
  Q_OBJECT

 public:
  TFormScreen();

  QLabel* IntroImage;
  QTimer* IntroTimer;

  bool IntroSkipped() const { return introSkipped_; }
  void ClearIntroSkip() { introSkipped_ = false; }
  void SetIntroSkip() { introSkipped_ = true; }

  // What a click on the backdrop does (the intro routes it); empty: nothing.
  std::function<void()> clickHandler;
  // Asked before the backdrop closes; false keeps the program running.
  std::function<bool()> closeHandler;
  // Key handlers taken from the main window, so shortcuts work here too.
  std::function<void(QKeyEvent*)> keyDownHandler;
  std::function<void(QKeyEvent*)> keyUpHandler;

 public slots:
  void ImageClick();
  void TimerTick();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool introSkipped_ = false;
};

}  // namespace lumena
