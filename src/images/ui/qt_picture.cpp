#include "images/ui/qt_picture.h"

#include <cstring>

namespace lumena {

QImage toQImage(const Picture& picture) {
  QImage image(picture.width(), picture.height(), QImage::Format_ARGB32);
  for (int y = 0; y < picture.height(); ++y)
    std::memcpy(image.scanLine(y), picture.row(y).data(), static_cast<size_t>(picture.width()) * 4);
  return image;
}

Picture fromQImage(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  Picture picture(argb.width(), argb.height());
  for (int y = 0; y < argb.height(); ++y)
    std::memcpy(picture.row(y).data(), argb.constScanLine(y), static_cast<size_t>(argb.width()) * 4);
  return picture;
}

}  // namespace lumena
