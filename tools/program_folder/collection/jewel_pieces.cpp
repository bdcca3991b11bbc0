#include "jewel_pieces.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include "paint_tools.h"

namespace lumena::tools {

QBrush MetalBrush(const QColor& metal, const QRectF& over) {
  QLinearGradient gradient(over.topLeft(), over.bottomRight());
  gradient.setColorAt(0, Shade(metal, 0.5));
  gradient.setColorAt(0.35, metal);
  gradient.setColorAt(0.6, Shade(metal, -0.35));
  gradient.setColorAt(0.85, Shade(metal, 0.2));
  gradient.setColorAt(1, Shade(metal, -0.2));
  return gradient;
}

void DrawGem(QPainter& p, const QPainterPath& cut, const QColor& colour) {
  const QRectF box = cut.boundingRect();
  QRadialGradient body(box.center() + QPointF(-box.width() * 0.15, -box.height() * 0.2),
                       std::max(box.width(), box.height()) * 0.7);
  body.setColorAt(0, Shade(colour, 0.45));
  body.setColorAt(0.5, colour);
  body.setColorAt(1, Shade(colour, -0.55));
  p.fillPath(cut, body);
  // Facets: a few lines from the middle to the rim.
  p.save();
  p.setClipPath(cut);
  const QPointF c = box.center();
  p.setPen(QPen(WithAlpha(Shade(colour, 0.6), 70), 0.6));
  for (const QPointF corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
    p.drawLine(c, corner);
  p.restore();
  SoftEllipse(p, c + QPointF(-box.width() * 0.18, -box.height() * 0.22), box.width() * 0.2, box.height() * 0.14,
              QColor(255, 255, 255, 220), 0.3);
}

void DrawPearl(QPainter& p, QPointF centre, double radius, const QColor& colour) {
  QRadialGradient body(centre + QPointF(-radius * 0.35, -radius * 0.4), radius * 1.4);
  body.setColorAt(0, Shade(colour, 0.6));
  body.setColorAt(0.45, colour);
  body.setColorAt(0.8, Shade(colour, -0.25));
  body.setColorAt(1, Shade(colour, -0.45));
  p.setPen(Qt::NoPen);
  p.setBrush(body);
  p.drawEllipse(centre, radius, radius);
  SoftEllipse(p, centre + QPointF(-radius * 0.3, -radius * 0.35), radius * 0.35, radius * 0.28,
              QColor(255, 255, 255, 230), 0.2);
  // The pink lustre of nacre along the lower edge.
  SoftEllipse(p, centre + QPointF(radius * 0.2, radius * 0.45), radius * 0.6, radius * 0.3, QColor(255, 200, 210, 60));
}

QPainterPath DropCut(QPointF top, double width, double height) {
  QPainterPath drop(top);
  drop.cubicTo(top + QPointF(width * 0.6, height * 0.35), top + QPointF(width * 0.6, height), top + QPointF(0, height));
  drop.cubicTo(top + QPointF(-width * 0.6, height), top + QPointF(-width * 0.6, height * 0.35), top);
  return drop;
}

}  // namespace lumena::tools
