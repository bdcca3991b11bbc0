#include "hair_cuts.h"

#include <cmath>
#include <numbers>

#include "paint_tools.h"

namespace lumena::tools {

namespace {

using Points = std::vector<QPointF>;

// The top of a guide followed by its fall from the height `top` to
// `length`, through the given x positions.
Points Falling(Points head, double top, double length, std::initializer_list<double> xs) {
  const double step = (length - top) / static_cast<double>(xs.size() - 1);
  double y = top;
  for (const double x : xs) {
    head.emplace_back(x, y);
    y += step;
  }
  return head;
}

// Points on a spiral around `centre` whose radius runs from `r0` to `r1`;
// angles in degrees, clockwise on screen.
Points Spiral(QPointF centre, double r0, double r1, double from, double to, int count) {
  Points points;
  for (int i = 0; i < count; ++i) {
    const double share = static_cast<double>(i) / (count - 1);
    const double a = (from + (to - from) * share) * std::numbers::pi / 180;
    points.push_back(centre + QPointF(std::cos(a), std::sin(a)) * (r0 + (r1 - r0) * share));
  }
  return points;
}

// The head's middle line, about which the two sides of a cut mirror.
constexpr double kHeadMiddle = 225;

// Points drawn for the left side (side < 0), or their mirror image.
Points OnSide(Points left, double side) { return side < 0 ? left : Mirrored(std::move(left), kHeadMiddle); }

HairSheet Sheet(Points outer, Points inner, int clumps, double wave) {
  HairSheet sheet;
  sheet.outer = std::move(outer);
  sheet.inner = std::move(inner);
  sheet.clumps = clumps;
  sheet.wave = wave;
  sheet.waveLength = 100;
  return sheet;
}

// The sides hang on the outline of the head: loose hairs off their outer
// edge, a shade beside the face, lengths of several cuts.
HairSheet Side(Points outer, Points inner, int clumps, double wave) {
  HairSheet side = Sheet(std::move(outer), std::move(inner), clumps, wave);
  side.innerLight = -0.12;
  side.shortest = 0.8;
  side.flyaways = 10;
  return side;
}

// Coils of hair: small clumps that curl together.
void MakeCurly(HairSheet& sheet, double clumpsFactor) {
  sheet.clumps = static_cast<int>(sheet.clumps * clumpsFactor);
  sheet.strandsPerClump = 18;
  sheet.curl = 8.5;
  sheet.curlLength = 36;
  sheet.clumping = 0.8;
  sheet.spread = 0.45;
  sheet.frizz = 0.05;
  sheet.bodyWidth = 5.5;
}

// A fringe swept from a side parting across the forehead to the left.
HairSheet SweptFringe(double wave) {
  HairSheet fringe =
      Sheet({{264, 52}, {232, 56}, {198, 70}, {168, 95}, {148, 130}, {136, 170}, {130, 215}},
            {{292, 60}, {306, 105}, {306, 150}, {298, 186}, {244, 191}, {185, 194}, {142, 225}}, 16, wave * 0.4);
  fringe.light = 0.05;
  fringe.clumping = 0.7;
  fringe.shortest = 0.8;
  return fringe;
}

HairCutShape LongSwept(double length, double wave) {
  HairCutShape shape;
  shape.sheets.push_back(Side(
      Falling({{272, 46}, {200, 36}, {132, 54}, {94, 104}, {78, 170}}, 245, length, {74, 72, 84}),
      Falling({{258, 60}, {215, 78}, {180, 112}, {150, 165}, {136, 230}}, 290, length, {140, 156, 172}), 18, wave));
  shape.sheets.push_back(Side(
      Falling({{262, 47}, {322, 50}, {356, 86}, {374, 150}, {380, 215}}, 275, length, {378, 376, 362}),
      Falling({{280, 60}, {292, 100}, {296, 150}, {296, 200}, {304, 250}}, 300, length, {306, 292, 276}), 16, wave));
  shape.sheets.push_back(SweptFringe(wave));
  shape.look.sheen = {{140, 95}, {200, 62}, {260, 58}, {320, 75}, {355, 110}};
  return shape;
}

HairCutShape Curls(double length) {
  HairCutShape shape;
  shape.sheets.push_back(
      Side(Falling({{258, 46}, {190, 30}, {115, 45}, {72, 100}, {58, 170}}, 240, length, {54, 60, 78}),
           Falling({{256, 60}, {212, 76}, {178, 110}, {148, 165}, {134, 230}}, 290, length, {136, 146, 160}), 18, 0));
  shape.sheets.push_back(
      Side(Falling({{272, 46}, {325, 40}, {370, 80}, {392, 150}, {398, 220}}, 275, length, {398, 392, 376}),
           Falling({{278, 60}, {292, 100}, {296, 150}, {298, 200}, {304, 250}}, 300, length, {306, 298, 286}), 16, 0));
  shape.sheets.push_back(SweptFringe(0));
  for (HairSheet& sheet : shape.sheets) MakeCurly(sheet, 0.8);
  shape.look.sheen = {{120, 100}, {200, 55}, {270, 52}, {340, 80}, {380, 130}};
  shape.look.sheenWidth = 50;
  shape.look.highlightShare = 0.25;
  return shape;
}

HairCutShape BobFringe(double length) {
  HairCutShape shape;
  shape.sheets.push_back(
      Side(Falling({{222, 46}, {160, 40}, {105, 70}, {80, 130}, {76, 200}}, 260, length, {80, 98, 124}),
           Falling({{222, 58}, {185, 80}, {156, 120}, {138, 180}, {134, 235}}, 280, length, {142, 146, 154}), 18, 0));
  shape.sheets.push_back(
      Side(Falling({{222, 46}, {290, 42}, {345, 72}, {372, 130}, {378, 200}}, 260, length, {376, 360, 334}),
           Falling({{222, 58}, {262, 80}, {292, 120}, {304, 180}, {306, 235}}, 280, length, {302, 298, 290}), 18, 0));
  for (HairSheet& side : shape.sheets) side.shortest = 0.96;
  HairSheet fringe = Sheet({{204, 50}, {172, 70}, {148, 108}, {138, 155}, {136, 201}},
                           {{242, 50}, {272, 70}, {296, 108}, {306, 155}, {307, 201}}, 20, 0);
  fringe.shortest = 0.97;
  fringe.clumping = 0.3;
  fringe.light = 0.04;
  shape.sheets.push_back(fringe);
  shape.look.sheen = {{110, 100}, {170, 64}, {222, 56}, {280, 64}, {340, 100}};
  return shape;
}

// Short layers, each clump ending in a point, from a crown whorl.
HairCutShape ShortLayered(double wave) {
  HairCutShape shape;
  // Shorter layers beneath, showing between the pointed clumps.
  for (const double side : {-1.0, 1.0}) {
    HairSheet under =
        Sheet(OnSide({{200, 45}, {120, 58}, {80, 130}, {74, 200}, {88, 255}, {112, 284}}, side),
              OnSide({{200, 62}, {166, 100}, {146, 160}, {143, 215}, {136, 255}, {128, 288}}, side), 14, wave);
    under.light = -0.2;
    under.clumping = 0.3;
    under.underlayReach = 0.9;
    shape.sheets.push_back(under);
  }
  HairSheet fringe = SweptFringe(wave);
  fringe.light = -0.15;
  fringe.shortest = 0.97;
  fringe.clumping = 0.4;
  fringe.underlayReach = 0.9;
  shape.sheets.push_back(fringe);
  shape.sheets.push_back(
      Side({{225, 48}, {160, 42}, {105, 66}, {80, 110}, {72, 160}, {78, 215}, {94, 255}, {110, 278}},
           {{228, 60}, {190, 80}, {160, 115}, {146, 160}, {142, 205}, {138, 245}, {130, 270}, {126, 288}}, 18, wave));
  shape.sheets.push_back(
      Side({{245, 48}, {300, 46}, {345, 72}, {370, 115}, {380, 165}, {376, 215}, {362, 255}, {340, 282}},
           {{248, 60}, {280, 85}, {294, 125}, {298, 170}, {300, 210}, {304, 245}, {312, 270}, {318, 290}}, 18, wave));
  shape.sheets.push_back(Sheet({{240, 50}, {205, 52}, {170, 70}, {145, 105}, {132, 150}, {128, 195}},
                               {{264, 60}, {280, 100}, {284, 140}, {276, 172}, {230, 190}, {168, 198}}, 18, wave));
  for (HairSheet& sheet : shape.sheets) {
    sheet.clumping = 0.85;
    sheet.shortest = 0.75;
    sheet.spread = 1.2;
  }
  shape.look.sheen = {{110, 100}, {170, 60}, {240, 52}, {310, 66}, {360, 110}};
  shape.look.highlightShare = 0.3;
  return shape;
}

// Loose curls hang at the sides; the rest is swept up from the face to a
// bun on the crown, under a swept fringe.
HairCutShape Updo() {
  HairCutShape shape;
  // The bun: hair drawn in to its middle, wound round on top.
  HairSheet core = Sheet(Spiral({226, 38}, 34, 34, 0, 360, 12), Spiral({226, 38}, 0, 0, 0, 360, 12), 10, 0);
  core.underlayReach = 1;
  core.light = -0.15;
  shape.sheets.push_back(core);
  HairSheet bun = Sheet(Spiral({226, 38}, 36, 18, 150, 560, 12), Spiral({226, 38}, 17, 2, 150, 560, 12), 14, 0);
  bun.light = 0.05;
  shape.sheets.push_back(bun);
  for (const double side : {-1.0, 1.0}) {
    HairSheet curls = Sheet(OnSide({{100, 118}, {80, 170}, {76, 222}, {84, 270}, {96, 302}}, side),
                            OnSide({{144, 168}, {144, 200}, {142, 236}, {136, 270}, {128, 300}}, side), 12, 0);
    MakeCurly(curls, 0.8);
    curls.curl = 6.5;
    curls.flyaways = 6;
    shape.sheets.push_back(curls);
  }
  for (const double side : {-1.0, 1.0}) {
    HairSheet swept = Sheet(OnSide({{92, 160}, {100, 104}, {146, 60}, {214, 34}}, side),
                            OnSide({{148, 176}, {158, 130}, {188, 84}, {226, 46}}, side), 16, 2);
    swept.innerLight = 0.05;
    shape.sheets.push_back(swept);
  }
  shape.sheets.push_back(SweptFringe(3));
  shape.look.sheen = {{120, 120}, {160, 66}, {226, 10}, {300, 66}, {340, 120}};
  return shape;
}

}  // namespace

HairCutShape ShapeOfCut(HairCut cut, double length, double wave) {
  switch (cut) {
    case HairCut::LongSwept:
      return LongSwept(length, wave);
    case HairCut::Curls:
      return Curls(length);
    case HairCut::BobFringe:
      return BobFringe(length);
    case HairCut::ShortLayered:
      return ShortLayered(wave);
    case HairCut::Updo:
      return Updo();
  }
  return LongSwept(length, wave);
}

}  // namespace lumena::tools
