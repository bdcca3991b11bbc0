// The templates window's buttons: the scroll arrows, the filter funnel,
// replace-same-type and the five numbered nails.
#include <QPainterPath>
#include <string>

#include "icon_art.h"

namespace lumena::tools {

namespace {

void DrawNail(QPainter& p, QPointF c, double k, int number) {
  QPainterPath nail;
  nail.moveTo(c + QPointF(-k * 0.8, k * 1.4));
  nail.lineTo(c + QPointF(-k * 0.8, -k * 0.4));
  nail.cubicTo(c + QPointF(-k * 0.8, -k * 1.6), c + QPointF(k * 0.8, -k * 1.6), c + QPointF(k * 0.8, -k * 0.4));
  nail.lineTo(c + QPointF(k * 0.8, k * 1.4));
  p.drawPath(nail);
  QFont font("Arial");
  font.setPixelSize(static_cast<int>(k * 1.6));
  font.setBold(true);
  p.setFont(font);
  p.drawText(Box(c + QPointF(0, k * 0.2), k, k), Qt::AlignCenter, QString::number(number));
}

}  // namespace

void DrawTemplatesWindowIcon(QPainter& p, ButtonIcon icon, QPointF c, double k) {
  switch (icon) {
    case ButtonIcon::ScrollUp:
      p.drawLine(c + QPointF(-k, k * 0.5), c + QPointF(0, -k * 0.5));
      p.drawLine(c + QPointF(0, -k * 0.5), c + QPointF(k, k * 0.5));
      break;
    case ButtonIcon::ScrollDown:
      p.drawLine(c + QPointF(-k, -k * 0.5), c + QPointF(0, k * 0.5));
      p.drawLine(c + QPointF(0, k * 0.5), c + QPointF(k, -k * 0.5));
      break;
    case ButtonIcon::Filter: {
      QPolygonF funnel;
      funnel << c + QPointF(-k * 1.4, -k * 1.1) << c + QPointF(k * 1.4, -k * 1.1) << c + QPointF(k * 0.3, k * 0.2)
             << c + QPointF(k * 0.3, k * 1.3) << c + QPointF(-k * 0.3, k * 1.0) << c + QPointF(-k * 0.3, k * 0.2);
      p.drawPolygon(funnel);
      break;
    }
    case ButtonIcon::ReplaceSameType:
      DrawArrow(p, c + QPointF(-k * 1.3, -k * 0.5), c + QPointF(k * 1.3, -k * 0.5), k * 0.5);
      DrawArrow(p, c + QPointF(k * 1.3, k * 0.6), c + QPointF(-k * 1.3, k * 0.6), k * 0.5);
      break;
    case ButtonIcon::Nail1:
    case ButtonIcon::Nail2:
    case ButtonIcon::Nail3:
    case ButtonIcon::Nail4:
    case ButtonIcon::Nail5:
      DrawNail(p, c, k, static_cast<int>(icon) - static_cast<int>(ButtonIcon::Nail1) + 1);
      break;
    default:
      break;
  }
}

}  // namespace lumena::tools
