#include <cmath>

#include "jewel_pieces.h"
#include "paint_tools.h"
#include "standard_face.h"
#include "template_kinds.h"

namespace lumena::tools {

namespace {

using Points = std::vector<QPointF>;

enum class JewelKind { Hoops, PearlDrops, GemDrops, Pendant, Pearls, Choker };

struct JewelDesign {
  JewelKind kind;
  QColor metal;
  QColor stone;  // the pearls, gems or velvet
};
using Jewel = TemplateRow<JewelDesign>;

const QColor kGold(222, 182, 92), kSilver(200, 204, 212);

const Jewel kJewels[] = {
    {{"earrings_gold_hoops", "Gold hoops", "?KIND=EARRINGS;?METAL=GOLD;"}, {JewelKind::Hoops, kGold, {}}},
    {{"earrings_pearl_drops", "Pearl drops", "?KIND=EARRINGS;?METAL=GOLD;?STONE=PEARL;"},
     {JewelKind::PearlDrops, kGold, {238, 232, 222}}},
    {{"earrings_sapphire_drops", "Sapphire drops", "?KIND=EARRINGS;?METAL=SILVER;?STONE=SAPPHIRE;"},
     {JewelKind::GemDrops, kSilver, {36, 62, 170}}},
    {{"earrings_silver_hoops", "Silver hoops", "?KIND=EARRINGS;?METAL=SILVER;"}, {JewelKind::Hoops, kSilver, {}}},
    {{"necklace_gold_pendant", "Gold chain with a ruby", "?KIND=NECKLACE;?METAL=GOLD;?STONE=RUBY;"},
     {JewelKind::Pendant, kGold, {176, 20, 44}}},
    {{"necklace_pearls", "String of pearls", "?KIND=NECKLACE;?STONE=PEARL;?STYLE=CLASSIC;"},
     {JewelKind::Pearls, kGold, {240, 234, 224}}},
    {{"necklace_velvet_choker", "Velvet choker", "?KIND=NECKLACE;?STYLE=CHOKER;?COLOUR=BURGUNDY;"},
     {JewelKind::Choker, kSilver, {110, 18, 40}}},
    {{"necklace_silver_emerald", "Silver chain with an emerald", "?KIND=NECKLACE;?METAL=SILVER;?STONE=EMERALD;"},
     {JewelKind::Pendant, kSilver, {20, 130, 74}}},
};

// Where a necklace lies: round the base of the neck, from behind its left
// side, lowest in the middle, to behind its right side.
Points NecklaceLine(double drop) {
  return SampleCurve(
      Points{{166, 382}, {186, 398 + drop * 0.5}, {221, 404 + drop}, {256, 398 + drop * 0.5}, {277, 382}}, 60);
}

void DrawHoop(QPainter& p, QPointF lobe, const QColor& metal) {
  const QRectF hoop(lobe.x() - 6.5, lobe.y() - 1, 13, 30);
  QPainterPath ring;
  ring.addEllipse(hoop);
  QPainterPath inside;
  inside.addEllipse(hoop.adjusted(2.2, 2.2, -2.2, -2.2));
  p.fillPath(ring.subtracted(inside), MetalBrush(metal, hoop));
}

void DrawEarring(TemplateCanvas& canvas, const JewelDesign& j, QPointF lobe) {
  // The earring's shadow on the neck behind it.
  canvas.DrawSoft({}, EllipsePath(lobe + QPointF(2, 14), 4, 12), QColor(40, 24, 20, 40), 2);
  canvas.Draw({1}, [&](QPainter& p) {
    if (j.kind == JewelKind::Hoops) return DrawHoop(p, lobe, j.metal);
    const QRectF stud(lobe.x() - 2, lobe.y() - 2, 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(MetalBrush(j.metal, stud));
    p.drawEllipse(stud);
    p.setPen(QPen(MetalBrush(j.metal, stud.adjusted(0, 0, 0, 8)), 1.1));
    p.drawLine(lobe, lobe + QPointF(0, 6));
  });
  if (j.kind == JewelKind::PearlDrops)
    canvas.Draw({2}, [&](QPainter& p) { DrawPearl(p, lobe + QPointF(0, 10.5), 4.6, j.stone); });
  if (j.kind == JewelKind::GemDrops) {
    const QPainterPath cut = DropCut(lobe + QPointF(0, 5.5), 9, 13);
    canvas.Draw({1},
                [&](QPainter& p) { p.fillPath(cut.translated(0, -0.8), MetalBrush(j.metal, cut.boundingRect())); });
    canvas.Draw({2}, [&](QPainter& p) { DrawGem(p, cut.translated(0, 0.6), j.stone); });
  }
}

// A fine chain: small links catching the light one after another.
void DrawChain(QPainter& p, const Points& line, const QColor& metal) {
  StrokePath(p, SmoothCurve(line), Shade(metal, -0.35), 1.6);
  for (size_t i = 0; i < line.size(); i += 2) SoftEllipse(p, line[i], 1.1, 0.8, Shade(metal, 0.45), 0.4);
}

void DrawNecklace(TemplateCanvas& canvas, const JewelDesign& j) {
  const Points line = NecklaceLine(j.kind == JewelKind::Pearls ? 10 : 14);
  const QPointF lowest = line[line.size() / 2];
  if (j.kind == JewelKind::Pearls) {
    // Nothing but pearls shows: they are the piece and the stones.
    canvas.Draw({1, 2}, [&](QPainter& p) {
      for (size_t i = 0; i < line.size(); i += 2) DrawPearl(p, line[i], 3.6, j.stone);
    });
    return;
  }
  canvas.Draw({1}, [&](QPainter& p) { DrawChain(p, line, j.metal); });
  const QPainterPath setting = DropCut(lowest + QPointF(0, 1), 12, 16);
  canvas.Draw({1}, [&](QPainter& p) { p.fillPath(setting, MetalBrush(j.metal, setting.boundingRect())); });
  canvas.Draw({2}, [&](QPainter& p) { DrawGem(p, DropCut(lowest + QPointF(0, 3.2), 8.4, 11.8), j.stone); });
}

void DrawChoker(TemplateCanvas& canvas, const JewelDesign& j) {
  const Points line = SampleCurve(Points{{166, 374}, {190, 384}, {221, 388}, {252, 384}, {277, 374}}, 40);
  // The velvet band is the piece to recolour; its jewel the stone.
  canvas.Draw({1}, [&](QPainter& p) {
    // Flat ends: the band goes on behind the neck.
    const auto band = [&](double dy, const QColor& colour, double width) {
      p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
      p.drawPath(SmoothCurve(line).translated(0, dy));
    };
    band(0, Shade(j.stone, -0.3), 8);
    band(-1.2, j.stone, 5.5);
    band(-2.4, WithAlpha(Shade(j.stone, 0.35), 90), 1.4);
  });
  const QPointF middle = line[line.size() / 2] + QPointF(0, -1);
  canvas.Draw({2}, [&](QPainter& p) {
    const QPainterPath setting = EllipsePath(middle, 4.2, 4.2);
    p.fillPath(setting, MetalBrush(j.metal, setting.boundingRect()));
    DrawGem(p, EllipsePath(middle, 2.9, 2.9), QColor(226, 234, 250));
  });
}

void DrawJewel(TemplateCanvas& canvas, const JewelDesign& j, RandomSource&) {
  switch (j.kind) {
    case JewelKind::Hoops:
    case JewelKind::PearlDrops:
    case JewelKind::GemDrops:
      for (const QPointF lobe : {standard_face::kLeftLobe, standard_face::kRightLobe}) DrawEarring(canvas, j, lobe);
      return;
    case JewelKind::Pendant:
    case JewelKind::Pearls:
      return DrawNecklace(canvas, j);
    case JewelKind::Choker:
      return DrawChoker(canvas, j);
  }
}

}  // namespace

void DrawJewellery(TemplateWriter& writer) { WriteTable(writer, kJewels, Placement::Face, DrawJewel); }

}  // namespace lumena::tools
