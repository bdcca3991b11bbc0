#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QTransform>
#include <cmath>
#include <numbers>

#include "lens_shapes.h"
#include "paint_tools.h"
#include "random_source.h"
#include "standard_face.h"
#include "template_kinds.h"

namespace lumena::tools {

namespace {

enum class Finish { Metal, Acetate, Tortoise };

struct SpectacleDesign {
  LensShape shape;
  double width, height;  // of one lens
  Finish finish;
  QColor frame;
  double rim;
  QColor tintTop, tintBottom;  // the lenses, see-through
  bool browline;               // a heavy upper rim over a fine lower one
};
using Spectacles = TemplateRow<SpectacleDesign>;

const QColor kClearTop(226, 234, 246, 62), kClearBottom(226, 234, 246, 38);

const Spectacles kSpectacles[] = {
    {{"glasses_round_gold", "Round, gold wire", "?KIND=GLASSES;?SHAPE=ROUND;?COLOUR=GOLD;"},
     {LensShape::Round, 52, 50, Finish::Metal, {214, 176, 96}, 1.8, kClearTop, kClearBottom, false}},
    {{"glasses_black_rectangle", "Rectangular, black", "?KIND=GLASSES;?SHAPE=RECTANGLE;?COLOUR=BLACK;"},
     {LensShape::Rectangle, 62, 38, Finish::Acetate, {22, 20, 22}, 4.5, kClearTop, kClearBottom, false}},
    {{"glasses_tortoise_cat_eye", "Cat-eye, tortoiseshell", "?KIND=GLASSES;?SHAPE=CATEYE;?COLOUR=BROWN;"},
     {LensShape::CatEye, 62, 40, Finish::Tortoise, {122, 66, 30}, 4.5, kClearTop, kClearBottom, false}},
    {{"glasses_rose_hexagon", "Hexagonal, rose crystal", "?KIND=GLASSES;?SHAPE=HEXAGON;?COLOUR=PINK;"},
     {LensShape::Hexagon, 58, 46, Finish::Acetate, {232, 158, 172, 190}, 3.5, kClearTop, kClearBottom, false}},
    {{"glasses_browline", "Browline, black and silver", "?KIND=GLASSES;?SHAPE=BROWLINE;?COLOUR=BLACK,SILVER;"},
     {LensShape::Rectangle, 60, 40, Finish::Metal, {196, 198, 204}, 1.5, kClearTop, kClearBottom, true}},
    {{"sunglasses_aviator", "Aviator sunglasses", "?KIND=SUNGLASSES;?SHAPE=AVIATOR;?COLOUR=GOLD,GREEN;"},
     {LensShape::Aviator, 64, 52, Finish::Metal, {214, 176, 96}, 1.8, {52, 62, 52, 200}, {104, 116, 96, 135}, false}},
    {{"sunglasses_oversized_black", "Oversized sunglasses", "?KIND=SUNGLASSES;?SHAPE=SQUARE;?COLOUR=BLACK;"},
     {LensShape::Square, 72, 58, Finish::Acetate, {18, 16, 18}, 5.5, {28, 24, 26, 210}, {76, 64, 62, 140}, false}},
    {{"sunglasses_round_blue", "Round mirrored sunglasses", "?KIND=SUNGLASSES;?SHAPE=ROUND;?COLOUR=BLUE,SILVER;"},
     {LensShape::Round, 54, 52, Finish::Metal, {196, 200, 206}, 1.6, {36, 84, 168, 200}, {120, 172, 224, 140}, false}},
};

// The frame sits level with the eyes, its lenses a little below the pupils.
struct FramePlace {
  QPointF middle;
  double tilt;  // degrees
  double half;  // from the middle to each lens centre
};

FramePlace PlaceOnEyes() {
  const QPointF l = standard_face::kLeftPupil, r = standard_face::kRightPupil;
  const QPointF d = r - l;
  return {(l + r) / 2 + QPointF(0, 3), std::atan2(d.y(), d.x()) * 180 / std::numbers::pi, std::hypot(d.x(), d.y()) / 2};
}

// Plane coordinates of a lens's own: +x away from the nose.
QTransform LensTransform(const FramePlace& place, double side) {
  QTransform t;
  t.translate(place.middle.x(), place.middle.y());
  t.rotate(place.tilt);
  t.translate(side * place.half, 0);
  t.scale(side, 1);
  return t;
}

QTransform FrameTransform(const FramePlace& place) {
  QTransform t;
  t.translate(place.middle.x(), place.middle.y());
  t.rotate(place.tilt);
  return t;
}

struct FrameShapes {
  QPainterPath lenses, rims, bridge, temples, browline;
};

QPainterPath Stroke(const QPainterPath& path, double width) {
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(Qt::RoundCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  return stroker.createStroke(path);
}

FrameShapes ShapesOf(const SpectacleDesign& s) {
  const FramePlace place = PlaceOnEyes();
  FrameShapes shapes;
  const QPainterPath lens = LensOutline(s.shape, s.width, s.height);
  const QRectF upper(-s.width, -s.height, s.width * 2, s.height * 0.85);
  QPainterPath upperHalf;
  upperHalf.addRect(upper);
  for (const double side : {-1.0, 1.0}) {
    const QTransform t = LensTransform(place, side);
    shapes.lenses.addPath(t.map(lens));
    shapes.rims.addPath(t.map(Stroke(lens, s.rim)));
    if (s.browline) shapes.browline.addPath(t.map(Stroke(lens, s.rim * 3.4).intersected(upperHalf)));
    // The temple leaves the outer top corner and runs back past the cheek.
    QPainterPath temple(QPointF(s.width / 2 - 1, -s.height * 0.3));
    temple.cubicTo(QPointF(s.width / 2 + 8, -s.height * 0.32), QPointF(s.width / 2 + 16, -s.height * 0.28),
                   QPointF(s.width / 2 + 24, -s.height * 0.2));
    shapes.temples.addPath(t.map(Stroke(temple, std::max(2.0, s.rim * 0.9))));
  }
  // The bridge arches between the lenses' inner edges, a little above their middle.
  const double inner = place.half - s.width / 2;
  const double rise = s.finish == Finish::Metal ? 0.38 : 0.3;
  QPainterPath bridge(QPointF(-inner - 2, -s.height * 0.18));
  bridge.cubicTo(QPointF(-inner / 2, -s.height * rise), QPointF(inner / 2, -s.height * rise),
                 QPointF(inner + 2, -s.height * 0.18));
  if (s.shape == LensShape::Aviator) {
    bridge.moveTo(-inner - 4, -s.height * 0.46);
    bridge.lineTo(inner + 4, -s.height * 0.46);
  }
  shapes.bridge = FrameTransform(place).map(Stroke(bridge, s.finish == Finish::Metal ? s.rim + 0.4 : s.rim));
  return shapes;
}

// Metal shines along its length; acetate is a solid colour with a sheen.
QBrush FrameBrush(const SpectacleDesign& s) {
  const QPointF middle = PlaceOnEyes().middle;
  QLinearGradient gradient(middle + QPointF(0, -s.height / 2), middle + QPointF(0, s.height / 2));
  const double contrast = s.finish == Finish::Metal ? 0.45 : 0.12;
  gradient.setColorAt(0, Shade(s.frame, contrast));
  gradient.setColorAt(0.45, s.frame);
  gradient.setColorAt(0.55, Shade(s.frame, -contrast));
  gradient.setColorAt(1, Shade(s.frame, contrast * 0.5));
  return gradient;
}

void DrawLenses(TemplateCanvas& canvas, const SpectacleDesign& s, const FrameShapes& shapes) {
  const QPointF middle = PlaceOnEyes().middle;
  QLinearGradient tint(middle + QPointF(0, -s.height / 2), middle + QPointF(0, s.height / 2));
  tint.setColorAt(0, s.tintTop);
  tint.setColorAt(1, s.tintBottom);
  canvas.Draw({2}, [&](QPainter& p) {
    p.fillPath(shapes.lenses, tint);
    // A light falling across the glass from the upper left.
    p.setClipPath(shapes.lenses);
    QLinearGradient glare(middle + QPointF(-40, -30), middle + QPointF(-20, 10));
    glare.setColorAt(0, QColor(255, 255, 255, 0));
    glare.setColorAt(0.5, QColor(255, 255, 255, 70));
    glare.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(shapes.lenses.boundingRect(), glare);
  });
}

void DrawTortoiseSpots(QPainter& p, const QPainterPath& area, const QColor& base, RandomSource& random) {
  p.save();
  p.setClipPath(area);
  const QRectF box = area.boundingRect();
  for (int i = 0; i < 90; ++i) {
    const QPointF c(random.Uniform(box.left(), box.right()), random.Uniform(box.top(), box.bottom()));
    const bool dark = random.Chance(0.6);
    SoftEllipse(p, c, random.Uniform(2, 5), random.Uniform(1.5, 3.5),
                dark ? WithAlpha(Shade(base, -0.6), 200) : WithAlpha(QColor(214, 150, 70), 170), 0.3,
                random.Uniform(0, 180));
  }
  p.restore();
}

void DrawFrame(TemplateCanvas& canvas, const SpectacleDesign& s, const FrameShapes& shapes, RandomSource& random) {
  const QPainterPath front = shapes.rims.united(shapes.bridge).united(shapes.browline);
  // The frame's soft shadow on the face beneath it.
  canvas.DrawSoft({}, shapes.temples.united(front).translated(0, 3), QColor(40, 24, 20, 46), 2);
  const PaintRoutine paint = [&](QPainter& p) {
    p.fillPath(shapes.temples, Shade(s.frame, -0.2));
    p.fillPath(front, FrameBrush(s));
    if (s.browline) p.fillPath(shapes.browline, QColor(24, 22, 24));
    if (s.finish == Finish::Tortoise) DrawTortoiseSpots(p, front.united(shapes.temples), s.frame, random);
  };
  canvas.Draw({1}, paint);
  canvas.Unmark({2}, paint);
}

void DrawSpectacles(TemplateCanvas& canvas, const SpectacleDesign& spectacles, RandomSource& random) {
  const FrameShapes shapes = ShapesOf(spectacles);
  DrawLenses(canvas, spectacles, shapes);
  DrawFrame(canvas, spectacles, shapes, random);
}

}  // namespace

void DrawGlasses(TemplateWriter& writer) { WriteTable(writer, kSpectacles, Placement::Face, DrawSpectacles); }

}  // namespace lumena::tools
