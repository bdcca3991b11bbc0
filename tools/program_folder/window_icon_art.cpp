// The icons of the buttons around the desk: the windows the program opens,
// the publisher's pages, the template types and the desktop tools.
#include <QFont>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "icon_art.h"

namespace lumena::tools {

namespace {

void DrawChevron(QPainter& p, QPointF c, double k, double direction) {
  p.drawLine(c + QPointF(-direction * k * 0.5, -k), c + QPointF(direction * k * 0.5, 0));
  p.drawLine(c + QPointF(direction * k * 0.5, 0), c + QPointF(-direction * k * 0.5, k));
}

void DrawPerson(QPainter& p, QPointF c, double k) {
  p.drawEllipse(c + QPointF(0, -k * 0.6), k * 0.5, k * 0.5);
  p.drawArc(Box(c + QPointF(0, k * 0.9), k * 0.9, k * 0.8), 0, 180 * 16);
}

void DrawGear(QPainter& p, QPointF c, double k) {
  p.drawEllipse(c, k * 0.9, k * 0.9);
  p.drawEllipse(c, k * 0.3, k * 0.3);
  for (int i = 0; i < 8; ++i) {
    const double a = i * std::numbers::pi / 4;
    const QPointF d(std::cos(a), std::sin(a));
    p.drawLine(c + d * k * 0.9, c + d * k * 1.35);
  }
}

void DrawQuestionMark(QPainter& p, QPointF c, double k) {
  QPainterPath hook;
  hook.moveTo(c + QPointF(-k * 0.7, -k * 0.6));
  hook.cubicTo(c + QPointF(-k * 0.7, -k * 1.5), c + QPointF(k * 0.9, -k * 1.5), c + QPointF(k * 0.7, -k * 0.5));
  hook.cubicTo(c + QPointF(k * 0.5, 0), c + QPointF(0, 0), c + QPointF(0, k * 0.5));
  p.drawPath(hook);
  p.drawPoint(c + QPointF(0, k * 1.2));
}

// The windows the system buttons open.
void DrawSystemIcon(QPainter& p, ButtonIcon icon, QPointF c, double k) {
  switch (icon) {
    case ButtonIcon::LoadSave: {
      QPainterPath folder;
      folder.moveTo(c + QPointF(-k * 1.4, k * 1.1));
      folder.lineTo(c + QPointF(-k * 1.4, -k * 1.0));
      folder.lineTo(c + QPointF(-k * 0.5, -k * 1.0));
      folder.lineTo(c + QPointF(-k * 0.2, -k * 0.6));
      folder.lineTo(c + QPointF(k * 1.4, -k * 0.6));
      folder.lineTo(c + QPointF(k * 1.4, k * 1.1));
      folder.closeSubpath();
      p.drawPath(folder);
      break;
    }
    case ButtonIcon::Print:
      p.drawRect(Box(c, k * 1.4, k * 0.6));
      p.drawRect(Box(c + QPointF(0, -k * 1.0), k * 0.8, k * 0.4));
      p.drawRect(Box(c + QPointF(0, k * 0.9), k * 0.8, k * 0.5));
      break;
    case ButtonIcon::Internet:
      p.drawEllipse(c, k * 1.4, k * 1.4);
      p.drawEllipse(c, k * 0.6, k * 1.4);
      p.drawLine(c + QPointF(-k * 1.4, 0), c + QPointF(k * 1.4, 0));
      break;
    case ButtonIcon::Messages: {
      p.drawRoundedRect(Box(c + QPointF(0, -k * 0.3), k * 1.4, k * 0.9), k * 0.4, k * 0.4);
      QPolygonF tail;
      tail << c + QPointF(-k * 0.6, k * 0.6) << c + QPointF(-k * 0.9, k * 1.4) << c + QPointF(0, k * 0.6);
      p.drawPolyline(tail);
      break;
    }
    case ButtonIcon::Queries:
      DrawQuestionMark(p, c, k);
      break;
    case ButtonIcon::Setup:
      DrawGear(p, c, k);
      break;
    case ButtonIcon::Help:
      p.drawEllipse(c, k * 1.4, k * 1.4);
      p.drawPoint(c + QPointF(0, -k * 0.7));
      p.drawLine(c + QPointF(0, -k * 0.1), c + QPointF(0, k * 0.8));
      break;
    case ButtonIcon::Catalog:
      p.drawRect(Box(c + QPointF(-k * 0.7, 0), k * 0.7, k * 1.1));
      p.drawRect(Box(c + QPointF(k * 0.7, 0), k * 0.7, k * 1.1));
      break;
    case ButtonIcon::ExitMain:
      p.drawArc(Box(c, k * 1.2, k * 1.2), 120 * 16, 300 * 16);
      p.drawLine(c + QPointF(0, -k * 1.5), c + QPointF(0, -k * 0.2));
      break;
    default:
      break;
  }
}

// The publisher's logo and the three pages it offers.
void DrawPublisherIcon(QPainter& p, ButtonIcon icon, QPointF c, double k) {
  switch (icon) {
    case ButtonIcon::PublisherLogo: {
      // A four-pointed sparkle and the name in a gold serif.
      QPainterPath sparkle;
      const QPointF at = c + QPointF(-k * 4.6, 0);
      sparkle.moveTo(at + QPointF(0, -k * 1.5));
      sparkle.quadTo(at, at + QPointF(k * 1.1, 0));
      sparkle.quadTo(at, at + QPointF(0, k * 1.5));
      sparkle.quadTo(at, at + QPointF(-k * 1.1, 0));
      sparkle.quadTo(at, at + QPointF(0, -k * 1.5));
      p.fillPath(sparkle, p.pen().color());
      QFont font("DejaVu Serif");
      font.setBold(true);
      font.setItalic(true);
      font.setPixelSize(static_cast<int>(k * 2.0));
      p.setFont(font);
      p.drawText(QRectF(c.x() - k * 3.2, c.y() - k * 1.5, k * 8.5, k * 3.0), Qt::AlignCenter, "Lumena");
      break;
    }
    case ButtonIcon::Subscribe:
      p.drawRect(Box(c, k * 1.4, k * 0.9));
      p.drawLine(c + QPointF(-k * 1.4, -k * 0.9), c + QPointF(0, k * 0.2));
      p.drawLine(c + QPointF(0, k * 0.2), c + QPointF(k * 1.4, -k * 0.9));
      break;
    case ButtonIcon::MoreGames:
      for (int i = 0; i < 4; ++i)
        p.drawRoundedRect(Box(c + QPointF((i % 2 ? 0.65 : -0.65) * k, (i / 2 ? 0.65 : -0.65) * k), k * 0.5, k * 0.5),
                          k * 0.15, k * 0.15);
      break;
    case ButtonIcon::TellaFriend:
      DrawPerson(p, c + QPointF(-k * 0.6, 0), k * 0.8);
      DrawPerson(p, c + QPointF(k * 0.7, k * 0.1), k * 0.8);
      break;
    default:
      break;
  }
}

// The template types: what each kind of element lays on the portrait.
void DrawTemplateIcon(QPainter& p, ButtonIcon icon, QPointF c, double k) {
  switch (icon) {
    case ButtonIcon::Template: {
      QPolygonF star;
      for (int i = 0; i < 10; ++i) {
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        star << c + QPointF(std::cos(a), std::sin(a)) * k * (i % 2 ? 0.6 : 1.4);
      }
      p.drawPolygon(star);
      break;
    }
    case ButtonIcon::Hairstyles: {
      p.drawEllipse(c + QPointF(0, k * 0.2), k * 0.8, k * 1.0);
      QPainterPath hair;
      hair.moveTo(c + QPointF(-k * 1.3, k * 1.3));
      hair.cubicTo(c + QPointF(-k * 1.6, -k * 1.8), c + QPointF(k * 1.6, -k * 1.8), c + QPointF(k * 1.3, k * 1.3));
      p.drawPath(hair);
      break;
    }
    case ButtonIcon::Makeup:
      p.drawEllipse(c + QPointF(-k * 0.5, k * 0.4), k * 0.9, k * 0.9);
      p.drawLine(c + QPointF(k * 0.3, -k * 0.2), c + QPointF(k * 1.4, -k * 1.4));
      p.drawEllipse(c + QPointF(k * 1.4, -k * 1.4), k * 0.25, k * 0.25);
      break;
    case ButtonIcon::Eyes:
      DrawEye(p, c, k, 1.4, 0.45);
      for (int i = -1; i <= 1; ++i)
        p.drawLine(c + QPointF(i * k * 0.7, -k * 0.75), c + QPointF(i * k * 0.9, -k * 1.25));
      break;
    case ButtonIcon::Lips: {
      QPainterPath lips;
      lips.moveTo(c + QPointF(-k * 1.5, 0));
      lips.quadTo(c + QPointF(-k * 0.6, -k * 1.0), c + QPointF(0, -k * 0.4));
      lips.quadTo(c + QPointF(k * 0.6, -k * 1.0), c + QPointF(k * 1.5, 0));
      lips.quadTo(c + QPointF(0, k * 1.4), c + QPointF(-k * 1.5, 0));
      p.drawPath(lips);
      p.drawLine(c + QPointF(-k * 1.5, 0), c + QPointF(k * 1.5, 0));
      break;
    }
    case ButtonIcon::Nails:
      p.drawRoundedRect(Box(c + QPointF(0, k * 0.3), k * 0.7, k * 1.3), k * 0.7, k * 0.7);
      p.drawEllipse(c + QPointF(0, -k * 0.5), k * 0.4, k * 0.5);
      break;
    case ButtonIcon::Jewellery: {
      p.drawEllipse(c + QPointF(0, k * 0.5), k * 0.9, k * 0.9);
      QPolygonF stone;
      stone << c + QPointF(-k * 0.5, -k * 0.9) << c + QPointF(k * 0.5, -k * 0.9) << c + QPointF(k * 0.7, -k * 0.6)
            << c + QPointF(0, -k * 0.1) << c + QPointF(-k * 0.7, -k * 0.6);
      p.drawPolygon(stone);
      break;
    }
    case ButtonIcon::Clothes: {
      QPolygonF dress;
      dress << c + QPointF(-k * 0.5, -k * 1.4) << c + QPointF(k * 0.5, -k * 1.4) << c + QPointF(k * 0.4, -k * 0.3)
            << c + QPointF(k * 1.2, k * 1.4) << c + QPointF(-k * 1.2, k * 1.4) << c + QPointF(-k * 0.4, -k * 0.3);
      p.drawPolygon(dress);
      break;
    }
    case ButtonIcon::Glasses:
      p.drawEllipse(c + QPointF(-k * 0.85, 0), k * 0.65, k * 0.55);
      p.drawEllipse(c + QPointF(k * 0.85, 0), k * 0.65, k * 0.55);
      p.drawLine(c + QPointF(-k * 0.2, 0), c + QPointF(k * 0.2, 0));
      break;
    case ButtonIcon::Hats:
      p.drawEllipse(c + QPointF(0, k * 0.8), k * 1.5, k * 0.4);
      p.drawRoundedRect(Box(c + QPointF(0, -k * 0.2), k * 0.8, k * 0.9), k * 0.2, k * 0.2);
      break;
    case ButtonIcon::Frames:
      p.drawRect(Box(c, k * 1.3, k * 1.5));
      p.drawRect(Box(c, k * 0.8, k * 1.0));
      for (const double sx : {-1.0, 1.0})
        for (const double sy : {-1.0, 1.0})
          p.drawLine(c + QPointF(sx * k * 0.8, sy * k * 1.0), c + QPointF(sx * k * 1.3, sy * k * 1.5));
      break;
    default:
      break;
  }
}

// The desktop tools, the panels' open and close buttons and the small
// arrows.
void DrawDeskIcon(QPainter& p, ButtonIcon icon, QPointF c, double k) {
  switch (icon) {
    case ButtonIcon::LayerList:
      for (int i = -1; i <= 1; ++i) p.drawRect(Box(c + QPointF(0, i * k * 0.8), k * 1.2, k * 0.3));
      break;
    case ButtonIcon::ClearWork:
      p.drawLine(c + QPointF(k * 1.3, -k * 1.4), c + QPointF(-k * 0.1, k * 0.2));
      for (int i = -2; i <= 2; ++i)
        p.drawLine(c + QPointF(-k * 0.1, k * 0.2), c + QPointF(-k * 1.0 + i * k * 0.3, k * 1.4));
      break;
    case ButtonIcon::Calibration:
      p.drawEllipse(c + QPointF(0, -k * 0.5), k * 0.75, k * 0.75);
      p.drawEllipse(c + QPointF(-k * 0.55, k * 0.45), k * 0.75, k * 0.75);
      p.drawEllipse(c + QPointF(k * 0.55, k * 0.45), k * 0.75, k * 0.75);
      break;
    case ButtonIcon::Preview: {
      p.drawRect(Box(c, k * 1.4, k * 1.1));
      QPolygonF hills;
      hills << c + QPointF(-k * 1.4, k * 1.0) << c + QPointF(-k * 0.4, -k * 0.1) << c + QPointF(k * 0.2, k * 0.5)
            << c + QPointF(k * 0.7, 0) << c + QPointF(k * 1.4, k * 0.8);
      p.drawPolyline(hills);
      p.drawEllipse(c + QPointF(k * 0.7, -k * 0.6), k * 0.2, k * 0.2);
      break;
    }
    case ButtonIcon::Shopping: {
      QPolygonF cart;
      cart << c + QPointF(-k * 1.5, -k * 1.1) << c + QPointF(-k * 1.0, -k * 1.1) << c + QPointF(-k * 0.5, k * 0.5)
           << c + QPointF(k * 1.1, k * 0.5) << c + QPointF(k * 1.4, -k * 0.6) << c + QPointF(-k * 0.8, -k * 0.6);
      p.drawPolyline(cart);
      p.drawEllipse(c + QPointF(-k * 0.3, k * 1.1), k * 0.25, k * 0.25);
      p.drawEllipse(c + QPointF(k * 0.9, k * 1.1), k * 0.25, k * 0.25);
      break;
    }
    case ButtonIcon::PanelOpen:
      p.drawRoundedRect(Box(c, k * 1.3, k * 1.3), k * 0.3, k * 0.3);
      p.drawLine(c + QPointF(-k * 1.3, -k * 0.6), c + QPointF(k * 1.3, -k * 0.6));
      DrawArrow(p, c + QPointF(0, -k * 0.2), c + QPointF(0, k * 0.9), k * 0.5);
      break;
    case ButtonIcon::PanelClose:
      p.drawLine(c + QPointF(-k * 1.2, k * 0.5), c + QPointF(0, -k * 0.6));
      p.drawLine(c + QPointF(0, -k * 0.6), c + QPointF(k * 1.2, k * 0.5));
      break;
    case ButtonIcon::ArrowLeft:
    case ButtonIcon::StripPrevious:
      DrawChevron(p, c, k, -1);
      break;
    case ButtonIcon::ArrowRight:
    case ButtonIcon::StripNext:
      DrawChevron(p, c, k, 1);
      break;
    default:
      break;
  }
}

// What a portrait picture shows: a face, a hand, a body, a figure.
void DrawPortraitKindIcon(QPainter& p, ButtonIcon icon, QPointF c, double k) {
  switch (icon) {
    case ButtonIcon::Face:
      p.drawEllipse(c, k * 1.1, k * 1.4);
      p.drawPoint(c + QPointF(-k * 0.45, -k * 0.3));
      p.drawPoint(c + QPointF(k * 0.45, -k * 0.3));
      p.drawArc(Box(c + QPointF(0, k * 0.3), k * 0.5, k * 0.4), 200 * 16, 140 * 16);
      break;
    case ButtonIcon::Hand:
      p.drawRoundedRect(Box(c + QPointF(0, k * 0.7), k * 0.9, k * 0.7), k * 0.3, k * 0.3);
      for (int i = -1; i <= 2; ++i)
        p.drawLine(c + QPointF(i * k * 0.45 - k * 0.2, 0),
                   c + QPointF(i * k * 0.45 - k * 0.2, -k * (i == 2 ? 0.8 : 1.4)));
      p.drawLine(c + QPointF(-k * 0.9, k * 0.5), c + QPointF(-k * 1.4, -k * 0.2));
      break;
    case ButtonIcon::Body:
      p.drawEllipse(c + QPointF(0, -k * 1.1), k * 0.4, k * 0.4);
      p.drawLine(c + QPointF(0, -k * 0.7), c + QPointF(0, k * 0.5));
      p.drawLine(c + QPointF(-k * 0.9, -k * 0.3), c + QPointF(k * 0.9, -k * 0.3));
      p.drawLine(c + QPointF(0, k * 0.5), c + QPointF(-k * 0.6, k * 1.5));
      p.drawLine(c + QPointF(0, k * 0.5), c + QPointF(k * 0.6, k * 1.5));
      break;
    case ButtonIcon::Figure:
      DrawPerson(p, c, k * 1.2);
      break;
    default:
      break;
  }
}

}  // namespace

void DrawWindowIcon(QPainter& p, ButtonIcon icon, QPointF c, double k) {
  DrawSystemIcon(p, icon, c, k);
  DrawPublisherIcon(p, icon, c, k);
  DrawTemplateIcon(p, icon, c, k);
  DrawDeskIcon(p, icon, c, k);
  DrawPortraitKindIcon(p, icon, c, k);
  DrawTemplatesWindowIcon(p, icon, c, k);
  DrawCameraWindowIcon(p, icon, c, k);
  DrawLoadSaveWindowIcon(p, icon, c, k);
  DrawRegionsWindowIcon(p, icon, c, k);
}

}  // namespace lumena::tools
