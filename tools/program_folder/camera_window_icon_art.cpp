// The camera window's buttons: the webcam to choose, the picture's size, its
// light and colour, and the snapshot.
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "icon_art.h"

namespace lumena::tools {

namespace {

void DrawWebcam(QPainter& p, QPointF c, double k) {
  const QPointF head = c + QPointF(0, -k * 0.35);
  p.drawEllipse(head, k * 1.1, k * 1.1);
  p.drawPoint(head);
  p.drawLine(c + QPointF(0, k * 0.75), c + QPointF(0, k * 1.35));
  p.drawLine(c + QPointF(-k * 0.9, k * 1.4), c + QPointF(k * 0.9, k * 1.4));
}

// A frame with a double arrow along its diagonal.
void DrawResize(QPainter& p, QPointF c, double k) {
  p.drawRect(Box(c, k * 1.5, k * 1.15));
  DrawArrow(p, c, c + QPointF(k * 0.85, -k * 0.55), k * 0.5);
  DrawArrow(p, c, c + QPointF(-k * 0.85, k * 0.55), k * 0.5);
}

// The sun of brightness, half filled for contrast.
void DrawLightAndColour(QPainter& p, QPointF c, double k) {
  p.drawEllipse(c, k * 0.75, k * 0.75);
  QPainterPath half;
  half.moveTo(c);
  half.arcTo(Box(c, k * 0.75, k * 0.75), 90, 180);
  half.closeSubpath();
  p.fillPath(half, p.pen().color());
  for (int i = 0; i < 8; ++i) {
    const double a = i * std::numbers::pi / 4;
    const QPointF d(std::cos(a), std::sin(a));
    p.drawLine(c + d * k * 1.25, c + d * k * 1.6);
  }
}

void DrawStillCamera(QPainter& p, QPointF c, double k) {
  p.drawRoundedRect(Box(c + QPointF(0, k * 0.25), k * 1.55, k * 1.05), k * 0.3, k * 0.3);
  p.drawLine(c + QPointF(-k * 0.9, -k * 0.95), c + QPointF(-k * 0.3, -k * 0.95));
  p.drawEllipse(c + QPointF(0, k * 0.25), k * 0.6, k * 0.6);
}

}  // namespace

void DrawCameraWindowIcon(QPainter& p, ButtonIcon icon, QPointF c, double k) {
  switch (icon) {
    case ButtonIcon::VideoSource:
      DrawWebcam(p, c, k);
      break;
    case ButtonIcon::VideoFormat:
      DrawResize(p, c, k);
      break;
    case ButtonIcon::VideoDisplay:
      DrawLightAndColour(p, c, k);
      break;
    case ButtonIcon::Snapshot:
      DrawStillCamera(p, c, k);
      break;
    default:
      break;
  }
}

}  // namespace lumena::tools
