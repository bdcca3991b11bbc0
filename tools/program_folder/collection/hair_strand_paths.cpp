#include <algorithm>
#include <cmath>
#include <numbers>

#include "hair_strands.h"
#include "paint_tools.h"

namespace lumena::tools {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

struct Clump {
  double t = 0;  // across the sheet, 0 at the outer guide
  std::vector<QPointF> centre;
  double phase = 0;
  double lightness = 0;
  double length = 1;
  double curl = 0;        // this clump's coil radius
  double curlLength = 1;  // and the length of one turn
  double loop = 0.5;      // how far a turn doubles back on itself
  bool highlight = false;
};

struct Frame {
  QPointF tangent, normal;
};

double Distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

double LineLength(std::span<const QPointF> points) {
  double length = 0;
  for (size_t i = 1; i < points.size(); ++i) length += Distance(points[i - 1], points[i]);
  return length;
}

Frame FrameAt(std::span<const QPointF> line, size_t k) {
  const QPointF d = line[std::min(k + 1, line.size() - 1)] - line[k > 0 ? k - 1 : 0];
  const double length = std::max(1e-6, std::hypot(d.x(), d.y()));
  const QPointF tangent = d / length;
  return {tangent, QPointF(-tangent.y(), tangent.x())};
}

Clump MakeClump(const HairSheet& sheet, int index, int samples, double highlightShare, RandomSource& random) {
  Clump clump;
  clump.t = (index + random.Uniform(0.25, 0.75)) / sheet.clumps;
  clump.centre = GuideLine(sheet, clump.t, samples);
  // Neighbouring clumps wave nearly together, as hair does.
  clump.phase = clump.t * 1.4 + random.Normal(0, sheet.curl > 0 ? 1.2 : 0.35);
  clump.lightness = random.Normal(0, 0.05);
  clump.length = random.Uniform(sheet.shortest, 1.0);
  clump.highlight = random.Chance(highlightShare);
  // No two ringlets are alike.
  clump.curl = sheet.curl * random.Uniform(0.7, 1.25);
  clump.curlLength = sheet.curlLength * random.Uniform(0.8, 1.25);
  clump.loop = random.Uniform(0.3, 0.65) * (random.Chance(0.5) ? 1 : -1);
  return clump;
}

// How a strand leaves its clump's centre line: the waves and coils, grown
// in below the roots, and its own wandering.
class StrandShape {
 public:
  StrandShape(const HairSheet& sheet, const Clump& clump, RandomSource& random)
      : sheet_(sheet),
        clump_(clump),
        phase_(clump.phase + random.Normal(0, 0.15)),
        curl_(clump.curl * random.Normal(1, 0.1)),
        random_(random) {}

  // The light on the point just offset: a wave's crest and a coil's front
  // catch it, their troughs and backs lie in shade.
  float Glow() const { return static_cast<float>(glow_); }

  QPointF Offset(const Frame& frame, double arc, double u) {
    // Waves swell towards the ends; coils start just below the roots.
    const double swell = std::min(1.0, u / 0.4);
    const double w = kTwoPi * arc / sheet_.waveLength + phase_;
    QPointF offset = frame.normal * (sheet_.wave * swell * std::sin(w));
    // Low waves hardly shade themselves.
    glow_ = swell * std::cos(w) * std::min(1.0, sheet_.wave / 8);
    if (curl_ > 0) {
      const double a = kTwoPi * arc / clump_.curlLength + phase_;
      const double grow = std::min(1.0, u / 0.15);
      offset += (frame.normal * std::cos(a) + frame.tangent * (clump_.loop * std::sin(a))) * (curl_ * grow);
      glow_ = grow * std::sin(a);
    }
    drift_ += random_.Normal(0, sheet_.frizz);
    return offset + frame.normal * (drift_ * u);
  }

 private:
  const HairSheet& sheet_;
  const Clump& clump_;
  double phase_;
  double curl_;
  double glow_ = 0;
  double drift_ = 0;
  RandomSource& random_;
};

// Strands straying past a guide fold back inside; clamped they would pile up
// into a hard line along it.
double Folded(double t) {
  if (t < 0) t = -t;
  if (t > 1) t = 2 - t;
  return std::clamp(t, 0.0, 1.0);
}

Strand MakeStrand(const HairSheet& sheet, const Clump& clump, int samples, RandomSource& random) {
  const double t = Folded(clump.t + random.Normal(0, sheet.spread / (2.0 * sheet.clumps)));
  const std::vector<QPointF> own = GuideLine(sheet, t, samples);
  const double cut = clump.length * random.Uniform(1 - (1 - sheet.shortest) * 0.5, 1.0);
  const int end = std::max(2, static_cast<int>(samples * cut));
  StrandShape shape(sheet, clump, random);
  Strand strand;
  double arc = 0;
  for (int k = 0; k < end; ++k) {
    const double u = static_cast<double>(k) / (samples - 1);
    if (k > 0) arc += Distance(clump.centre[k], clump.centre[k - 1]);
    const QPointF p = Lerp(own[k], clump.centre[k], sheet.clumping * std::pow(u, 1.3));
    strand.points.push_back(p + shape.Offset(FrameAt(clump.centre, k), arc, u));
    strand.glow.push_back(shape.Glow());
  }
  // Strands near the clump's middle catch more light than those at its sides.
  const double fromMiddle = std::min(1.0, std::abs(t - clump.t) * sheet.clumps);
  strand.lightness =
      clump.lightness + sheet.light + sheet.innerLight * t * t + 0.06 - 0.12 * fromMiddle + random.Normal(0, 0.04);
  strand.width = random.Uniform(0.7, 1.5);
  strand.across = t;
  strand.highlight = clump.highlight;
  return strand;
}

}  // namespace

std::vector<QPointF> GuideLine(const HairSheet& sheet, double t, int samples) {
  std::vector<QPointF> controls;
  for (size_t i = 0; i < sheet.outer.size(); ++i) controls.push_back(Lerp(sheet.outer[i], sheet.inner[i], t));
  return SampleCurve(controls, samples);
}

std::vector<Strand> SheetStrands(const HairSheet& sheet, double highlightShare, RandomSource& random) {
  const int samples = std::max(8, static_cast<int>(LineLength(GuideLine(sheet, 0.5, 64)) / kStrandStep));
  std::vector<Strand> strands;
  for (int c = 0; c < sheet.clumps; ++c) {
    const Clump clump = MakeClump(sheet, c, samples, highlightShare, random);
    for (int s = 0; s < sheet.strandsPerClump; ++s) strands.push_back(MakeStrand(sheet, clump, samples, random));
  }
  return strands;
}

}  // namespace lumena::tools
