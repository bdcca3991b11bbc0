#include "icon_art.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace lumena::tools {

namespace {

// The layer commands: to front, to back, hide, show, delete, regions, bald
// head, copy and paste the look, reset, flip, save as template, undo.
void DrawCommandIcon(QPainter& p, ButtonIcon icon, QPointF c, double k) {
  switch (icon) {
    case ButtonIcon::MoveTop:
      p.drawLine(c + QPointF(-k * 1.2, -k * 1.3), c + QPointF(k * 1.2, -k * 1.3));
      DrawArrow(p, c + QPointF(0, k * 1.3), c + QPointF(0, -k * 0.8), k * 0.7);
      break;
    case ButtonIcon::MoveBottom:
      p.drawLine(c + QPointF(-k * 1.2, k * 1.3), c + QPointF(k * 1.2, k * 1.3));
      DrawArrow(p, c + QPointF(0, -k * 1.3), c + QPointF(0, k * 0.8), k * 0.7);
      break;
    case ButtonIcon::Show:
      DrawEye(p, c, k);
      break;
    case ButtonIcon::Hide:
      DrawEye(p, c, k);
      p.drawLine(c + QPointF(-k * 1.3, k * 1.3), c + QPointF(k * 1.3, -k * 1.3));
      break;
    case ButtonIcon::Delete:
      p.drawRect(QRectF(c.x() - k * 0.9, c.y() - k * 0.7, k * 1.8, k * 2.0));
      p.drawLine(c + QPointF(-k * 1.3, -k * 0.9), c + QPointF(k * 1.3, -k * 0.9));
      p.drawLine(c + QPointF(-k * 0.4, -k * 1.3), c + QPointF(k * 0.4, -k * 1.3));
      break;
    case ButtonIcon::Regions:
      p.drawEllipse(c + QPointF(-k * 0.5, -k * 0.3), k * 0.9, k * 0.9);
      p.drawRect(QRectF(c.x() - k * 0.1, c.y() - k * 0.1, k * 1.4, k * 1.4));
      break;
    case ButtonIcon::BaldHead:
      p.drawEllipse(c + QPointF(0, -k * 0.3), k * 1.0, k * 1.2);
      p.drawLine(c + QPointF(-k * 0.5, k * 0.9), c + QPointF(-k * 0.6, k * 1.5));
      p.drawLine(c + QPointF(k * 0.5, k * 0.9), c + QPointF(k * 0.6, k * 1.5));
      break;
    case ButtonIcon::CopyState:
      p.drawRect(QRectF(c.x() - k * 1.2, c.y() - k * 1.2, k * 1.5, k * 1.5));
      p.drawRect(QRectF(c.x() - k * 0.3, c.y() - k * 0.3, k * 1.5, k * 1.5));
      break;
    case ButtonIcon::PasteState:
      p.drawRect(QRectF(c.x() - k, c.y() - k, k * 2, k * 2.4));
      p.drawLine(c + QPointF(-k * 0.4, -k * 1.3), c + QPointF(k * 0.4, -k * 1.3));
      p.drawLine(c + QPointF(-k * 0.5, k * 0.2), c + QPointF(k * 0.5, k * 0.2));
      break;
    case ButtonIcon::Reset: {
      p.drawArc(QRectF(c.x() - k * 1.2, c.y() - k * 1.2, k * 2.4, k * 2.4), 90 * 16, 270 * 16);
      const QPointF end = c + QPointF(0, -k * 1.2);
      p.drawLine(end, end + QPointF(k * 0.6, -k * 0.5));
      p.drawLine(end, end + QPointF(k * 0.6, k * 0.5));
      break;
    }
    case ButtonIcon::Flip: {
      p.drawLine(c + QPointF(0, -k * 1.4), c + QPointF(0, k * 1.4));
      QPolygonF left, right;
      left << c + QPointF(-k * 0.3, -k) << c + QPointF(-k * 1.4, 0) << c + QPointF(-k * 0.3, k);
      right << c + QPointF(k * 0.3, -k) << c + QPointF(k * 1.4, 0) << c + QPointF(k * 0.3, k);
      p.drawPolygon(left);
      p.drawPolygon(right);
      break;
    }
    case ButtonIcon::SaveTemplate:
      p.drawRoundedRect(QRectF(c.x() - k * 1.2, c.y() - k * 1.2, k * 2.4, k * 2.4), k * 0.3, k * 0.3);
      p.drawRect(QRectF(c.x() - k * 0.6, c.y() - k * 1.2, k * 1.2, k * 0.8));
      break;
    case ButtonIcon::OriginalSize:
      p.drawEllipse(c + QPointF(-k * 0.3, -k * 0.3), k * 0.9, k * 0.9);
      p.drawLine(c + QPointF(k * 0.35, k * 0.35), c + QPointF(k * 1.3, k * 1.3));
      p.drawLine(c + QPointF(-k * 0.3, -k * 0.8), c + QPointF(-k * 0.3, k * 0.2));
      break;
    case ButtonIcon::Centre:
      p.drawRect(QRectF(c.x() - k * 1.3, c.y() - k * 1.3, k * 2.6, k * 2.6));
      p.drawLine(c + QPointF(-k * 0.7, 0), c + QPointF(k * 0.7, 0));
      p.drawLine(c + QPointF(0, -k * 0.7), c + QPointF(0, k * 0.7));
      break;
    case ButtonIcon::Undo: {
      QPainterPath back;
      back.moveTo(c + QPointF(k * 1.2, k * 1.0));
      back.cubicTo(c + QPointF(k * 1.4, -k * 0.6), c + QPointF(-k * 0.2, -k * 1.0), c + QPointF(-k * 1.2, -k * 0.3));
      p.drawPath(back);
      const QPointF end = c + QPointF(-k * 1.2, -k * 0.3);
      p.drawLine(end, end + QPointF(k * 0.2, -k * 0.8));
      p.drawLine(end, end + QPointF(k * 0.8, k * 0.3));
      break;
    }
    default:
      DrawWindowIcon(p, icon, c, k);
      break;
  }
}

// The layer modes (a palette, a half-lit circle, a brush, an eraser, a
// warped line, the four arrows of moving) and the layer commands.
void DrawToolIcon(QPainter& p, ButtonIcon icon, QPointF c, double k) {
  const QPen line = p.pen();
  switch (icon) {
    case ButtonIcon::Coloration: {
      p.drawEllipse(c, k * 1.5, k * 1.2);
      const QColor dots[] = {QColor(226, 92, 84), QColor(120, 200, 110), QColor(96, 150, 230)};
      p.setPen(Qt::NoPen);
      for (int i = 0; i < 3; ++i) {
        p.setBrush(dots[i]);
        p.drawEllipse(c + QPointF(-k * 0.7 + i * k * 0.7, -k * 0.35 + (i == 1 ? -k * 0.25 : 0)), k * 0.3, k * 0.3);
      }
      break;
    }
    case ButtonIcon::Appearance: {
      p.drawEllipse(c, k * 1.3, k * 1.3);
      QPainterPath half;
      half.moveTo(c + QPointF(0, -k * 1.3));
      half.arcTo(QRectF(c.x() - k * 1.3, c.y() - k * 1.3, k * 2.6, k * 2.6), 90, 180);
      half.closeSubpath();
      p.fillPath(half, line.color());
      break;
    }
    case ButtonIcon::Brush: {
      p.drawLine(c + QPointF(k * 1.3, -k * 1.3), c + QPointF(-k * 0.2, k * 0.2));
      QPainterPath tip;
      tip.moveTo(c + QPointF(-k * 0.1, k * 0.1));
      tip.quadTo(c + QPointF(-k * 1.6, k * 0.2), c + QPointF(-k * 1.4, k * 1.4));
      tip.quadTo(c + QPointF(-k * 0.2, k * 1.6), c + QPointF(-k * 0.1, k * 0.1));
      p.fillPath(tip, line.color());
      break;
    }
    case ButtonIcon::Eraser: {
      p.save();
      p.translate(c);
      p.rotate(-35);
      p.drawRoundedRect(QRectF(-k * 1.4, -k * 0.6, k * 2.8, k * 1.2), k * 0.2, k * 0.2);
      p.drawLine(QPointF(-k * 0.3, -k * 0.6), QPointF(-k * 0.3, k * 0.6));
      p.restore();
      break;
    }
    case ButtonIcon::Modifier: {
      QPainterPath wave;
      wave.moveTo(c + QPointF(-k * 1.5, 0));
      wave.cubicTo(c + QPointF(-k * 0.6, -k * 1.6), c + QPointF(k * 0.2, k * 1.6), c + QPointF(k * 1.5, 0));
      p.drawPath(wave);
      p.drawEllipse(c + QPointF(k * 1.5, 0), k * 0.25, k * 0.25);
      break;
    }
    case ButtonIcon::Actions: {
      for (int turn = 0; turn < 4; ++turn) {
        p.save();
        p.translate(c);
        p.rotate(90 * turn);
        p.drawLine(QPointF(0, 0), QPointF(0, -k * 1.4));
        p.drawLine(QPointF(0, -k * 1.4), QPointF(-k * 0.4, -k * 1.0));
        p.drawLine(QPointF(0, -k * 1.4), QPointF(k * 0.4, -k * 1.0));
        p.restore();
      }
      break;
    }
    default:
      DrawCommandIcon(p, icon, c, k);
      break;
  }
}

}  // namespace

void DrawArrow(QPainter& p, QPointF from, QPointF to, double head) {
  p.drawLine(from, to);
  const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
  const QPointF n(-d.y(), d.x());
  p.drawLine(to, to - d * head + n * head * 0.7);
  p.drawLine(to, to - d * head - n * head * 0.7);
}

void DrawEye(QPainter& p, QPointF c, double k, double lid, double pupil) {
  QPainterPath eye;
  eye.moveTo(c + QPointF(-k * 1.5, 0));
  eye.quadTo(c + QPointF(0, -k * lid), c + QPointF(k * 1.5, 0));
  eye.quadTo(c + QPointF(0, k * lid), c + QPointF(-k * 1.5, 0));
  p.drawPath(eye);
  p.drawEllipse(c, k * pupil, k * pupil);
}

QColor IconColour(ButtonIcon icon) {
  switch (icon) {
    case ButtonIcon::Yes:
      return QColor(120, 200, 110);
    case ButtonIcon::No:
      return QColor(226, 92, 84);
    default:
      return kGold;
  }
}

void DrawIcon(QPainter& p, ButtonIcon icon, const QRectF& r, const QColor& colour) {
  const double s = std::min(r.width(), r.height());
  const QPointF c = r.center();
  p.setPen(QPen(colour, std::max(1.6, s / 9), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  const double k = s * 0.2;
  switch (icon) {
    case ButtonIcon::Close:
    case ButtonIcon::No:
      p.drawLine(c + QPointF(-k, -k), c + QPointF(k, k));
      p.drawLine(c + QPointF(-k, k), c + QPointF(k, -k));
      break;
    case ButtonIcon::Minimize:
      p.drawLine(c + QPointF(-k, k * 0.8), c + QPointF(k, k * 0.8));
      break;
    case ButtonIcon::Yes: {
      QPainterPath tick;
      tick.moveTo(c + QPointF(-k * 1.1, 0));
      tick.lineTo(c + QPointF(-k * 0.25, k * 0.85));
      tick.lineTo(c + QPointF(k * 1.15, -k * 0.9));
      p.drawPath(tick);
      break;
    }
    case ButtonIcon::None:
      break;
    default:
      DrawToolIcon(p, icon, c, k);
      break;
  }
}

}  // namespace lumena::tools
