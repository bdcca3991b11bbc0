// The layer regions window's buttons (edit and save a region) and the
// region editor's (lasso, grid, restriction, clear).
#include <QPainterPath>

#include "icon_art.h"

namespace lumena::tools {

namespace {

// A dashed outline around a blob: a region.
void DrawRegionOutline(QPainter& p, QPointF c, double k) {
  QPen pen = p.pen();
  QPen dashed = pen;
  dashed.setStyle(Qt::DashLine);
  p.setPen(dashed);
  p.drawEllipse(c, k * 1.2, k * 0.9);
  p.setPen(pen);
}

void DrawPencil(QPainter& p, QPointF tip, double k) {
  QPolygonF pencil;
  pencil << tip << tip + QPointF(k * 0.3, -k * 0.8) << tip + QPointF(k * 1.4, -k * 1.9)
         << tip + QPointF(k * 1.9, -k * 1.4) << tip + QPointF(k * 0.8, -k * 0.3);
  p.drawPolygon(pencil);
}

void DrawLassoLoop(QPainter& p, QPointF c, double k) {
  QPainterPath loop;
  loop.moveTo(c + QPointF(-k * 0.2, k * 0.7));
  loop.cubicTo(c + QPointF(-k * 1.8, k * 0.6), c + QPointF(-k * 1.6, -k * 1.3), c + QPointF(k * 0.2, -k * 1.2));
  loop.cubicTo(c + QPointF(k * 1.9, -k * 1.1), c + QPointF(k * 1.6, k * 0.8), c + QPointF(-k * 0.2, k * 0.7));
  loop.cubicTo(c + QPointF(-k * 0.6, k * 1.1), c + QPointF(-k * 0.2, k * 1.4), c + QPointF(-k * 0.7, k * 1.6));
  p.drawPath(loop);
}

void DrawGridLines(QPainter& p, QPointF c, double k) {
  p.drawRect(Box(c, k * 1.4, k * 1.4));
  for (const double f : {-1.0 / 3, 1.0 / 3}) {
    p.drawLine(c + QPointF(f * k * 1.4, -k * 1.4), c + QPointF(f * k * 1.4, k * 1.4));
    p.drawLine(c + QPointF(-k * 1.4, f * k * 1.4), c + QPointF(k * 1.4, f * k * 1.4));
  }
}

}  // namespace

void DrawRegionsWindowIcon(QPainter& p, ButtonIcon icon, QPointF c, double k) {
  switch (icon) {
    case ButtonIcon::EditRegion:
      DrawRegionOutline(p, c + QPointF(-k * 0.3, k * 0.3), k);
      DrawPencil(p, c + QPointF(-k * 0.2, k * 0.2), k * 0.8);
      break;
    case ButtonIcon::SaveRegion:
      DrawRegionOutline(p, c + QPointF(0, -k * 0.4), k);
      DrawArrow(p, c + QPointF(0, -k * 0.4), c + QPointF(0, k * 1.5), k * 0.5);
      break;
    case ButtonIcon::Lasso:
      DrawLassoLoop(p, c, k);
      break;
    case ButtonIcon::Grid:
      DrawGridLines(p, c, k);
      break;
    case ButtonIcon::Restrict:
      DrawRegionOutline(p, c, k * 1.1);
      p.drawRect(Box(c, k * 0.5, k * 0.4));
      break;
    case ButtonIcon::ClearRegion:
      DrawRegionOutline(p, c, k);
      p.drawLine(c + QPointF(-k * 1.3, -k * 1.3), c + QPointF(k * 1.3, k * 1.3));
      break;
    default:
      break;
  }
}

}  // namespace lumena::tools
