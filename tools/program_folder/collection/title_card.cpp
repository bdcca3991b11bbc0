#include "title_card.h"

#include <QLinearGradient>
#include <QPainter>

#include "../icon_art.h"

namespace lumena::tools {

QImage DrawTitleCard(ButtonIcon icon) {
  constexpr int kSide = 56;
  QImage card(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
  card.fill(Qt::transparent);
  QPainter p(&card);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient face(0, 0, 0, kSide);
  face.setColorAt(0, QColor(78, 58, 98));
  face.setColorAt(1, QColor(34, 26, 46));
  p.setPen(QPen(QColor(232, 196, 92, 200), 1.5));
  p.setBrush(face);
  p.drawRoundedRect(QRectF(1.5, 1.5, kSide - 3, kSide - 3), 9, 9);
  DrawIcon(p, icon, QRectF(10, 10, kSide - 20, kSide - 20), kGold);
  return card;
}

}  // namespace lumena::tools
