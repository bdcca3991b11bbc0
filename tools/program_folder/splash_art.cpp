#include "splash_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace lumena::tools {

QImage DrawSplash() {
  QImage image(520, 300, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient background(0, 0, 0, image.height());
  background.setColorAt(0, QColor(34, 28, 46));
  background.setColorAt(1, QColor(10, 8, 16));
  p.fillRect(image.rect(), background);
  QRadialGradient glow(QPointF(260, 130), 170);
  glow.setColorAt(0, QColor(212, 175, 55, 90));
  glow.setColorAt(1, QColor(212, 175, 55, 0));
  p.fillRect(image.rect(), glow);
  p.setPen(QColor(232, 196, 92));
  p.setFont(QFont("DejaVu Serif", 54, QFont::Bold));
  p.drawText(QRect(0, 70, image.width(), 100), Qt::AlignCenter, "Lumena");
  p.setPen(QColor(200, 190, 210));
  p.setFont(QFont("DejaVu Sans", 13));
  p.drawText(QRect(0, 175, image.width(), 30), Qt::AlignCenter, "Try a new look on your portrait");
  p.setPen(QColor(120, 110, 130));
  p.setFont(QFont("DejaVu Sans", 9));
  p.drawText(QRect(0, 260, image.width(), 24), Qt::AlignCenter, "Click or press a key to skip");
  return image;
}

}  // namespace lumena::tools
