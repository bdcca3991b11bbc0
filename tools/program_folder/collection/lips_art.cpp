#include <QLinearGradient>

#include "paint_tools.h"
#include "random_source.h"
#include "template_kinds.h"

namespace lumena::tools {

namespace {

using Points = std::vector<QPointF>;

struct LipColour {
  QColor colour;
  QColor middle;  // the colour towards the mouth's middle (an ombre when it differs)
  int opacity;
  double gloss;     // 0 matte .. 1 wet shine
  double fullness;  // pixels the outer edges move out (negative: slimmer)
};
using Lipstick = TemplateRow<LipColour>;

const Lipstick kLipsticks[] = {
    {{"lips_classic_red", "Classic red", "?COLOUR=RED;?FINISH=SATIN;?SHAPE=NATURAL;"},
     {{178, 18, 38}, {178, 18, 38}, 215, 0.5, 0}},
    {{"lips_nude_satin", "Nude satin", "?COLOUR=NUDE;?FINISH=SATIN;?SHAPE=NATURAL;"},
     {{190, 118, 106}, {200, 130, 116}, 170, 0.35, 0}},
    {{"lips_rose_gloss", "Rose gloss, fuller", "?COLOUR=PINK;?FINISH=GLOSS;?SHAPE=FULL;"},
     {{206, 88, 118}, {220, 108, 134}, 165, 1.0, 1.5}},
    {{"lips_berry_matte", "Berry matte", "?COLOUR=BERRY;?FINISH=MATTE;?SHAPE=NATURAL;"},
     {{118, 22, 60}, {118, 22, 60}, 220, 0.05, 0}},
    {{"lips_coral_shine", "Coral shine", "?COLOUR=CORAL;?FINISH=GLOSS;?SHAPE=NATURAL;"},
     {{232, 100, 80}, {240, 118, 92}, 185, 0.7, 0.5}},
    {{"lips_plum_full", "Plum, full lips", "?COLOUR=PLUM;?FINISH=SATIN;?SHAPE=FULL;"},
     {{96, 28, 66}, {110, 36, 76}, 205, 0.3, 2.5}},
    {{"lips_soft_pink_slim", "Soft pink, slimmer", "?COLOUR=PINK;?FINISH=GLOSS;?SHAPE=SLIM;"},
     {{228, 132, 162}, {236, 150, 176}, 150, 0.8, -1}},
    {{"lips_cherry_ombre", "Cherry ombre", "?COLOUR=RED;?FINISH=GLOSS;?SHAPE=NATURAL;?STYLE=OMBRE;"},
     {{110, 8, 28}, {232, 64, 84}, 210, 0.6, 0.5}},
    {{"lips_mocha", "Mocha", "?COLOUR=BROWN;?FINISH=SATIN;?SHAPE=NATURAL;"},
     {{118, 64, 54}, {128, 72, 60}, 190, 0.2, 0}},
};

// The lips of the standard face, measured on its smiling mouth: each lip's
// outer edge and the edge towards the opening, corner to corner.
struct LipEdges {
  Points upperOuter, upperInner, lowerInner, lowerOuter;
};

LipEdges StandardLips(double fullness) {
  const double up = -fullness, down = fullness * 1.2;
  return {
      {{179, 297},
       {186, 293 + up},
       {197, 290 + up},
       {209, 289 + up},
       {219, 291.5 + up},
       {228, 289 + up},
       {240, 289.5 + up},
       {251, 292 + up},
       {260, 298}},
      {{179, 297}, {188, 300}, {200, 302}, {219, 303}, {238, 302}, {251, 300}, {260, 298}},
      {{181, 299}, {192, 306}, {205, 311.5}, {220, 313.5}, {236, 311.5}, {249, 306}, {258, 300}},
      {{181, 299},
       {190, 310 + down},
       {203, 319.5 + down},
       {220, 324.5 + down},
       {238, 320.5 + down},
       {250, 311 + down},
       {258, 300}},
  };
}

// Darker at the lips' outer edges, the chosen middle colour towards the
// opening.
QBrush LipBrush(const LipColour& l, double outerY, double innerY) {
  QLinearGradient gradient(0, outerY, 0, innerY);
  gradient.setColorAt(0, WithAlpha(Shade(l.colour, -0.15), l.opacity));
  gradient.setColorAt(0.55, WithAlpha(Mix(l.colour, l.middle, 0.6), l.opacity));
  gradient.setColorAt(1, WithAlpha(l.middle, l.opacity));
  return gradient;
}

// Fine upright creases, a little darker, so that the colour keeps the lips'
// texture.
void DrawCreases(QPainter& p, const QPainterPath& lip, const LipColour& l, RandomSource& random) {
  p.save();
  p.setClipPath(lip);
  const QRectF box = lip.boundingRect();
  for (double x = box.left(); x < box.right(); x += random.Uniform(1.6, 2.8)) {
    const double lean = (x - 220) * 0.08;
    StrokePath(p, SmoothCurve(Points{{x, box.top()}, {x + lean, box.bottom()}}),
               WithAlpha(Shade(l.colour, -0.35), static_cast<int>(random.Uniform(14, 34))), 0.7);
  }
  p.restore();
}

void DrawGloss(TemplateCanvas& canvas, const LipColour& l) {
  if (l.gloss <= 0.05) return;
  const int alpha = static_cast<int>(170 * l.gloss);
  canvas.Draw({2}, [&](QPainter& p) {
    SoftEllipse(p, {221, 318 + l.fullness * 0.6}, 13, 3.2, WithAlpha(QColor(255, 246, 244), alpha), 0.2);
    SoftEllipse(p, {206, 316}, 5, 1.8, WithAlpha(QColor(255, 246, 244), alpha * 2 / 3), 0.2, 12);
    SoftEllipse(p, {209, 294 - l.fullness * 0.5}, 6, 1.5, WithAlpha(QColor(255, 246, 244), alpha / 2), 0.2, -8);
    SoftEllipse(p, {232, 294 - l.fullness * 0.5}, 6, 1.5, WithAlpha(QColor(255, 246, 244), alpha / 2), 0.2, 8);
  });
}

void DrawLipstick(TemplateCanvas& canvas, const LipColour& l, RandomSource& random) {
  const LipEdges lips = StandardLips(l.fullness);
  const QPainterPath upper = ShapeBetween(lips.upperOuter, lips.upperInner);
  const QPainterPath lower = ShapeBetween(lips.lowerOuter, lips.lowerInner);
  canvas.DrawSoft({1}, upper, LipBrush(l, 289 - l.fullness, 303), 1);
  canvas.DrawSoft({1}, lower, LipBrush(l, 325 + l.fullness, 312), 1);
  canvas.Paint([&](QPainter& p) {
    DrawCreases(p, upper, l, random);
    DrawCreases(p, lower, l, random);
    // The shade where the lips turn into the mouth.
    StrokePath(p, SmoothCurve(lips.upperInner), WithAlpha(Shade(l.colour, -0.5), l.opacity / 3), 1.2);
  });
  DrawGloss(canvas, l);
}

}  // namespace

void DrawLips(TemplateWriter& writer) { WriteTable(writer, kLipsticks, Placement::Face, DrawLipstick); }

}  // namespace lumena::tools
