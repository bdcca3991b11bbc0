#include "interface_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace lumena::tools {

namespace {

const QColor kGold(253, 218, 121);
const QColor kKeyGreen(0, 255, 0);
constexpr int kCornerRadius = 12;

// Cells are normal, hover, pressed and disabled, in that column order.
enum class CellState { Normal, Hover, Pressed, Disabled };

// Antialiased drawing would leave half-green pixels at the shape's edge,
// which the window shape would keep: the shape is decided by coverage and
// everything outside it becomes pure key colour.
QImage WithKeyColourOutside(const QImage& shape, const QImage& art) {
  QImage skin(art.size(), QImage::Format_ARGB32);
  for (int y = 0; y < skin.height(); ++y) {
    const QRgb* coverage = reinterpret_cast<const QRgb*>(shape.constScanLine(y));
    const QRgb* colour = reinterpret_cast<const QRgb*>(art.constScanLine(y));
    QRgb* out = reinterpret_cast<QRgb*>(skin.scanLine(y));
    for (int x = 0; x < skin.width(); ++x)
      out[x] = qAlpha(coverage[x]) >= 128 ? (colour[x] | 0xFF000000u) : kKeyGreen.rgba();
  }
  return skin;
}

QPainterPath WindowShape(int width, int height) {
  QPainterPath path;
  path.addRoundedRect(QRectF(0, 0, width, height), kCornerRadius, kCornerRadius);
  return path;
}

void DrawBody(QPainter& p, int width, int height, int captionHeight) {
  QLinearGradient body(0, captionHeight, 0, height);
  body.setColorAt(0, QColor(58, 44, 74));
  body.setColorAt(0.55, QColor(38, 30, 52));
  body.setColorAt(1, QColor(24, 19, 34));
  p.fillRect(0, 0, width, height, body);
  QRadialGradient sheen(QPointF(width * 0.3, captionHeight + height * 0.15), std::max(width, height) * 0.6);
  sheen.setColorAt(0, QColor(255, 236, 200, 38));
  sheen.setColorAt(1, QColor(255, 236, 200, 0));
  p.fillRect(0, captionHeight, width, height - captionHeight, sheen);
}

void DrawCaptionStrip(QPainter& p, int width, int captionHeight) {
  QLinearGradient strip(0, 0, 0, captionHeight);
  strip.setColorAt(0, QColor(30, 24, 38));
  strip.setColorAt(1, QColor(12, 10, 18));
  p.fillRect(0, 0, width, captionHeight, strip);
  p.setPen(QPen(QColor(kGold.red(), kGold.green(), kGold.blue(), 150), 1));
  p.drawLine(0, captionHeight - 1, width, captionHeight - 1);
}

void DrawRim(QPainter& p, int width, int height) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(201, 168, 92, 200), 1.5));
  p.drawRoundedRect(QRectF(0.75, 0.75, width - 1.5, height - 1.5), kCornerRadius - 1, kCornerRadius - 1);
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

// An arrow from `from` to `to` with a two-stroke head.
void DrawArrow(QPainter& p, QPointF from, QPointF to, double head) {
  p.drawLine(from, to);
  const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
  const QPointF n(-d.y(), d.x());
  p.drawLine(to, to - d * head + n * head * 0.7);
  p.drawLine(to, to - d * head - n * head * 0.7);
}

void DrawEye(QPainter& p, QPointF c, double k) {
  QPainterPath eye;
  eye.moveTo(c + QPointF(-k * 1.5, 0));
  eye.quadTo(c + QPointF(0, -k * 1.5), c + QPointF(k * 1.5, 0));
  eye.quadTo(c + QPointF(0, k * 1.5), c + QPointF(-k * 1.5, 0));
  p.drawPath(eye);
  p.drawEllipse(c, k * 0.4, k * 0.4);
}

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

// A slider's groove along its cell: a thin gold-edged channel.
void DrawTrack(QPainter& p, const QRect& cell) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const bool vertical = cell.height() > cell.width();
  const QRectF groove = vertical ? QRectF(cell.center().x() - 2.5, cell.top() + 3, 5, cell.height() - 6)
                                 : QRectF(cell.left() + 3, cell.center().y() - 2.5, cell.width() - 6, 5);
  p.setBrush(QColor(22, 17, 30));
  p.setPen(QPen(QColor(180, 150, 82, 180), 1));
  p.drawRoundedRect(groove, 2.5, 2.5);
  p.restore();
}

// A slider's thumb: an upright gold lozenge, brighter under the mouse.
void DrawThumb(QPainter& p, const QRect& cell, CellState state) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body = QRectF(cell).adjusted(1.5, 2.5, -1.5, -2.5);
  QLinearGradient fill(body.topLeft(), body.bottomLeft());
  const bool dim = state == CellState::Disabled;
  fill.setColorAt(0, dim ? QColor(150, 148, 152) : state == CellState::Hover ? kGold.lighter(115) : kGold);
  fill.setColorAt(1, dim ? QColor(90, 88, 92) : QColor(150, 112, 40));
  p.setBrush(fill);
  p.setPen(QPen(QColor(60, 44, 20), 1));
  p.drawRoundedRect(body, 3, 3);
  p.restore();
}

// One cell: a glossy round button with its icon.
void DrawCell(QPainter& p, const QRect& cell, ButtonIcon icon, CellState state) {
  if (icon == ButtonIcon::SliderTrack) {
    DrawTrack(p, cell);
    return;
  }
  if (icon == ButtonIcon::SliderThumb) {
    DrawThumb(p, cell, state);
    return;
  }
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF face = QRectF(cell)
                          .adjusted(1.5, 1.5, -1.5, -1.5)
                          .translated(state == CellState::Pressed ? 0.5 : 0, state == CellState::Pressed ? 1 : 0);
  QRadialGradient fill(face.center() - QPointF(0, face.height() * 0.25), face.width() * 0.75);
  const bool lit = state == CellState::Hover;
  const bool dim = state == CellState::Disabled;
  fill.setColorAt(0, dim ? QColor(80, 78, 84) : lit ? QColor(104, 84, 128) : QColor(76, 60, 96));
  fill.setColorAt(1, dim ? QColor(46, 44, 50) : state == CellState::Pressed ? QColor(18, 14, 26) : QColor(30, 24, 40));
  p.setBrush(fill);
  p.setPen(QPen(dim ? QColor(110, 108, 112) : lit ? kGold : QColor(180, 150, 82), lit ? 1.4 : 1.0));
  p.drawEllipse(face);
  const QColor colour = dim ? QColor(140, 138, 142) : lit ? IconColour(icon).lighter(125) : IconColour(icon);
  DrawIcon(p, icon, face, colour);
  p.restore();
}

}  // namespace

QImage DrawSkin(const WindowLayout& layout, int width, int height) {
  QImage shape(width, height, QImage::Format_ARGB32);
  shape.fill(Qt::transparent);
  {
    QPainter p(&shape);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(WindowShape(width, height), Qt::black);
  }
  QImage art(width, height, QImage::Format_ARGB32);
  art.fill(Qt::black);
  {
    QPainter p(&art);
    DrawBody(p, width, height, layout.captionHeight);
    DrawCaptionStrip(p, width, layout.captionHeight);
    DrawRim(p, width, height);
  }
  return WithKeyColourOutside(shape, art);
}

QImage DrawButtonPicture(std::string_view pictureKey, std::span<const WindowLayout* const> layouts) {
  int width = 1, height = 1;
  for (const WindowLayout* layout : layouts)
    for (const ControlLayout& c : layout->controls)
      if (c.pictureKey == pictureKey) {
        width = std::max(width, c.cells.left + c.cells.width * c.cells.cols);
        height = std::max(height, c.cells.top + c.cells.height * c.cells.rows);
      }
  QImage picture(width, height, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  for (const WindowLayout* layout : layouts)
    for (const ControlLayout& c : layout->controls) {
      if (c.pictureKey != pictureKey) continue;
      for (int i = 0; i < c.cells.cols * c.cells.rows; ++i) {
        const QRect cell(c.cells.left + (i % c.cells.cols) * c.cells.width,
                         c.cells.top + (i / c.cells.cols) * c.cells.height, c.cells.width, c.cells.height);
        DrawCell(p, cell, c.icon, static_cast<CellState>(std::min(i % c.cells.cols, 3)));
      }
    }
  return picture;
}

}  // namespace lumena::tools
