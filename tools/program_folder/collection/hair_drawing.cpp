#include <QLinearGradient>
#include <algorithm>
#include <cmath>

#include "hair_strands.h"
#include "paint_tools.h"

namespace lumena::tools {

namespace {

constexpr double kRootWidth = 6;

QPainterPath LinePath(std::span<const QPointF> points) {
  QPainterPath path(points.front());
  for (size_t i = 1; i < points.size(); ++i) path.lineTo(points[i]);
  return path;
}

// The strand's colour from its root to its tip: the root tone, the mass and
// the lengths, faded in at the scalp and out at the tip.
QLinearGradient AlongStrand(const Strand& strand, const HairPalette& palette, double rootLength, double shade,
                            int alpha) {
  QLinearGradient gradient(strand.points.front(), strand.points.back());
  const double length = std::max(1.0, strand.points.size() * kStrandStep);
  const double rootShare = std::clamp(rootLength / length, 0.05, 0.6);
  const auto tone = [&](const QColor& c, double fade) {
    return WithAlpha(Shade(c, shade), static_cast<int>(alpha * fade));
  };
  gradient.setColorAt(0, tone(palette.root, 0.3));
  gradient.setColorAt(rootShare * 0.3, tone(Mix(palette.root, palette.base, 0.3), 1));
  gradient.setColorAt(rootShare, tone(palette.base, 1));
  // The tips thin out over their last few pixels.
  const double tipShare = std::clamp(12 / length, 0.03, 0.25);
  gradient.setColorAt(1 - tipShare, tone(Mix(palette.base, palette.ends, 1 - tipShare), 1));
  gradient.setColorAt(1, tone(palette.ends, 0));
  return gradient;
}

void StrokeStrand(QPainter& p, const Strand& strand, const QBrush& brush, double width) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(brush, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(LinePath(strand.points));
}

// The sheet's mass under its strands, so that no gap shows between clumps.
void DrawUnderlay(QPainter& p, const HairSheet& sheet, const HairPalette& palette) {
  const std::vector<QPointF> a = GuideLine(sheet, 0.06, 40), b = GuideLine(sheet, 0.94, 40);
  std::vector<QPointF> outline;
  const size_t reach = static_cast<size_t>(a.size() * sheet.underlayReach);
  if (reach < 2) return;
  for (size_t i = 0; i < reach; ++i) outline.push_back(a[i]);
  for (size_t i = reach; i-- > 0;) outline.push_back(b[i]);
  QLinearGradient gradient(Lerp(a.front(), b.front(), 0.5), Lerp(a[reach - 1], b[reach - 1], 0.5));
  gradient.setColorAt(0, Shade(palette.base, -0.15 + sheet.light));
  gradient.setColorAt(1, Shade(palette.base, -0.1 + sheet.light));
  p.setPen(Qt::NoPen);
  p.setBrush(gradient);
  p.drawPolygon(outline.data(), static_cast<int>(outline.size()));
}

// The sheet's mass: its underlay and a broad stroke a shade deeper along
// each strand.
void DrawMass(QPainter& p, std::span<const Strand> strands, const HairPalette& palette, const HairLook& look,
              const HairSheet& sheet) {
  DrawUnderlay(p, sheet, palette);
  for (const Strand& s : strands) {
    // Narrower at the sheet's sides, so that no rim of mass shows past the
    // fine strands where a sheet lies over another.
    const double side = std::min(s.across, 1 - s.across);
    const double width = sheet.bodyWidth * std::min(1.0, 0.3 + 6 * side);
    StrokeStrand(p, s, AlongStrand(s, palette, look.rootLength, s.lightness - 0.05, 255), width);
  }
}

void DrawDetail(QPainter& p, std::span<const Strand> strands, const HairPalette& palette, const HairLook& look) {
  for (const Strand& s : strands)
    StrokeStrand(p, s, AlongStrand(s, palette, look.rootLength, s.lightness, 180), s.width);
}

// Runs of a strand where the light on its waves or coils passes `level`
// (above it for the fronts, below its negative for the backs).
std::vector<std::span<const QPointF>> GlowRuns(const Strand& strand, double level) {
  std::vector<std::span<const QPointF>> runs;
  size_t start = 0;
  const auto lit = [&](size_t k) { return level > 0 ? strand.glow[k] > level : strand.glow[k] < level; };
  for (size_t k = 0; k <= strand.points.size(); ++k) {
    if (k < strand.points.size() && lit(k)) continue;
    if (k - start >= 2) runs.push_back(std::span(strand.points).subspan(start, k - start));
    start = k + 1;
  }
  return runs;
}

// The fronts of the waves and coils lit, their backs shaded: what makes
// them look round.
void DrawGlints(QPainter& p, std::span<const Strand> strands, const HairPalette& palette) {
  const QColor lit = WithAlpha(palette.highlight, 60), shaded = WithAlpha(Shade(palette.base, -0.3), 40);
  for (const Strand& s : strands) {
    for (const auto run : GlowRuns(s, 0.45)) StrokePath(p, LinePath(run), lit, s.width + 0.8);
    for (const auto run : GlowRuns(s, -0.6)) StrokePath(p, LinePath(run), shaded, s.width + 0.6);
  }
}

// The lit clumps, from below the roots to the tips.
QLinearGradient LitAlong(const Strand& strand, const QColor& colour, int alpha) {
  QLinearGradient gradient(strand.points.front(), strand.points.back());
  gradient.setColorAt(0, WithAlpha(colour, 0));
  gradient.setColorAt(0.3, WithAlpha(colour, alpha));
  gradient.setColorAt(0.9, WithAlpha(colour, alpha));
  gradient.setColorAt(1, WithAlpha(colour, 0));
  return gradient;
}

void DrawHighlights(TemplateCanvas& canvas, std::span<const Strand> strands, const HairPalette& palette) {
  canvas.Paint([&](QPainter& p) {
    for (const Strand& s : strands)
      if (s.highlight) StrokeStrand(p, s, LitAlong(s, palette.highlight, 110), s.width + 0.6);
  });
  canvas.Mark({3}, [&](QPainter& p) {
    for (const Strand& s : strands)
      if (s.highlight) StrokeStrand(p, s, LitAlong(s, Qt::black, 255), 4.5);
  });
}

// Where the light falls: a soft band along the sheen line.
QImage SheenBand(const TemplateCanvas& canvas, const HairLook& look) {
  QImage band = canvas.BlankLayer(QImage::Format_Alpha8);
  if (look.sheen.size() < 2) return band;
  canvas.PaintOnLayer(band,
                      [&](QPainter& p) { StrokePath(p, SmoothCurve(look.sheen), Qt::black, look.sheenWidth * 0.5); });
  BlurAlpha(band, static_cast<int>(look.sheenWidth / 4));
  return band;
}

// The strands inside the band lit, so that the sheen keeps their texture.
void DrawSheen(TemplateCanvas& canvas, std::span<const Strand> strands, const HairPalette& palette,
               const QImage& band) {
  QImage lit = canvas.BlankLayer(QImage::Format_ARGB32_Premultiplied);
  canvas.PaintOnLayer(lit, [&](QPainter& p) {
    for (const Strand& s : strands) StrokeStrand(p, s, WithAlpha(palette.highlight, 110), s.width + 0.4);
    p.resetTransform();
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    p.drawImage(0, 0, band);
  });
  canvas.LayOver(lit);
}

void MarkRoots(TemplateCanvas& canvas, std::span<const Strand> strands, const HairLook& look) {
  const size_t rootPoints = static_cast<size_t>(look.rootRegion / kStrandStep);
  canvas.Mark({2}, [&](QPainter& p) {
    for (const Strand& s : strands) {
      const size_t n = std::min(rootPoints, s.points.size());
      if (n >= 2) StrokePath(p, LinePath(std::span(s.points).first(n)), Qt::black, kRootWidth);
    }
  });
}

// Loose hairs standing off the outer edge.
void DrawFlyaways(QPainter& p, const HairSheet& sheet, const HairPalette& palette, RandomSource& random) {
  const std::vector<QPointF> outer = GuideLine(sheet, 0, 40), inner = GuideLine(sheet, 1, 40);
  for (int i = 0; i < sheet.flyaways; ++i) {
    const size_t k = static_cast<size_t>(random.Uniform(0.15, 0.8) * (outer.size() - 1));
    const QPointF along = outer[k + 1] - outer[k];
    QPointF out = outer[k] - inner[k];
    out /= std::max(1.0, std::hypot(out.x(), out.y()));
    const double length = random.Uniform(10, 30);
    const QPointF dir = along / std::max(1e-6, std::hypot(along.x(), along.y()));
    const QPointF bend = out * random.Uniform(0.2, 0.7);
    QPainterPath path(outer[k]);
    path.quadTo(outer[k] + dir * length * 0.5, outer[k] + (dir + bend) * length);
    StrokePath(p, path,
               WithAlpha(Shade(palette.ends, random.Normal(0.1, 0.1)), static_cast<int>(random.Uniform(35, 75))),
               random.Uniform(0.5, 0.8));
  }
}

}  // namespace

void DrawHair(TemplateCanvas& canvas, std::span<const HairSheet> sheets, const HairPalette& palette,
              const HairLook& look, RandomSource& random) {
  const QImage band = SheenBand(canvas, look);
  for (const HairSheet& sheet : sheets) {
    const std::vector<Strand> strands = SheetStrands(sheet, look.highlightShare, random);
    const PaintRoutine mass = [&](QPainter& p) { DrawMass(p, strands, palette, look, sheet); };
    canvas.Paint(mass);
    // The roots and lit clumps of the sheets behind stay only where they show.
    canvas.Unmark({2, 3}, mass);
    canvas.Paint([&](QPainter& p) {
      DrawDetail(p, strands, palette, look);
      DrawGlints(p, strands, palette);
    });
    DrawHighlights(canvas, strands, palette);
    DrawSheen(canvas, strands, palette, band);
    MarkRoots(canvas, strands, look);
  }
  canvas.Feather(1);
  canvas.Paint([&](QPainter& p) {
    for (const HairSheet& sheet : sheets) DrawFlyaways(p, sheet, palette, random);
  });
  canvas.MarkDrawn(1);
}

}  // namespace lumena::tools
