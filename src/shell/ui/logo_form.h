#pragma once
// Plays one intro video centred on a black screen-sized window.
#include <QWidget>

class QMediaPlayer;
class QVideoWidget;

namespace lumena {

class TLogoForm : public QWidget {
  Q_OBJECT

 public:
  // width and height: the size the video is shown at.
  TLogoForm(const QString& file, int width, int height);
  ~TLogoForm() override;

  // Plays the video to its end, or until a click or key; true when skipped.
  bool PlayToEnd();
  void Stop();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 signals:
  void Finished();

 private:
  QMediaPlayer* VideoBegin_;
  QVideoWidget* display_;
  QString file_;
  QSize size_;
  bool skipped_ = false;
};

}  // namespace lumena
