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
    : VideoBegin_(new QMediaPlayer(this)), display_(new QVideoWidget(this)), file_(file), size_(width, height) {
  setObjectName("LogoForm");
  MakeBlackAndBorderless(this);
  setGeometry(QGuiApplication::primaryScreen()->geometry());
  display_->setAttribute(Qt::WA_TransparentForMouseEvents);
  VideoBegin_->setVideoOutput(display_);
  connect(VideoBegin_, &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState state) {
    if (state == QMediaPlayer::StoppedState) emit Finished();
  });
  connect(VideoBegin_, &QMediaPlayer::errorOccurred, this, &TLogoForm::Finished);
}

TLogoForm::~TLogoForm() { VideoBegin_->stop(); }

void TLogoForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  display_->setGeometry((width() - size_.width()) / 2, (height() - size_.height()) / 2, size_.width(), size_.height());
  grabMouse();
  VideoBegin_->setSource(QUrl::fromLocalFile(file_));
  VideoBegin_->play();
}

bool TLogoForm::PlayToEnd() {
  QEventLoop loop;
  connect(this, &TLogoForm::Finished, &loop, &QEventLoop::quit);
  showFullScreen();
  if (VideoBegin_->error() == QMediaPlayer::NoError && VideoBegin_->playbackState() != QMediaPlayer::StoppedState)
    loop.exec();
  releaseMouse();
  hide();
  return skipped_;
}

void TLogoForm::Stop() {
  skipped_ = true;
  VideoBegin_->stop();
  emit Finished();
}

void TLogoForm::mousePressEvent(QMouseEvent*) { Stop(); }
void TLogoForm::keyPressEvent(QKeyEvent*) { Stop(); }

}  // namespace lumena
