#include <QLinearGradient>
#include <cmath>
#include <numbers>

#include "paint_tools.h"
#include "random_source.h"
#include "standard_face.h"
#include "template_kinds.h"

namespace lumena::tools {

namespace {

using Points = std::vector<QPointF>;

enum class FrameStyle { Gilded, Wood, OvalMat, Flowers };

struct FrameLook {
  FrameStyle style;
  QColor frame;
  QColor ornament;
  double border;
};
using PictureFrame = TemplateRow<FrameLook>;

const PictureFrame kFrames[] = {
    {{"frame_gilded", "Gilded frame", "?STYLE=CLASSIC,ORNATE;?COLOUR=GOLD;"},
     {FrameStyle::Gilded, {206, 164, 74}, {236, 204, 120}, 34}},
    {{"frame_dark_wood", "Dark wood", "?STYLE=CLASSIC;?COLOUR=BROWN;"},
     {FrameStyle::Wood, {92, 56, 34}, {210, 170, 90}, 28}},
    {{"frame_cream_oval", "Cream oval mount", "?STYLE=VINTAGE,OVAL;?COLOUR=CREAM;"},
     {FrameStyle::OvalMat, {240, 232, 214}, {196, 160, 86}, 0}},
    {{"frame_spring_flowers", "Spring flowers", "?STYLE=FLORAL,SPRING;?COLOUR=PINK,GREEN;"},
     {FrameStyle::Flowers, {250, 226, 232}, {232, 104, 150}, 22}},
};

QRectF Whole() { return QRectF(QPointF(0, 0), QSizeF(standard_face::kPortrait)); }

// The portrait's rectangle moved in by `inset` on every side.
QPainterPath Inside(double inset) {
  QPainterPath path;
  path.addRect(Whole().adjusted(inset, inset, -inset, -inset));
  return path;
}

QPainterPath Border(double width) { return Inside(0).subtracted(Inside(width)); }

// A moulding: bands of the frame's colour, lit on the upper left, shaded
// on the lower right, stepping down towards the picture.
void DrawMoulding(QPainter& p, const FrameLook& f) {
  const int steps = 6;
  for (int i = 0; i < steps; ++i) {
    const double inset = f.border * i / steps;
    const QRectF band = Whole().adjusted(inset, inset, -inset, -inset);
    QLinearGradient light(band.topLeft(), band.bottomRight());
    const double lift = (i % 2 == 0 ? 0.3 : -0.1) - i * 0.03;
    light.setColorAt(0, Shade(f.frame, lift + 0.2));
    light.setColorAt(0.5, Shade(f.frame, lift));
    light.setColorAt(1, Shade(f.frame, lift - 0.35));
    QPainterPath ring;
    ring.addRect(band);
    QPainterPath inner;
    inner.addRect(band.adjusted(f.border / steps, f.border / steps, -f.border / steps, -f.border / steps));
    p.fillPath(ring.subtracted(inner), light);
  }
}

// Grain runs along each side: across the top and bottom, down the sides.
void DrawWoodGrain(QPainter& p, const FrameLook& f, RandomSource& random) {
  const QRectF whole = Whole();
  QPainterPath across, down;
  across.addRect(whole.adjusted(0, 0, 0, -(whole.height() - f.border)));
  across.addRect(whole.adjusted(0, whole.height() - f.border, 0, 0));
  down = Border(f.border).subtracted(across);
  for (const bool horizontal : {true, false}) {
    p.save();
    p.setClipPath(horizontal ? across : down);
    for (int i = 0; i < 90; ++i) {
      const double at = random.Uniform(-10, 500);
      Points line;
      for (int k = 0; k < 7; ++k) {
        const double along = k * 80.0 - 20, wobble = random.Normal(0, 1.4);
        line.push_back(horizontal ? QPointF(along, at + wobble) : QPointF(at + wobble, along));
      }
      StrokePath(p, SmoothCurve(line), WithAlpha(Shade(f.frame, random.Uniform(-0.5, 0.25)), 70),
                 random.Uniform(0.6, 1.8));
    }
    p.restore();
  }
}

// The shade a frame throws on the picture just inside it.
void DrawInnerShade(QPainter& p, const QPainterPath& opening) {
  p.save();
  p.setClipPath(opening);
  for (int i = 0; i < 8; ++i) StrokePath(p, opening, QColor(0, 0, 0, 14), 2 + i * 2.5);
  p.restore();
}

// A rosette of petals, drawn at the corners and the middles of the sides.
void DrawRosette(QPainter& p, QPointF centre, double size, const QColor& colour, int petals) {
  for (int i = 0; i < petals; ++i) {
    const double a = i * 2 * std::numbers::pi / petals;
    SoftEllipse(p, centre + QPointF(std::cos(a), std::sin(a)) * size * 0.55, size * 0.5, size * 0.3, colour, 0.65,
                i * 360.0 / petals);
  }
  SoftEllipse(p, centre, size * 0.3, size * 0.3, Shade(colour, 0.35), 0.6);
}

Points OrnamentPlaces(double inset) {
  const QRectF r = Whole().adjusted(inset, inset, -inset, -inset);
  return {r.topLeft(),
          r.topRight(),
          r.bottomLeft(),
          r.bottomRight(),
          {r.center().x(), r.top()},
          {r.center().x(), r.bottom()},
          {r.left(), r.center().y()},
          {r.right(), r.center().y()}};
}

void DrawGilded(TemplateCanvas& canvas, const FrameLook& f) {
  canvas.Draw({1}, [&](QPainter& p) {
    DrawMoulding(p, f);
    DrawInnerShade(p, Inside(f.border));
  });
  canvas.Draw({2}, [&](QPainter& p) {
    for (const QPointF at : OrnamentPlaces(f.border / 2)) DrawRosette(p, at, 16, f.ornament, 8);
    // Beads along the inner edge.
    const QRectF r = Whole().adjusted(f.border - 4, f.border - 4, 4 - f.border, 4 - f.border);
    for (double x = r.left(); x <= r.right(); x += 8)
      for (const double y : {r.top(), r.bottom()}) SoftEllipse(p, {x, y}, 2.2, 2.2, Shade(f.ornament, 0.2), 0.5);
    for (double y = r.top(); y <= r.bottom(); y += 8)
      for (const double x : {r.left(), r.right()}) SoftEllipse(p, {x, y}, 2.2, 2.2, Shade(f.ornament, 0.2), 0.5);
  });
}

void DrawWood(TemplateCanvas& canvas, const FrameLook& f, RandomSource& random) {
  canvas.Draw({1}, [&](QPainter& p) {
    DrawMoulding(p, f);
    DrawWoodGrain(p, f, random);
    DrawInnerShade(p, Inside(f.border + 4));
  });
  // A fine gilt fillet between the wood and the picture.
  canvas.Draw({2}, [&](QPainter& p) { StrokePath(p, Inside(f.border + 2), f.ornament, 3); });
}

void DrawOvalMat(TemplateCanvas& canvas, const FrameLook& f, RandomSource& random) {
  const QPointF middle = Whole().center() + QPointF(0, -8);
  const QPainterPath oval = EllipsePath(middle, 178, 212);
  const QPainterPath mat = Inside(0).subtracted(oval);
  canvas.DrawSoft({1}, mat, f.frame, 4);
  canvas.Paint([&](QPainter& p) {
    p.setClipPath(mat);
    for (int i = 0; i < 2500; ++i)
      SoftEllipse(p, {random.Uniform(0, 445), random.Uniform(0, 492)}, 1.2, 1.2,
                  WithAlpha(Shade(f.frame, random.Uniform(-0.2, 0.1)), 60), 0.3);
  });
  canvas.Draw({2}, [&](QPainter& p) { StrokePath(p, EllipsePath(middle, 184, 218), f.ornament, 2.5); });
}

void DrawFlowerBorder(TemplateCanvas& canvas, const FrameLook& f, RandomSource& random) {
  canvas.Draw({1}, [&](QPainter& p) {
    p.fillPath(Border(f.border), f.frame);
    DrawInnerShade(p, Inside(f.border));
  });
  canvas.Draw({2}, [&](QPainter& p) {
    const Points places = OrnamentPlaces(f.border + 6);
    for (const QPointF corner : std::span(places).first(4)) {
      for (int leaf = 0; leaf < 6; ++leaf) {
        const QPointF at = corner + QPointF(random.Normal(0, 18), random.Normal(0, 18));
        SoftEllipse(p, at, 10, 4, QColor(96, 150, 80, 220), 0.6, random.Uniform(0, 180));
      }
      for (int bloom = 0; bloom < 5; ++bloom) {
        const QPointF at = corner + QPointF(random.Normal(0, 16), random.Normal(0, 16));
        DrawRosette(p, at, random.Uniform(10, 16), Shade(f.ornament, random.Uniform(-0.15, 0.35)), 5);
      }
    }
  });
}

void DrawPictureFrame(TemplateCanvas& canvas, const FrameLook& f, RandomSource& random) {
  switch (f.style) {
    case FrameStyle::Gilded:
      return DrawGilded(canvas, f);
    case FrameStyle::Wood:
      return DrawWood(canvas, f, random);
    case FrameStyle::OvalMat:
      return DrawOvalMat(canvas, f, random);
    case FrameStyle::Flowers:
      return DrawFlowerBorder(canvas, f, random);
  }
}

}  // namespace

void DrawFrames(TemplateWriter& writer) { WriteTable(writer, kFrames, Placement::Work, DrawPictureFrame); }

}  // namespace lumena::tools
