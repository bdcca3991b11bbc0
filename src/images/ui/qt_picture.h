#pragma once
// Pictures cross to Qt as QImage::Format_ARGB32, whose memory layout on a
// little-endian machine is our blue, green, red, opacity byte order.
#include <QImage>

#include "images/picture.h"

namespace lumena {

QImage toQImage(const Picture& picture);
Picture fromQImage(const QImage& image);

}  // namespace lumena
