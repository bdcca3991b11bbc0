#pragma once
// Pictures cross to Qt as QImage::Format_ARGB32, whose memory layout on a
// little-endian machine is our blue, green, red, opacity byte order.
#include <QImage>

#include "images/picture.h"

namespace lumena {

QImage ToQImage(const Picture& picture);
Picture FromQImage(const QImage& image);

}  // namespace lumena
