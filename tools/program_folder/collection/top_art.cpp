#include <QLinearGradient>
#include <cmath>

#include "paint_tools.h"
#include "random_source.h"
#include "template_kinds.h"

namespace lumena::tools {

namespace {

using Points = std::vector<QPointF>;

enum class Collar { PeterPan, Bow, Turtleneck, Pointed };
enum class Fabric { Cotton, Silk, Knit };

struct TopDesign {
  QColor body;
  Fabric fabric;
  Collar collar;
  QColor trim;
};
using Top = TemplateRow<TopDesign>;

const Top kTops[] = {
    {{"top_navy_peter_pan", "Navy dress, white collar", "?KIND=DRESS;?COLLAR=ROUND;?COLOUR=BLUE,WHITE;"},
     {{30, 40, 78}, Fabric::Cotton, Collar::PeterPan, {246, 244, 238}}},
    {{"top_cream_bow_blouse", "Cream blouse with a bow", "?KIND=BLOUSE;?COLLAR=BOW;?COLOUR=CREAM;"},
     {{236, 224, 200}, Fabric::Silk, Collar::Bow, {222, 206, 176}}},
    {{"top_camel_turtleneck", "Camel turtleneck", "?KIND=KNIT;?COLLAR=TURTLENECK;?COLOUR=BEIGE;?SEASON=WINTER;"},
     {{184, 136, 88}, Fabric::Knit, Collar::Turtleneck, {174, 126, 80}}},
    {{"top_blue_shirt", "Blue shirt", "?KIND=SHIRT;?COLLAR=POINTED;?COLOUR=BLUE;"},
     {{150, 182, 220}, Fabric::Cotton, Collar::Pointed, {160, 190, 226}}},
};

// The neckline just above where the sample's own top begins, so that none
// of it shows; the shoulders slope out to the portrait's sides.
const Points kNeckline{{142, 372}, {168, 382}, {200, 386}, {224, 389}, {252, 387}, {274, 380}, {292, 368}};

QPainterPath BodyShape() {
  Points outline{{0, 492}, {0, 420}, {40, 410}, {100, 392}};
  outline.insert(outline.end(), kNeckline.begin(), kNeckline.end());
  for (const QPointF p : {QPointF(340, 388), QPointF(405, 408), QPointF(445, 418), QPointF(445, 492)})
    outline.push_back(p);
  const std::vector<QPointF> smooth = SampleCurve(outline, 120);
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(smooth.begin(), smooth.end())));
  path.closeSubpath();
  return path;
}

// Folds down the front, and shade towards the sides.
void DrawFolds(QPainter& p, const QPainterPath& body, const TopDesign& top, RandomSource& random) {
  ShadeSides(p, body);
  p.save();
  p.setClipPath(body);
  for (int i = 0; i < 9; ++i) {
    const double x = random.Uniform(120, 330);
    const double lean = (x - 222) * random.Uniform(0.4, 0.9);
    SoftEllipse(p, {x + lean * 0.5, 450}, random.Uniform(5, 10), 60,
                QColor(0, 0, 0, top.fabric == Fabric::Silk ? 46 : 30), 0.1, lean * 0.2);
    if (top.fabric == Fabric::Silk)
      SoftEllipse(p, {x + lean * 0.5 + 8, 450}, 4, 50, QColor(255, 255, 255, 46), 0.1, lean * 0.2);
  }
  if (top.fabric == Fabric::Knit)
    for (double x = -40; x < 490; x += 5)
      StrokePath(p, SmoothCurve(Points{{x, 360}, {x + (x - 222) * 0.06, 492}}), QColor(0, 0, 0, 34), 1.6);
  p.restore();
}

// The collar's two halves meet at the front of the neck.
constexpr double kFrontMiddle = 222;

QPainterPath BothSides(const Points& left, bool smooth) {
  QPainterPath collar;
  for (const Points& half : {left, Mirrored(left, kFrontMiddle)}) {
    if (smooth) {
      collar.addPath(SmoothOutline(half));
      continue;
    }
    collar.addPolygon(QPolygonF(QList<QPointF>(half.begin(), half.end())));
    collar.closeSubpath();
  }
  return collar.simplified();
}

QPainterPath PeterPanCollar() {
  return BothSides({{220, 388}, {182, 386}, {148, 374}, {136, 384}, {152, 408}, {186, 418}, {214, 414}}, true);
}

QPainterPath PointedCollar() {
  return BothSides({{222, 392}, {192, 386}, {158, 374}, {138, 372}, {150, 398}, {188, 432}, {218, 404}}, false);
}

QPainterPath TurtleneckCollar() {
  return ShapeBetween(Points{{150, 356}, {186, 366}, {222, 370}, {258, 366}, {292, 352}},
                      Points{{138, 396}, {180, 410}, {222, 414}, {264, 410}, {300, 392}});
}

QPainterPath Bow() {
  QPainterPath bow;
  bow.addPath(SmoothOutline(Points{{222, 400}, {196, 380}, {176, 384}, {172, 404}, {184, 418}, {206, 412}}));
  bow.addPath(SmoothOutline(Points{{222, 400}, {248, 380}, {268, 384}, {272, 404}, {260, 418}, {238, 412}}));
  bow.addPath(SmoothOutline(Points{{214, 404}, {198, 440}, {186, 478}, {204, 482}, {224, 408}}));
  bow.addPath(SmoothOutline(Points{{230, 404}, {246, 436}, {262, 474}, {246, 480}, {220, 408}}));
  bow.addPath(EllipsePath({222, 401}, 10, 9));
  // The band round the neck that the bow is tied from.
  bow.addPath(ShapeBetween(kNeckline,
                           Points{{142, 384}, {168, 394}, {200, 398}, {224, 401}, {252, 399}, {274, 392}, {292, 380}}));
  return bow.simplified();
}

QPainterPath CollarShape(Collar collar) {
  switch (collar) {
    case Collar::PeterPan:
      return PeterPanCollar();
    case Collar::Bow:
      return Bow();
    case Collar::Turtleneck:
      return TurtleneckCollar();
    case Collar::Pointed:
      return PointedCollar();
  }
  return {};
}

void DrawTrim(TemplateCanvas& canvas, const TopDesign& top) {
  const QPainterPath trim = CollarShape(top.collar);
  // The collar's shade on the cloth below it.
  canvas.DrawSoft({}, trim.translated(0, 4), QColor(0, 0, 0, 70), 3);
  canvas.Draw({2}, [&](QPainter& p) {
    QLinearGradient light(0, 350, 0, 470);
    light.setColorAt(0, Shade(top.trim, 0.15));
    light.setColorAt(1, Shade(top.trim, -0.25));
    p.fillPath(trim, light);
    StrokePath(p, trim, WithAlpha(Shade(top.trim, -0.4), 120), 1);
    if (top.collar == Collar::Turtleneck) {
      // The roll of the collar: lit on top, shaded where it folds over.
      const Points fold{{146, 372}, {184, 383}, {222, 387}, {260, 383}, {296, 368}};
      p.setClipPath(trim);
      StrokePath(p, SmoothCurve(fold), WithAlpha(Shade(top.trim, -0.5), 150), 3);
      StrokePath(p, SmoothCurve(fold).translated(0, -8), WithAlpha(Shade(top.trim, 0.3), 90), 6);
    }
  });
  if (top.collar != Collar::Pointed) return;
  canvas.Draw({2}, [&](QPainter& p) {
    for (double y = 420; y < 492; y += 26) {
      SoftEllipse(p, {222, y}, 3.4, 3.4, Shade(top.trim, 0.5), 0.7);
      StrokePath(p, EllipsePath({222, y}, 3.4, 3.4), WithAlpha(Shade(top.trim, -0.5), 120), 0.8);
    }
  });
}

void DrawTop(TemplateCanvas& canvas, const TopDesign& top, RandomSource& random) {
  const QPainterPath body = BodyShape();
  canvas.Draw({1}, [&](QPainter& p) {
    p.fillPath(body, top.body);
    DrawFolds(p, body, top, random);
  });
  canvas.Feather(1);
  DrawTrim(canvas, top);
}

}  // namespace

void DrawTops(TemplateWriter& writer) { WriteTable(writer, kTops, Placement::Body, DrawTop); }

}  // namespace lumena::tools
