#include "shell/ui/intro_player.h"

#include <QApplication>
#include <QEventLoop>
#include <QPixmap>

#include "images/library_picture.h"
#include "images/ui/qt_picture.h"
#include "shell/ui/form_screen.h"
#include "shell/ui/logo_form.h"

namespace lumena {

namespace {

void PlayVideo(TFormScreen& screen, const IntroEntry& entry) {
  TLogoForm logo(QString::fromStdString(entry.file.string()), entry.width, entry.height);
  screen.clickHandler = [&logo] { logo.Stop(); };
  if (logo.PlayToEnd()) screen.SetIntroSkip();
  screen.clickHandler = nullptr;
}

void ShowPicture(TFormScreen& screen, const IntroEntry& entry) {
  Picture picture;
  if (LoadPictureThroughLibrary(picture, entry.file) == 1 && !picture.Empty()) {
    screen.clickHandler = [&screen] { screen.ImageClick(); };
    const QPixmap pixmap = QPixmap::fromImage(ToQImage(picture));
    screen.IntroImage->setPixmap(pixmap);
    screen.IntroImage->setGeometry((screen.width() - pixmap.width()) / 2, (screen.height() - pixmap.height()) / 2,
                                   pixmap.width(), pixmap.height());
    screen.IntroImage->show();
    screen.IntroTimer->start(entry.milliseconds);
    while (screen.IntroTimer->isActive() && !screen.IntroSkipped())
      QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    screen.clickHandler = nullptr;
  }
  screen.IntroTimer->stop();
  screen.IntroImage->hide();
  screen.IntroImage->clear();
  QApplication::processEvents();
}

}  // namespace

void PlayIntro(TFormScreen& screen, const std::vector<IntroEntry>& entries) {
  screen.ClearIntroSkip();
  for (const IntroEntry& entry : entries) {
    if (screen.IntroSkipped()) break;
    if (entry.kind == IntroEntry::Kind::Video)
      PlayVideo(screen, entry);
    else
      ShowPicture(screen, entry);
  }
}

}  // namespace lumena
