#pragma once
// Hair drawn as strands: each sheet of hair is a bundle of strands between
// two guide lines, grouped in clumps that wave, curl and catch the light
// together, as real hair does.
#include <QColor>
#include <QPointF>
#include <span>
#include <vector>

#include "random_source.h"
#include "template_canvas.h"

namespace lumena::tools {

struct HairPalette {
  QColor root;       // near the scalp
  QColor base;       // the mass
  QColor ends;       // the lengths
  QColor highlight;  // the lit clumps and the sheen
};

struct HairSheet {
  // Two guide lines with the same number of points, roots first.
  std::vector<QPointF> outer, inner;
  int clumps = 14;
  int strandsPerClump = 12;
  double wave = 0;  // amplitude across the strands, in pixels
  double waveLength = 60;
  double curl = 0;  // radius of the coils
  double curlLength = 22;
  double clumping = 0.5;        // how far strands gather towards their clump's tips
  double spread = 1.0;          // how far a strand may stray from its clump
  double frizz = 0.0;           // random wandering of the strands
  double shortest = 0.85;       // the shortest clump, as a share of the guides
  double light = 0;             // the sheet's brightness: below 0 for those in shadow
  double innerLight = 0;        // added towards the inner guide: the shade beside the face
  double bodyWidth = 4.5;       // the strokes that give the sheet its mass
  int flyaways = 0;             // loose hairs off the outer guide, for sheets on the outline
  double underlayReach = 0.75;  // how far along the guides the solid mass goes
};

struct HairLook {
  std::vector<QPointF> sheen;  // the line where the light lies on the hair
  double sheenWidth = 40;
  double rootLength = 32;       // pixels of each strand in the roots' colour
  double rootRegion = 70;       // pixels of each strand recoloured as roots
  double highlightShare = 0.2;  // the share of clumps lit as highlights
};

// Pixels between a strand's points.
inline constexpr double kStrandStep = 2.5;

// One strand as a line of points, root first, kStrandStep apart.
struct Strand {
  std::vector<QPointF> points;
  std::vector<float> glow;  // per point: the light on the waves' and coils' fronts (-1..1)
  double lightness = 0;     // added to the palette's tone: -1 black .. 1 white
  double width = 1;
  double across = 0;  // where it lies across its sheet: 0 outer guide, 1 inner
  bool highlight = false;
};

// `samples` points along the line `t` of the way from the outer guide to the
// inner one.
std::vector<QPointF> GuideLine(const HairSheet& sheet, double t, int samples);

// The strands of a sheet, grouped clump by clump.
std::vector<Strand> SheetStrands(const HairSheet& sheet, double highlightShare, RandomSource& random);

// Draws the sheets back to front. Region 1 is the whole hair, 2 the roots,
// 3 the lit clumps.
void DrawHair(TemplateCanvas& canvas, std::span<const HairSheet> sheets, const HairPalette& palette,
              const HairLook& look, RandomSource& random);

}  // namespace lumena::tools
