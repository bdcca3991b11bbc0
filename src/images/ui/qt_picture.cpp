#include "images/ui/qt_picture.h"

#include <cstring>

namespace lumena {

QImage ToQImage(const Picture& picture) {
  QImage image(picture.Width(), picture.Height(), QImage::Format_ARGB32);
  for (int y = 0; y < picture.Height(); ++y)
    std::memcpy(image.scanLine(y), picture.Row(y).data(), static_cast<size_t>(picture.Width()) * 4);
  return image;
}

Picture FromQImage(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  Picture picture(argb.width(), argb.height());
  for (int y = 0; y < argb.height(); ++y)
    std::memcpy(picture.Row(y).data(), argb.constScanLine(y), static_cast<size_t>(argb.width()) * 4);
  return picture;
}

}  // namespace lumena
