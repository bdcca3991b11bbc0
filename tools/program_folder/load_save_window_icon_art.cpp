// The load and save window's buttons: what comes in or goes out (a
// picture, a work, the clipboard, a camera, a scanner) with an arrow down
// for loading and up for saving, and an envelope for sending.
#include "icon_art.h"

namespace lumena::tools {

namespace {

// A framed landscape: a hill and a sun.
void DrawPictureGlyph(QPainter& p, QPointF c, double k) {
  p.drawRect(Box(c, k * 1.1, k * 0.8));
  QPolygonF hill;
  hill << c + QPointF(-k * 1.1, k * 0.8) << c + QPointF(-k * 0.3, -k * 0.1) << c + QPointF(k * 0.3, k * 0.4)
       << c + QPointF(k * 0.6, k * 0.1) << c + QPointF(k * 1.1, k * 0.8);
  p.drawPolyline(hill);
  p.drawEllipse(c + QPointF(k * 0.5, -k * 0.4), k * 0.18, k * 0.18);
}

// Two sheets laid over each other: the layers of a work.
void DrawWorkGlyph(QPainter& p, QPointF c, double k) {
  p.drawRect(Box(c + QPointF(-k * 0.3, -k * 0.25), k * 0.8, k * 0.6));
  p.drawRect(Box(c + QPointF(k * 0.3, k * 0.25), k * 0.8, k * 0.6));
}

void DrawClipboardGlyph(QPainter& p, QPointF c, double k) {
  p.drawRoundedRect(Box(c, k * 0.9, k * 1.1), k * 0.15, k * 0.15);
  p.drawRect(Box(c + QPointF(0, -k * 1.1), k * 0.4, k * 0.2));
  for (double y : {-0.3, 0.15, 0.6}) p.drawLine(c + QPointF(-k * 0.5, k * y), c + QPointF(k * 0.5, k * y));
}

void DrawCameraGlyph(QPainter& p, QPointF c, double k) {
  p.drawRoundedRect(Box(c + QPointF(0, k * 0.1), k * 1.2, k * 0.75), k * 0.15, k * 0.15);
  p.drawRect(Box(c + QPointF(-k * 0.5, -k * 0.8), k * 0.3, k * 0.15));
  p.drawEllipse(c + QPointF(0, k * 0.1), k * 0.45, k * 0.45);
}

// A flatbed with its lid raised and the light under the glass.
void DrawScannerGlyph(QPainter& p, QPointF c, double k) {
  p.drawRect(Box(c + QPointF(0, k * 0.4), k * 1.3, k * 0.45));
  p.drawLine(c + QPointF(-k * 1.3, -k * 0.05), c + QPointF(k * 0.9, -k * 0.9));
  p.drawLine(c + QPointF(-k * 0.9, k * 0.4), c + QPointF(k * 0.9, k * 0.4));
}

void DrawEnvelope(QPainter& p, QPointF c, double k) {
  p.drawRect(Box(c, k * 1.1, k * 0.7));
  p.drawLine(c + QPointF(-k * 1.1, -k * 0.7), c + QPointF(0, k * 0.1));
  p.drawLine(c + QPointF(0, k * 0.1), c + QPointF(k * 1.1, -k * 0.7));
}

// The glyph above, the arrow below: down into the program or up out of it.
void DrawTransfer(QPainter& p, QPointF c, double k, bool loading, void (*glyph)(QPainter&, QPointF, double)) {
  glyph(p, c + QPointF(0, -k * 0.55), k * 0.85);
  const QPointF top = c + QPointF(0, k * 0.75), bottom = c + QPointF(0, k * 1.75);
  DrawArrow(p, loading ? top : bottom, loading ? bottom : top, k * 0.4);
}

void DrawSending(QPainter& p, QPointF c, double k, void (*glyph)(QPainter&, QPointF, double)) {
  DrawEnvelope(p, c + QPointF(k * 0.35, k * 0.6), k * 0.95);
  glyph(p, c + QPointF(-k * 0.55, -k * 0.75), k * 0.6);
}

}  // namespace

void DrawLoadSaveWindowIcon(QPainter& p, ButtonIcon icon, QPointF c, double k) {
  switch (icon) {
    case ButtonIcon::LoadImage:
      return DrawTransfer(p, c, k, true, DrawPictureGlyph);
    case ButtonIcon::LoadWork:
      return DrawTransfer(p, c, k, true, DrawWorkGlyph);
    case ButtonIcon::LoadClipboard:
      return DrawTransfer(p, c, k, true, DrawClipboardGlyph);
    case ButtonIcon::LoadCamera:
      return DrawTransfer(p, c, k, true, DrawCameraGlyph);
    case ButtonIcon::LoadScanner:
      return DrawTransfer(p, c, k, true, DrawScannerGlyph);
    case ButtonIcon::SaveImage:
      return DrawTransfer(p, c, k, false, DrawPictureGlyph);
    case ButtonIcon::SaveWork:
      return DrawTransfer(p, c, k, false, DrawWorkGlyph);
    case ButtonIcon::SaveClipboard:
      return DrawTransfer(p, c, k, false, DrawClipboardGlyph);
    case ButtonIcon::SendImage:
      return DrawSending(p, c, k, DrawPictureGlyph);
    case ButtonIcon::SendWork:
      return DrawSending(p, c, k, DrawWorkGlyph);
    default:
      break;
  }
}

}  // namespace lumena::tools
