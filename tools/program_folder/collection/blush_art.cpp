#include "paint_tools.h"
#include "standard_face.h"
#include "template_kinds.h"

namespace lumena::tools {

namespace {

struct BlushLook {
  QColor colour;
  int alpha;
  double rx, ry;  // the glow on each cheek
  double tilt;    // degrees the left cheek's glow leans towards the temple
  QPointF lift;   // moves the glows from the apples of the cheeks
  bool acrossNose;
};
using Blush = TemplateRow<BlushLook>;

const Blush kBlushes[] = {
    {{"blush_peach_apples", "Peach on the apples", "?COLOUR=PEACH;?STYLE=SOFT,DAY;"},
     {{244, 150, 120}, 72, 27, 20, 0, {0, 0}, false}},
    {{"blush_rose_sculpted", "Rose, sculpted", "?COLOUR=PINK;?STYLE=SCULPTED,EVENING;"},
     {{214, 96, 120}, 64, 36, 15, 28, {-8, -8}, false}},
    {{"blush_berry_flush", "Berry flush", "?COLOUR=BERRY;?STYLE=SOFT;"},
     {{176, 52, 92}, 54, 26, 21, 10, {0, -2}, false}},
    {{"blush_coral_sunkissed", "Coral, sun-kissed", "?COLOUR=CORAL;?STYLE=SUNKISSED,SUMMER;"},
     {{246, 118, 88}, 58, 30, 18, 15, {-2, -6}, true}},
};

void DrawBlush(TemplateCanvas& canvas, const BlushLook& b, RandomSource&) {
  const QColor colour = WithAlpha(b.colour, b.alpha);
  canvas.Draw({1}, [&](QPainter& p) {
    SoftEllipse(p, standard_face::kLeftCheek + b.lift, b.rx, b.ry, colour, 0.15, b.tilt);
    const QPointF mirrored(-b.lift.x(), b.lift.y());
    SoftEllipse(p, standard_face::kRightCheek + mirrored, b.rx, b.ry, colour, 0.15, -b.tilt);
  });
  if (!b.acrossNose) return;
  // Sun catches the bridge of the nose too.
  canvas.Draw({1, 2}, [&](QPainter& p) { SoftEllipse(p, {222, 252}, 18, 8, WithAlpha(b.colour, b.alpha * 3 / 4)); });
}

}  // namespace

void DrawBlushes(TemplateWriter& writer) { WriteTable(writer, kBlushes, Placement::Face, DrawBlush); }

}  // namespace lumena::tools
