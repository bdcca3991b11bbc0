#include <QLinearGradient>
#include <cmath>

#include "paint_tools.h"
#include "random_source.h"
#include "standard_face.h"
#include "template_kinds.h"

namespace lumena::tools {

namespace {

using Points = std::vector<QPointF>;
using standard_face::EyeOutline;

struct EyeMakeup {
  QColor lid;     // the shadow on the lid
  QColor crease;  // the deeper shade at the outer corner
  int shadowAlpha;
  double shadowHeight;  // how far above the lid the shadow reaches
  QColor liner;
  double linerWidth;
  double wing;  // the flick past the outer corner, in pixels
  bool lowerLiner;
  double lashLength;
  bool shimmer;
};
using EyeLook = TemplateRow<EyeMakeup>;

const EyeLook kEyeLooks[] = {
    {{"eyes_natural_taupe", "Natural taupe", "?STYLE=NATURAL,DAY;?COLOUR=BROWN;"},
     {{168, 128, 108}, {120, 84, 70}, 120, 11, {70, 44, 34}, 1.2, 0, false, 3, false}},
    {{"eyes_smoky_charcoal", "Smoky charcoal", "?STYLE=SMOKY,EVENING;?COLOUR=BLACK;"},
     {{82, 76, 82}, {30, 26, 32}, 190, 15, {16, 14, 18}, 2.0, 4, true, 4.2, false}},
    {{"eyes_winged_liner", "Winged liner", "?STYLE=WINGED,CLASSIC;?COLOUR=BLACK;"},
     {{214, 180, 160}, {170, 130, 112}, 90, 10, {12, 10, 14}, 2.2, 11, false, 3.9, false}},
    {{"eyes_golden_glow", "Golden glow", "?STYLE=SHIMMER,EVENING;?COLOUR=GOLD;"},
     {{214, 170, 84}, {132, 84, 40}, 160, 13, {66, 40, 24}, 1.5, 3, false, 3.6, true}},
    {{"eyes_plum_haze", "Plum haze", "?STYLE=SMOKY;?COLOUR=PURPLE;"},
     {{150, 86, 132}, {84, 34, 72}, 165, 13, {52, 20, 44}, 1.6, 3, true, 3.6, false}},
    {{"eyes_ocean_blue", "Ocean blue", "?STYLE=COLOUR,PARTY;?COLOUR=BLUE;"},
     {{72, 132, 206}, {30, 60, 128}, 170, 12, {18, 28, 70}, 1.8, 8, false, 3.6, true}},
    {{"eyes_rose_gold", "Rose gold", "?STYLE=SHIMMER,DAY;?COLOUR=PINK;"},
     {{222, 146, 132}, {168, 96, 90}, 150, 12, {96, 56, 46}, 1.3, 2, false, 3.3, true}},
    {{"eyes_emerald", "Emerald", "?STYLE=COLOUR,EVENING;?COLOUR=GREEN;"},
     {{60, 146, 98}, {22, 78, 52}, 175, 13, {14, 30, 22}, 1.8, 5, true, 3.9, false}},
};

// Where along the upper lid a share (0 inner corner, 1 outer) lies: a
// curve through the corners and the lid's top.
Points UpperLid(const EyeOutline& eye, int count) {
  return SampleCurve(Points{eye.inner, Lerp(eye.inner, eye.top, 0.5) + QPointF(0, -2.5), eye.top,
                            Lerp(eye.top, eye.outer, 0.5) + QPointF(0, -2.5), eye.outer},
                     count);
}

Points LowerLid(const EyeOutline& eye, int count) {
  return SampleCurve(Points{eye.inner, Lerp(eye.inner, eye.bottom, 0.5) + QPointF(0, 1.5), eye.bottom,
                            Lerp(eye.bottom, eye.outer, 0.5) + QPointF(0, 1.5), eye.outer},
                     count);
}

// Outward: from the inner corner towards the outer one.
QPointF Outward(const EyeOutline& eye) {
  const QPointF d = eye.outer - eye.inner;
  return d / std::hypot(d.x(), d.y());
}

QPainterPath ShadowArea(const EyeOutline& eye, double height, double reach) {
  const QPointF out = Outward(eye);
  Points top{eye.inner + QPointF(0, -2), eye.top + QPointF(0, -height),
             eye.outer + out * reach + QPointF(0, -height * 0.55), eye.outer + out * (reach + 2)};
  return ShapeBetween(UpperLid(eye, 12), top);
}

void DrawShadow(TemplateCanvas& canvas, const EyeOutline& eye, const EyeMakeup& look) {
  QLinearGradient fade(0, eye.top.y(), 0, eye.top.y() - look.shadowHeight);
  fade.setColorAt(0, WithAlpha(look.lid, look.shadowAlpha));
  fade.setColorAt(0.6, WithAlpha(look.lid, look.shadowAlpha * 2 / 3));
  fade.setColorAt(1, WithAlpha(look.lid, look.shadowAlpha / 4));
  canvas.DrawSoft({1}, ShadowArea(eye, look.shadowHeight, 6), fade, 2);
  // The deeper shade in the outer corner and along the crease.
  const QPointF out = Outward(eye);
  QPainterPath corner;
  corner.addEllipse(eye.outer - out * 8 + QPointF(0, -5), 11, 6);
  canvas.DrawSoft({1}, corner, WithAlpha(look.crease, look.shadowAlpha * 3 / 4), 3);
  if (look.shimmer) {
    canvas.Draw({1}, [&](QPainter& p) {
      SoftEllipse(p, eye.top + QPointF(-out.x() * 3, -4), 8, 3.5, WithAlpha(Shade(look.lid, 0.6), 110), 0.1);
    });
  }
}

// A stroke along the points whose width runs from `from` to `to`.
QPainterPath TaperedStroke(const Points& line, double from, double to) {
  Points left, right;
  for (size_t i = 0; i < line.size(); ++i) {
    const QPointF d = line[std::min(i + 1, line.size() - 1)] - line[i > 0 ? i - 1 : 0];
    const QPointF n = QPointF(-d.y(), d.x()) / std::max(1e-6, std::hypot(d.x(), d.y()));
    const double w = (from + (to - from) * i / (line.size() - 1)) / 2;
    left.push_back(line[i] + n * w);
    right.push_back(line[i] - n * w);
  }
  return ShapeBetween(left, right);
}

void DrawLiner(TemplateCanvas& canvas, const EyeOutline& eye, const EyeMakeup& look) {
  Points line = UpperLid(eye, 14);
  for (QPointF& p : line) p += QPointF(0, -0.3);
  if (look.wing > 0) line.push_back(eye.outer + Outward(eye) * look.wing + QPointF(0, -look.wing * 0.55));
  canvas.Draw({2}, [&](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(look.liner, 230));
    p.drawPath(TaperedStroke(line, look.linerWidth * 0.4, look.wing > 0 ? 0.5 : look.linerWidth * 1.3));
    if (look.lowerLiner) {
      const Points lower = LowerLid(eye, 12);
      p.setBrush(WithAlpha(look.liner, 110));
      p.drawPath(TaperedStroke(Points(lower.begin() + 4, lower.end()), 0.2, look.linerWidth * 0.7));
    }
  });
}

// Lashes along the upper lid, in small tufts that lean outwards and grow
// longer towards the outer corner; short fine ones below.
void DrawLashes(TemplateCanvas& canvas, const EyeOutline& eye, const EyeMakeup& look, RandomSource& random) {
  const Points lid = UpperLid(eye, 80), lower = LowerLid(eye, 16);
  const QPointF out = Outward(eye);
  canvas.Draw({3}, [&](QPainter& p) {
    for (int n = 0; n < 46; ++n) {
      const double share = std::sqrt(random.Uniform(0.04, 1.0));
      const size_t i = static_cast<size_t>(share * (lid.size() - 1));
      const double length = look.lashLength * (0.5 + 0.6 * share) * random.Uniform(0.7, 1.1);
      const QPointF up(out.x() * (0.35 + share * 0.8 + random.Normal(0, 0.12)), -1.0);
      QPainterPath lash(lid[i]);
      lash.quadTo(lid[i] + up * (length * 0.7), lid[i] + up * length + out * (length * 0.3));
      StrokePath(p, lash, WithAlpha(QColor(22, 16, 18), static_cast<int>(random.Uniform(120, 200))),
                 random.Uniform(0.5, 0.8));
    }
    for (size_t i = 6; i + 1 < lower.size(); i += 2) {
      const double share = static_cast<double>(i) / (lower.size() - 1);
      StrokePath(p, SmoothCurve(Points{lower[i], lower[i] + QPointF(out.x() * share, 1.5 + share)}),
                 WithAlpha(QColor(30, 24, 24), 70), 0.5);
    }
  });
}

void DrawEyeLook(TemplateCanvas& canvas, const EyeMakeup& look, RandomSource& random) {
  for (const EyeOutline& eye : {standard_face::kLeftEye, standard_face::kRightEye}) {
    DrawShadow(canvas, eye, look);
    DrawLiner(canvas, eye, look);
    DrawLashes(canvas, eye, look, random);
  }
}

}  // namespace

void DrawEyeMakeups(TemplateWriter& writer) { WriteTable(writer, kEyeLooks, Placement::Face, DrawEyeLook); }

}  // namespace lumena::tools
