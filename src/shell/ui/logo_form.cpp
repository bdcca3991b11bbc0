#include "shell/ui/logo_form.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QMediaPlayer>
#include <QScreen>
#include <QUrl>
#include <QVideoWidget>

#include "shell/ui/form_screen.h"

namespace lumena {

TLogoForm::TLogoForm(const QString& file, int width, int height)
    : VideoBegin(new QMediaPlayer(this)), display_(new QVideoWidget(this)), file_(file), size_(width, height) {
  setObjectName("LogoForm");
  MakeBlackAndBorderless(this);
  setGeometry(QGuiApplication::primaryScreen()->geometry());
  display_->setAttribute(Qt::WA_TransparentForMouseEvents);
  VideoBegin->setVideoOutput(display_);
  connect(VideoBegin, &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState state) {
    if (state == QMediaPlayer::StoppedState) emit finished();
  });
  connect(VideoBegin, &QMediaPlayer::errorOccurred, this, &TLogoForm::finished);
}

TLogoForm::~TLogoForm() { VideoBegin->stop(); }

void TLogoForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  display_->setGeometry((width() - size_.width()) / 2, (height() - size_.height()) / 2, size_.width(),
                        size_.height());
  grabMouse();
  VideoBegin->setSource(QUrl::fromLocalFile(file_));
  VideoBegin->play();
}

bool TLogoForm::playToEnd() {
  QEventLoop loop;
  connect(this, &TLogoForm::finished, &loop, &QEventLoop::quit);
  showFullScreen();
  if (VideoBegin->error() == QMediaPlayer::NoError && VideoBegin->playbackState() != QMediaPlayer::StoppedState)
    loop.exec();
  releaseMouse();
  hide();
  return skipped_;
}

void TLogoForm::stop() {
  skipped_ = true;
  VideoBegin->stop();
  emit finished();
}

void TLogoForm::mousePressEvent(QMouseEvent*) { stop(); }
void TLogoForm::keyPressEvent(QKeyEvent*) { stop(); }

}  // namespace lumena
