#include <QLinearGradient>
#include <cmath>
#include <numbers>

#include "paint_tools.h"
#include "random_source.h"
#include "template_kinds.h"

namespace lumena::tools {

namespace {

using Points = std::vector<QPointF>;

// The nail on its canvas, its free edge at the top.
constexpr double kLeft = 4, kRight = 40, kMiddle = 22, kTop = 3, kCuticle = 58;

enum class Tip { Oval, Square, Almond };
enum class Design { Plain, French, Ombre, Glitter, Dots, Flowers, Stripes, Marble };

struct NailLook {
  Tip tip;
  QColor base;
  Design design;
  QColor accent;
  double gloss;
};
using NailDesign = TemplateRow<NailLook>;

const NailDesign kNailDesigns[] = {
    {{"nails_classic_red", "Classic red", "?COLOUR=RED;?STYLE=CLASSIC;?SHAPE=OVAL;"},
     {Tip::Oval, {176, 14, 30}, Design::Plain, {}, 1}},
    {{"nails_french", "French manicure", "?COLOUR=NUDE,WHITE;?STYLE=FRENCH;?SHAPE=SQUARE;"},
     {Tip::Square, {240, 200, 196}, Design::French, {252, 252, 250}, 0.9}},
    {{"nails_sunset_ombre", "Sunset ombre", "?COLOUR=PINK,ORANGE;?STYLE=OMBRE;?SHAPE=ALMOND;"},
     {Tip::Almond, {236, 88, 132}, Design::Ombre, {252, 176, 80}, 0.8}},
    {{"nails_gold_glitter", "Gold glitter", "?COLOUR=GOLD;?STYLE=GLITTER,PARTY;?SHAPE=OVAL;"},
     {Tip::Oval, {226, 196, 182}, Design::Glitter, {236, 196, 92}, 0.7}},
    {{"nails_navy_dots", "Navy with dots", "?COLOUR=BLUE,WHITE;?STYLE=DOTS;?SHAPE=SQUARE;"},
     {Tip::Square, {26, 36, 86}, Design::Dots, {246, 246, 246}, 0.9}},
    {{"nails_spring_flowers", "Spring flowers", "?COLOUR=WHITE,PINK;?STYLE=FLORAL;?SHAPE=OVAL;"},
     {Tip::Oval, {248, 240, 238}, Design::Flowers, {236, 120, 160}, 0.8}},
    {{"nails_black_gold_stripes", "Black with gold stripes", "?COLOUR=BLACK,GOLD;?STYLE=STRIPES;?SHAPE=ALMOND;"},
     {Tip::Almond, {20, 18, 22}, Design::Stripes, {224, 184, 90}, 1}},
    {{"nails_white_marble", "White marble", "?COLOUR=WHITE,GREY;?STYLE=MARBLE;?SHAPE=SQUARE;"},
     {Tip::Square, {240, 238, 236}, Design::Marble, {120, 118, 126}, 0.9}},
    {{"nails_nude_matte", "Nude matte", "?COLOUR=NUDE;?STYLE=MATTE;?SHAPE=OVAL;"},
     {Tip::Oval, {206, 150, 134}, Design::Plain, {}, 0.1}},
};

QPainterPath NailOutline(Tip tip) {
  const double shoulder = tip == Tip::Almond ? 26 : tip == Tip::Oval ? 18 : 10;
  Points top;
  switch (tip) {
    case Tip::Oval:
      top = {{kLeft, shoulder}, {kLeft + 4, 8}, {kMiddle, kTop}, {kRight - 4, 8}, {kRight, shoulder}};
      break;
    case Tip::Square:
      top = {{kLeft, shoulder}, {kLeft + 1, kTop + 3}, {kMiddle, kTop}, {kRight - 1, kTop + 3}, {kRight, shoulder}};
      break;
    case Tip::Almond:
      top = {{kLeft, shoulder}, {kLeft + 6, 12}, {kMiddle, kTop}, {kRight - 6, 12}, {kRight, shoulder}};
      break;
  }
  // The sides, then the cuticle's arch, lowest in the middle.
  Points outline = top;
  for (const QPointF p : {QPointF(kRight, 46), QPointF(kRight - 3, kCuticle), QPointF(kMiddle, kCuticle + 4),
                          QPointF(kLeft + 3, kCuticle), QPointF(kLeft, 46)})
    outline.push_back(p);
  return SmoothOutline(outline);
}

// A nail's colour is a little deeper at its sides, where it curves away.
QBrush NailBrush(const QColor& colour) {
  QLinearGradient gradient(kLeft, 0, kRight, 0);
  gradient.setColorAt(0, Shade(colour, -0.25));
  gradient.setColorAt(0.35, colour);
  gradient.setColorAt(0.7, colour);
  gradient.setColorAt(1, Shade(colour, -0.3));
  return gradient;
}

void DrawDecoration(QPainter& p, const NailLook& d, RandomSource& random) {
  switch (d.design) {
    case Design::Plain:
      return;
    case Design::French:
      p.fillPath(ShapeBetween(Points{{0, 0}, {44, 0}}, Points{{0, 20}, {kMiddle, 14}, {44, 20}}), d.accent);
      return;
    case Design::Ombre: {
      QLinearGradient fade(0, kTop, 0, kCuticle);
      fade.setColorAt(0, d.accent);
      fade.setColorAt(0.75, WithAlpha(d.accent, 0));
      p.fillRect(kNailArea, fade);
      return;
    }
    case Design::Glitter:
      for (int i = 0; i < 160; ++i) {
        const double y = kTop + std::pow(random.Uniform(0, 1), 1.6) * (kCuticle - kTop);
        SoftEllipse(p, {random.Uniform(kLeft, kRight), y}, random.Uniform(0.6, 1.4), random.Uniform(0.6, 1.4),
                    Shade(d.accent, random.Uniform(-0.3, 0.6)), 0.6);
      }
      return;
    case Design::Dots:
      p.setPen(Qt::NoPen);
      p.setBrush(d.accent);
      for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 3; ++column)
          p.drawEllipse(QPointF(10 + column * 12 + (row % 2) * 6 - 3, 10 + row * 11), 2.6, 2.6);
      return;
    case Design::Flowers:
      for (const QPointF centre : {QPointF(16, 16), QPointF(29, 34), QPointF(14, 46)}) {
        for (int petal = 0; petal < 5; ++petal) {
          const double a = petal * 2 * std::numbers::pi / 5;
          SoftEllipse(p, centre + QPointF(std::cos(a), std::sin(a)) * 3.6, 3.2, 2.2, d.accent, 0.7, petal * 72.0);
        }
        SoftEllipse(p, centre, 1.8, 1.8, QColor(250, 210, 80), 0.6);
      }
      return;
    case Design::Stripes:
      for (double x = -40; x < 60; x += 9) StrokePath(p, SmoothCurve(Points{{x, 66}, {x + 40, 0}}), d.accent, 1.8);
      return;
    case Design::Marble:
      for (int vein = 0; vein < 5; ++vein) {
        Points line{{random.Uniform(0, 44), 0}};
        for (int k = 1; k <= 4; ++k) line.emplace_back(random.Uniform(0, 44), k * 16.0);
        StrokePath(p, SmoothCurve(line), WithAlpha(d.accent, static_cast<int>(random.Uniform(60, 140))),
                   random.Uniform(0.6, 1.6));
      }
      return;
  }
}

void DrawNail(TemplateCanvas& canvas, const NailLook& d, RandomSource& random) {
  const QPainterPath nail = NailOutline(d.tip);
  canvas.Draw({1}, [&](QPainter& p) { p.fillPath(nail, NailBrush(d.base)); });
  canvas.Draw({2}, [&](QPainter& p) {
    p.setClipPath(nail);
    DrawDecoration(p, d, random);
  });
  // Lacquer shines in a long streak; a matte one hardly at all.
  canvas.Paint([&](QPainter& p) {
    p.setClipPath(nail);
    SoftEllipse(p, {14, 30}, 3.2, 20, WithAlpha(QColor(255, 255, 255), static_cast<int>(150 * d.gloss)), 0.2);
    SoftEllipse(p, {30, 12}, 2, 4, WithAlpha(QColor(255, 255, 255), static_cast<int>(90 * d.gloss)), 0.2);
  });
}

}  // namespace

void DrawNailDesigns(TemplateWriter& writer) { WriteTable(writer, kNailDesigns, Placement::Nail, DrawNail); }

}  // namespace lumena::tools
