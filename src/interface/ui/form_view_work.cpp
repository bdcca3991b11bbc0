#include "interface/ui/form_view_work.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "images/ui/qt_picture.h"

namespace lumena {

TFormViewWork::TFormViewWork(QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ImageChecking(new QLabel(this)) {
  setObjectName("FormViewWork");
  setWindowTitle(QString());
  ImageChecking->setObjectName("ImageChecking");
  resize(399, 303);
  ImageChecking->setGeometry(rect());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) move(screen->geometry().center() - rect().center());
}

void TFormViewWork::ShowPicture(const Picture& picture) {
  ImageChecking->setPixmap(QPixmap::fromImage(ToQImage(picture)));
  resize(picture.Width(), picture.Height());
  ImageChecking->setGeometry(rect());
  exec();
}

void TFormViewWork::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && isVisible()) close();
}

void TFormViewWork::EmptyPicture() { ImageChecking->setPixmap(QPixmap()); }

void TFormViewWork::closeEvent(QCloseEvent* event) {
  EmptyPicture();
  QDialog::closeEvent(event);
}

void TFormViewWork::done(int result) {
  EmptyPicture();
  QDialog::done(result);
}

}  // namespace lumena
