#include "cursor_art.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace lumena::tools {

namespace {

constexpr int kSize = 32;

// Cursors are dark shapes with a light outline so they show on any portrait.
void StrokeOutlined(QPainter& p, const QPainterPath& path, const QColor& fill) {
  p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setPen(QPen(QColor(20, 20, 24), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(fill);
  p.drawPath(path);
}

QPainterPath BrushPath() {
  QPainterPath p;
  p.moveTo(2, 30);
  p.cubicTo(2, 25, 5, 22, 9, 22);
  p.lineTo(12, 25);
  p.cubicTo(12, 29, 7, 31, 2, 30);
  p.moveTo(10, 21);
  p.lineTo(26, 4);
  p.lineTo(29, 7);
  p.lineTo(13, 24);
  p.closeSubpath();
  return p;
}

QPainterPath EraserPath() {
  QPainterPath p;
  p.moveTo(3, 22);
  p.lineTo(17, 8);
  p.lineTo(27, 18);
  p.lineTo(17, 28);
  p.lineTo(9, 28);
  p.closeSubpath();
  p.moveTo(10, 15);
  p.lineTo(20, 25);
  return p;
}

QPainterPath PipettePath() {
  QPainterPath p;
  p.moveTo(2, 30);
  p.lineTo(4, 24);
  p.lineTo(18, 10);
  p.lineTo(22, 14);
  p.lineTo(8, 28);
  p.closeSubpath();
  p.addEllipse(QPointF(24, 8), 5, 5);
  return p;
}

QPainterPath ModifyPath() {
  QPainterPath p;
  p.moveTo(16, 16);
  for (int i = 1; i <= 24; ++i) {
    const double angle = i * 0.6;
    const double radius = i * 0.55;
    p.lineTo(16 + radius * std::cos(angle), 16 + radius * std::sin(angle));
  }
  return p;
}

QPainterPath EyePath() {
  QPainterPath p;
  p.moveTo(2, 16);
  p.quadTo(16, 4, 30, 16);
  p.quadTo(16, 28, 2, 16);
  p.addEllipse(QPointF(16, 16), 4.5, 4.5);
  return p;
}

QPainterPath LensPath() {
  QPainterPath p;
  p.addEllipse(QPointF(12, 12), 9, 9);
  p.moveTo(19, 19);
  p.lineTo(29, 29);
  p.moveTo(8, 12);
  p.quadTo(12, 8, 16, 12);
  return p;
}

// A hand; open, grabbing or pointing.
QPainterPath HandPath(char pose) {
  QPainterPath p;
  p.addRoundedRect(QRectF(9, 15, 15, 14), 5, 5);
  const int fingerTop = pose == 'g' ? 12 : 5;
  for (int i = 0; i < 4; ++i) {
    const bool extended = pose != 'p' || i == 0;
    const double top = extended ? fingerTop + (i == 0 ? 0 : i == 3 ? 3 : 1) : 12;
    p.addRoundedRect(QRectF(9.5 + i * 3.6, top, 3.4, 17 - top + 1), 1.7, 1.7);
  }
  if (pose != 'g') p.addRoundedRect(QRectF(3, 17, 8, 3.4), 1.7, 1.7);
  return p;
}

QPainterPath RotatePath() {
  QPainterPath p;
  p.arcMoveTo(QRectF(5, 5, 22, 22), 60);
  p.arcTo(QRectF(5, 5, 22, 22), 60, 280);
  const QPointF end = p.currentPosition();
  p.moveTo(end + QPointF(-5, -3));
  p.lineTo(end);
  p.lineTo(end + QPointF(1, -6));
  return p;
}

QPainterPath LassoPath() {
  QPainterPath p;
  p.addEllipse(QRectF(8, 3, 21, 13));
  p.moveTo(12, 14);
  p.cubicTo(8, 20, 14, 22, 9, 26);
  p.lineTo(3, 30);
  return p;
}

void DrawBadge(QPainter& p, const QString& text, const QColor& colour) {
  p.setPen(QPen(Qt::white, 1));
  p.setBrush(colour);
  p.drawEllipse(QRectF(19, 0, 13, 13));
  QFont font("DejaVu Sans", 6, QFont::Bold);
  p.setFont(font);
  p.drawText(QRectF(19, 0, 13, 13), Qt::AlignCenter, text);
}

void DrawFourArrows(QPainter& p) {
  p.setPen(QPen(QColor(20, 20, 24), 1.5));
  p.drawLine(26, 1, 26, 11);
  p.drawLine(21, 6, 31, 6);
}

}  // namespace

CursorArt DrawCursor(std::string_view name) {
  QImage image(kSize, kSize, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor skin(246, 214, 178), tool(212, 175, 55), eye(240, 240, 245);
  QPoint hot(16, 16);
  if (name == "BRUSH") {
    StrokeOutlined(p, BrushPath(), tool);
    hot = {2, 30};
  } else if (name == "ERASER") {
    StrokeOutlined(p, EraserPath(), QColor(236, 140, 160));
    hot = {5, 22};
  } else if (name == "PIPETTE") {
    StrokeOutlined(p, PipettePath(), QColor(160, 200, 236));
    hot = {2, 30};
  } else if (name == "MODIFY") {
    StrokeOutlined(p, ModifyPath(), Qt::transparent);
  } else if (name == "EYE") {
    StrokeOutlined(p, EyePath(), eye);
  } else if (name == "EYELNS") {
    StrokeOutlined(p, LensPath(), QColor(200, 230, 255, 140));
    hot = {12, 12};
  } else if (name == "ROTATE") {
    StrokeOutlined(p, RotatePath(), Qt::transparent);
  } else if (name == "LASSO") {
    StrokeOutlined(p, LassoPath(), Qt::transparent);
    hot = {3, 30};
  } else {
    const char pose = name.starts_with("HANDGRAB") ? 'g' : name == "HANDPOINT" ? 'p' : 'f';
    StrokeOutlined(p, HandPath(pose), skin);
    hot = pose == 'p' ? QPoint(11, 5) : QPoint(16, 16);
    if (name.ends_with("ALL"))
      DrawFourArrows(p);
    else if (name == "HANDINFO")
      DrawBadge(p, "i", QColor(40, 110, 200));
    else if (name == "HAND3D")
      DrawBadge(p, "3D", QColor(120, 60, 170));
    else if (name == "HANDVIDEO")
      DrawBadge(p, "\u25B6", QColor(190, 40, 60));
  }
  return {image, hot};
}

}  // namespace lumena::tools
