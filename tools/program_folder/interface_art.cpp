#include "interface_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "icon_art.h"

namespace lumena::tools {

namespace {

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
  // Round where the cell is about square, a rounded bar where it is not.
  if (std::max(face.width(), face.height()) > 1.3 * std::min(face.width(), face.height())) {
    const double radius = std::min(face.width(), face.height()) / 2.5;
    p.drawRoundedRect(face, radius, radius);
  } else {
    p.drawEllipse(face);
  }
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

QImage DrawButtonPicture(std::string_view pictureKey, std::span<const WindowLayout* const> layouts,
                         const ShownSize& shownSize) {
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
        QRect cell(c.cells.left + (i % c.cells.cols) * c.cells.width, c.cells.top + (i / c.cells.cols) * c.cells.height,
                   c.cells.width, c.cells.height);
        // A track shorter on the screen than its cell ends where it is cut.
        if (c.icon == ButtonIcon::SliderTrack && shownSize)
          cell.setSize(cell.size().boundedTo(shownSize(c).value_or(cell.size())));
        DrawCell(p, cell, c.icon, static_cast<CellState>(std::min(i % c.cells.cols, 3)));
      }
    }
  return picture;
}

}  // namespace lumena::tools
