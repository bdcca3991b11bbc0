#pragma once
// What makes jewellery shine: polished metal, cut stones and pearls.
#include <QColor>
#include <QPainter>
#include <QPainterPath>

namespace lumena::tools {

// Metal catches light on its upper side and darkens below.
QBrush MetalBrush(const QColor& metal, const QRectF& over);
// A faceted stone: deep at its rim, bright through its middle, with a glint.
void DrawGem(QPainter& p, const QPainterPath& cut, const QColor& colour);
// A pearl: a soft sphere with its lustre and a small highlight.
void DrawPearl(QPainter& p, QPointF centre, double radius, const QColor& colour);
// A stone shaped as a drop hanging from its top.
QPainterPath DropCut(QPointF top, double width, double height);

}  // namespace lumena::tools
