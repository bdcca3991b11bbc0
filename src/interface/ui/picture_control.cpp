#include "interface/ui/picture_control.h"

#include <QPainter>
#include <algorithm>

#include "interface/ui/graphic_resource.h"
#include "images/ui/qt_picture.h"

namespace lumena {

TPictureControl::TPictureControl(QWidget* parent, const QString& name) : QWidget(parent) {
  setObjectName(name);
  hide();
}

TPictureControl::~TPictureControl() { TPictureChangeNotifier::instance().controlDestroyed(this); }

void TPictureControl::setPicture(Picture picture) {
  picture_ = std::move(picture);
  TPictureChangeNotifier::instance().pictureChanged(this);
  update();
}

void TPictureControl::clearPicture() {
  if (picture_.empty()) return;
  setPicture(Picture());
}

void TPictureControl::paintEvent(QPaintEvent*) {
  if (picture_.empty()) return;
  QPainter(this).drawImage(0, 0, toQImage(picture_));
}

TPictureChangeNotifier& TPictureChangeNotifier::instance() {
  static TPictureChangeNotifier notifier;
  return notifier;
}

void TPictureChangeNotifier::add(TGraphicResource* resource) { resources_.push_back(resource); }

void TPictureChangeNotifier::remove(TGraphicResource* resource) { std::erase(resources_, resource); }

void TPictureChangeNotifier::pictureChanged(const TPictureControl* control) {
  for (TGraphicResource* r : resources_)
    if (r->Image() == control) r->changed();
}

void TPictureChangeNotifier::controlDestroyed(const TPictureControl* control) {
  for (TGraphicResource* r : resources_)
    if (r->Image() == control) r->SetImage(nullptr);
}

}  // namespace lumena
