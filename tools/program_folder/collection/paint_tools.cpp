#include "paint_tools.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace lumena::tools {

namespace {

// The Catmull-Rom neighbours of segment i, ends repeated (open) or wrapped.
struct Segment {
  QPointF p0, p1, p2, p3;
};

Segment SegmentAt(std::span<const QPointF> pts, int i, bool closed) {
  const int n = static_cast<int>(pts.size());
  const auto at = [&](int k) { return closed ? pts[((k % n) + n) % n] : pts[std::clamp(k, 0, n - 1)]; };
  return {at(i - 1), at(i), at(i + 1), at(i + 2)};
}

void AddSegment(QPainterPath& path, const Segment& s) {
  path.cubicTo(s.p1 + (s.p2 - s.p0) / 6.0, s.p2 - (s.p3 - s.p1) / 6.0, s.p2);
}

QPointF PointOn(const Segment& s, double t) {
  const double t2 = t * t, t3 = t2 * t;
  return 0.5 * ((2 * s.p1) + (-s.p0 + s.p2) * t + (2 * s.p0 - 5 * s.p1 + 4 * s.p2 - s.p3) * t2 +
                (-s.p0 + 3 * s.p1 - 3 * s.p2 + s.p3) * t3);
}

// One box pass along rows (step 1) or columns (step = bytes per line).
void BoxPass(uchar* data, int lines, int length, int lineStep, int step, int radius) {
  std::vector<int> line(length);
  const int window = 2 * radius + 1;
  for (int l = 0; l < lines; ++l) {
    uchar* start = data + static_cast<ptrdiff_t>(l) * lineStep;
    for (int i = 0; i < length; ++i) line[i] = start[static_cast<ptrdiff_t>(i) * step];
    int sum = 0;
    for (int i = -radius; i <= radius; ++i) sum += line[std::clamp(i, 0, length - 1)];
    for (int i = 0; i < length; ++i) {
      start[static_cast<ptrdiff_t>(i) * step] = static_cast<uchar>(sum / window);
      sum += line[std::min(i + radius + 1, length - 1)] - line[std::max(i - radius, 0)];
    }
  }
}

}  // namespace

QPainterPath SmoothCurve(std::span<const QPointF> points) {
  QPainterPath path;
  if (points.empty()) return path;
  path.moveTo(points.front());
  for (int i = 0; i + 1 < static_cast<int>(points.size()); ++i) AddSegment(path, SegmentAt(points, i, false));
  return path;
}

QPainterPath SmoothOutline(std::span<const QPointF> points) {
  QPainterPath path;
  if (points.empty()) return path;
  path.moveTo(points.front());
  for (int i = 0; i < static_cast<int>(points.size()); ++i) AddSegment(path, SegmentAt(points, i, true));
  path.closeSubpath();
  return path;
}

QPainterPath ShapeBetween(std::span<const QPointF> first, std::span<const QPointF> second) {
  QPainterPath path = SmoothCurve(first);
  const std::vector<QPointF> back(second.rbegin(), second.rend());
  path.connectPath(SmoothCurve(back));
  path.closeSubpath();
  return path;
}

std::vector<QPointF> SampleCurve(std::span<const QPointF> points, int count) {
  std::vector<QPointF> samples;
  const int segments = static_cast<int>(points.size()) - 1;
  if (segments < 1 || count < 2) return {points.begin(), points.end()};
  samples.reserve(count);
  for (int k = 0; k < count; ++k) {
    const double u = static_cast<double>(k) * segments / (count - 1);
    const int i = std::min(static_cast<int>(u), segments - 1);
    samples.push_back(PointOn(SegmentAt(points, i, false), u - i));
  }
  return samples;
}

QPointF Lerp(QPointF a, QPointF b, double t) { return a + (b - a) * t; }

std::vector<QPointF> Mirrored(std::vector<QPointF> points, double middle) {
  for (QPointF& p : points) p.setX(2 * middle - p.x());
  return points;
}

QPainterPath EllipsePath(QPointF centre, double rx, double ry) {
  QPainterPath path;
  path.addEllipse(centre, rx, ry);
  return path;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  const auto mix = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()), mix(a.alpha(), b.alpha()));
}

QColor Shade(const QColor& c, double amount) {
  const QColor target = amount >= 0 ? QColor(255, 255, 255, c.alpha()) : QColor(0, 0, 0, c.alpha());
  return Mix(c, target, std::min(std::abs(amount), 1.0));
}

QColor WithAlpha(QColor c, int alpha) {
  c.setAlpha(std::clamp(alpha, 0, 255));
  return c;
}

void SoftEllipse(QPainter& p, QPointF centre, double rx, double ry, const QColor& colour, double core,
                 double angleDegrees) {
  p.save();
  p.translate(centre);
  p.rotate(angleDegrees);
  p.scale(1.0, ry / rx);
  QRadialGradient gradient(QPointF(0, 0), rx);
  gradient.setColorAt(0, colour);
  gradient.setColorAt(std::clamp(core, 0.0, 0.99), colour);
  gradient.setColorAt(1, WithAlpha(colour, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(gradient);
  p.drawEllipse(QPointF(0, 0), rx, rx);
  p.restore();
}

void ShadeSides(QPainter& p, const QPainterPath& shape) {
  const QRectF box = shape.boundingRect();
  QLinearGradient sides(box.left(), 0, box.right(), 0);
  sides.setColorAt(0, QColor(0, 0, 0, 110));
  sides.setColorAt(0.3, QColor(0, 0, 0, 0));
  sides.setColorAt(0.6, QColor(0, 0, 0, 0));
  sides.setColorAt(1, QColor(0, 0, 0, 130));
  p.save();
  p.setClipPath(shape);
  p.fillRect(box, sides);
  p.restore();
}

void StrokePath(QPainter& p, const QPainterPath& path, const QColor& colour, double width) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
}

void BlurAlpha(QImage& alpha, int radius) {
  if (radius < 1) return;
  const int w = alpha.width(), h = alpha.height();
  const int bytesPerLine = static_cast<int>(alpha.bytesPerLine());
  for (int pass = 0; pass < 3; ++pass) {
    BoxPass(alpha.bits(), h, w, bytesPerLine, 1, radius);
    BoxPass(alpha.bits(), w, h, 1, bytesPerLine, radius);
  }
}

}  // namespace lumena::tools
