#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "paint_tools.h"
#include "random_source.h"
#include "template_kinds.h"

namespace lumena::tools {

namespace {

using Points = std::vector<QPointF>;

enum class HatKind { Fedora, SunHat, Beret, Beanie };

struct HatDesign {
  HatKind kind;
  QColor body;
  QColor band;
};
using Hat = TemplateRow<HatDesign>;

const Hat kHats[] = {
    {{"hat_fedora_black", "Black fedora", "?KIND=FEDORA;?COLOUR=BLACK;?SEASON=AUTUMN;"},
     {HatKind::Fedora, {34, 32, 36}, {120, 24, 30}}},
    {{"hat_straw_sun_hat", "Straw sun hat", "?KIND=SUNHAT;?COLOUR=STRAW;?SEASON=SUMMER;"},
     {HatKind::SunHat, {222, 190, 130}, {28, 36, 70}}},
    {{"hat_red_beret", "Red beret", "?KIND=BERET;?COLOUR=RED;?STYLE=FRENCH;"},
     {HatKind::Beret, {170, 26, 36}, {130, 18, 28}}},
    {{"hat_knit_beanie", "Knitted beanie", "?KIND=BEANIE;?COLOUR=GREY;?SEASON=WINTER;"},
     {HatKind::Beanie, {150, 150, 158}, {236, 232, 226}}},
};

// Cloth lit from the upper left: light on that side, shade on the other
// and towards the bottom.
QBrush ClothBrush(const QColor& colour, const QRectF& over) {
  QLinearGradient gradient(over.topLeft(), over.bottomRight());
  gradient.setColorAt(0, Shade(colour, 0.25));
  gradient.setColorAt(0.5, colour);
  gradient.setColorAt(1, Shade(colour, -0.45));
  return gradient;
}

// Fine specks of lighter and darker fibre over the shape.
void DrawFibre(QPainter& p, const QPainterPath& shape, const QColor& colour, int count, RandomSource& random) {
  p.save();
  p.setClipPath(shape);
  const QRectF box = shape.boundingRect();
  for (int i = 0; i < count; ++i) {
    const QPointF at(random.Uniform(box.left(), box.right()), random.Uniform(box.top(), box.bottom()));
    const QColor speck = Shade(colour, random.Chance(0.5) ? 0.35 : -0.4);
    p.setPen(QPen(WithAlpha(speck, static_cast<int>(random.Uniform(20, 60))), 0.8));
    p.drawLine(at, at + QPointF(random.Uniform(-1.5, 1.5), random.Uniform(-1.5, 1.5)));
  }
  p.restore();
}

void DrawCloth(TemplateCanvas& canvas, Regions regions, const QPainterPath& shape, const QColor& colour,
               RandomSource& random) {
  canvas.Draw(regions, [&](QPainter& p) {
    p.fillPath(shape, ClothBrush(colour, shape.boundingRect()));
    ShadeSides(p, shape);
    DrawFibre(p, shape, colour, static_cast<int>(shape.boundingRect().width() * 6), random);
  });
}

// The shade a hat casts on the hair and forehead below its edge.
void CastShade(TemplateCanvas& canvas, const Points& edge, double depth) {
  Points lower;
  for (const QPointF& p : edge) lower.push_back(p + QPointF(0, depth));
  canvas.DrawSoft({}, ShapeBetween(edge, lower), QColor(30, 20, 16, 120), static_cast<int>(depth / 2));
}

QPainterPath HalfEllipse(QPointF centre, double rx, double ry, bool upper) {
  QPainterPath path;
  const QRectF box(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
  path.moveTo(centre + QPointF(rx, 0));
  path.arcTo(box, 0, upper ? 180 : -180);
  path.closeSubpath();
  return path;
}

// The brim's back half lies behind the crown, its front half before it.
void DrawFedora(TemplateCanvas& canvas, const HatDesign& hat, RandomSource& random) {
  const QPointF brim(226, 142);
  CastShade(canvas, {{70, 142}, {226, 162}, {382, 142}}, 16);
  DrawCloth(canvas, {1}, HalfEllipse(brim, 168, 24, true), Shade(hat.body, -0.25), random);
  const QPainterPath crown = SmoothOutline(Points{
      {112, 144}, {116, 86}, {134, 52}, {176, 36}, {226, 48}, {276, 36}, {318, 52}, {336, 86}, {340, 144}, {226, 152}});
  DrawCloth(canvas, {1}, crown, hat.body, random);
  canvas.Paint([&](QPainter& p) {
    // The pinch in the top.
    StrokePath(p, SmoothCurve(Points{{200, 56}, {226, 51}, {252, 56}}), WithAlpha(Shade(hat.body, -0.6), 150), 3);
  });
  const QPainterPath band = crown.intersected(
      ShapeBetween(Points{{100, 120}, {226, 130}, {352, 120}}, Points{{100, 146}, {226, 156}, {352, 146}}));
  DrawCloth(canvas, {2}, band, hat.band, random);
  DrawCloth(canvas, {1}, HalfEllipse(brim, 168, 24, false), hat.body, random);
  canvas.Paint([&](QPainter& p) {
    StrokePath(p, SmoothCurve(Points{{62, 144}, {226, 165}, {390, 144}}), WithAlpha(Shade(hat.body, 0.35), 90), 1.5);
  });
}

// A wide soft brim round a low rounded crown, woven, with a ribbon.
void DrawSunHat(TemplateCanvas& canvas, const HatDesign& hat, RandomSource& random) {
  const QPointF brim(226, 140);
  CastShade(canvas, {{40, 140}, {226, 178}, {412, 140}}, 24);
  const QPainterPath brimShape =
      SmoothOutline(Points{{20, 146}, {70, 112}, {226, 98}, {382, 112}, {432, 146}, {380, 176}, {226, 186}, {72, 176}});
  DrawCloth(canvas, {1}, brimShape, hat.body, random);
  const QPainterPath crown =
      SmoothOutline(Points{{124, 140}, {130, 86}, {170, 48}, {226, 40}, {282, 48}, {322, 86}, {328, 140}, {226, 150}});
  DrawCloth(canvas, {1}, crown, Shade(hat.body, 0.05), random);
  canvas.Paint([&](QPainter& p) {
    // The weave: rows round the hat crossed by fine stitches.
    for (const QPainterPath* part : {&brimShape, &crown}) {
      p.save();
      p.setClipPath(*part);
      for (double r = 6; r < 220; r += 4.5)
        StrokePath(p, EllipsePath(brim, r, r * 0.24), WithAlpha(Shade(hat.body, -0.35), 60), 0.8);
      p.restore();
    }
  });
  const QPainterPath ribbon = crown.intersected(
      ShapeBetween(Points{{110, 118}, {226, 126}, {342, 118}}, Points{{110, 140}, {226, 150}, {342, 140}}));
  DrawCloth(canvas, {2}, ribbon, hat.band, random);
  DrawCloth(canvas, {2}, SmoothOutline(Points{{300, 128}, {318, 116}, {332, 128}, {318, 140}}), hat.band, random);
}

// A round of soft wool slanted over one side, with a little stalk on top.
void DrawBeret(TemplateCanvas& canvas, const HatDesign& hat, RandomSource& random) {
  CastShade(canvas, {{96, 160}, {226, 170}, {346, 150}}, 12);
  const QPainterPath beret = SmoothOutline(Points{
      {70, 132}, {84, 84}, {150, 46}, {250, 34}, {350, 50}, {396, 88}, {376, 128}, {310, 152}, {220, 162}, {130, 158}});
  DrawCloth(canvas, {1}, beret, hat.body, random);
  const QPainterPath band = ShapeBetween(Points{{100, 148}, {160, 154}, {226, 156}, {300, 146}, {352, 132}},
                                         Points{{104, 160}, {164, 166}, {226, 168}, {302, 158}, {354, 142}});
  DrawCloth(canvas, {2}, band, hat.band, random);
  DrawCloth(canvas, {1}, SmoothOutline(Points{{246, 40}, {250, 28}, {256, 30}, {254, 40}}), Shade(hat.body, -0.2),
            random);
}

// Ribbed cuff, knitted crown and a pom-pom.
void DrawBeanie(TemplateCanvas& canvas, const HatDesign& hat, RandomSource& random) {
  CastShade(canvas, {{94, 158}, {226, 168}, {358, 158}}, 12);
  const QPainterPath crown = HalfEllipse({226, 130}, 132, 108, true);
  DrawCloth(canvas, {1}, crown, hat.body, random);
  canvas.Paint([&](QPainter& p) {
    p.save();
    p.setClipPath(crown);
    // Rows of stitches running up the crown.
    for (double x = 100; x < 360; x += 7) {
      const double lean = (x - 226) * 0.25;
      for (double y = 130; y > 10; y -= 6)
        StrokePath(p,
                   SmoothCurve(Points{{x + lean * (130 - y) / 120 - 3, y - 4},
                                      {x + lean * (130 - y) / 120, y},
                                      {x + lean * (130 - y) / 120 + 3, y - 4}}),
                   WithAlpha(Shade(hat.body, -0.45), 70), 1.2);
    }
    p.restore();
  });
  const QPainterPath cuff =
      ShapeBetween(Points{{90, 122}, {226, 108}, {362, 122}}, Points{{94, 160}, {226, 170}, {358, 160}});
  DrawCloth(canvas, {2}, cuff, hat.band, random);
  canvas.Paint([&](QPainter& p) {
    p.save();
    p.setClipPath(cuff);
    for (double x = 92; x < 362; x += 5)
      StrokePath(p, SmoothCurve(Points{{x, 100}, {x, 175}}), WithAlpha(Shade(hat.band, -0.35), 80), 1.4);
    p.restore();
  });
  // The pom-pom: a ball of short strands.
  canvas.Draw({2}, [&](QPainter& p) {
    const QPointF middle(226, 22);
    SoftEllipse(p, middle, 28, 24, Shade(hat.band, -0.2), 0.75);
    for (int i = 0; i < 420; ++i) {
      const double a = random.Uniform(0, 6.283), r = std::sqrt(random.Uniform(0, 1)) * 24;
      const QPointF from = middle + QPointF(std::cos(a), std::sin(a)) * r;
      const QPointF to = from + QPointF(std::cos(a), std::sin(a)) * random.Uniform(2, 6);
      StrokePath(p, SmoothCurve(Points{from, to}), WithAlpha(Shade(hat.band, random.Uniform(-0.3, 0.3)), 180), 1.1);
    }
  });
}

void DrawHat(TemplateCanvas& canvas, const HatDesign& hat, RandomSource& random) {
  switch (hat.kind) {
    case HatKind::Fedora:
      return DrawFedora(canvas, hat, random);
    case HatKind::SunHat:
      return DrawSunHat(canvas, hat, random);
    case HatKind::Beret:
      return DrawBeret(canvas, hat, random);
    case HatKind::Beanie:
      return DrawBeanie(canvas, hat, random);
  }
}

}  // namespace

void DrawHats(TemplateWriter& writer) { WriteTable(writer, kHats, Placement::Face, DrawHat); }

}  // namespace lumena::tools
