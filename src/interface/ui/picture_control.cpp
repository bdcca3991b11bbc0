#include "interface/ui/picture_control.h"

#include <QPainter>
#include <algorithm>

#include "images/ui/qt_picture.h"
#include "interface/ui/graphic_resource.h"

namespace lumena {

TPictureControl::TPictureControl(QWidget* parent, const QString& name) : QWidget(parent) {
  setObjectName(name);
  hide();
}

TPictureControl::~TPictureControl() { TPictureChangeNotifier::Instance().ControlDestroyed(this); }

void TPictureControl::SetPicture(Picture picture) {
  picture_ = std::move(picture);
  TPictureChangeNotifier::Instance().PictureChanged(this);
  update();
}

void TPictureControl::ClearPicture() {
  if (picture_.Empty()) return;
  SetPicture(Picture());
}

void TPictureControl::paintEvent(QPaintEvent*) {
  if (picture_.Empty()) return;
  QPainter(this).drawImage(0, 0, ToQImage(picture_));
}

TPictureChangeNotifier& TPictureChangeNotifier::Instance() {
  static TPictureChangeNotifier notifier;
  return notifier;
}

void TPictureChangeNotifier::Add(TGraphicResource* resource) { resources_.push_back(resource); }

void TPictureChangeNotifier::Remove(TGraphicResource* resource) { std::erase(resources_, resource); }

void TPictureChangeNotifier::PictureChanged(const TPictureControl* control) {
  for (TGraphicResource* r : resources_)
    if (r->Image() == control) r->Changed();
}

void TPictureChangeNotifier::ControlDestroyed(const TPictureControl* control) {
  for (TGraphicResource* r : resources_)
    if (r->Image() == control) r->SetImage(nullptr);
}

}  // namespace lumena
