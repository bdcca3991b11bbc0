#pragma once
// Drawing helpers every kind of template shares: smooth curves through
// points, colour mixing, soft shapes and blurring.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <span>
#include <vector>

namespace lumena::tools {

// A smooth open curve through the points (Catmull-Rom, as cubic Béziers).
QPainterPath SmoothCurve(std::span<const QPointF> points);
// A smooth closed outline through the points.
QPainterPath SmoothOutline(std::span<const QPointF> points);
// The closed shape between two smooth curves: along `first`, then back
// along `second`.
QPainterPath ShapeBetween(std::span<const QPointF> first, std::span<const QPointF> second);
// `count` points along the open curve through the points, evenly in its
// parameter.
std::vector<QPointF> SampleCurve(std::span<const QPointF> points, int count);

QPointF Lerp(QPointF a, QPointF b, double t);
// The points' mirror image about the upright line x = middle.
std::vector<QPointF> Mirrored(std::vector<QPointF> points, double middle);
QPainterPath EllipsePath(QPointF centre, double rx, double ry);
QColor Mix(const QColor& a, const QColor& b, double t);
// Towards white for a positive amount, towards black for a negative one.
QColor Shade(const QColor& c, double amount);
QColor WithAlpha(QColor c, int alpha);

// An ellipse filled by a radial gradient from `colour` at its centre to
// nothing at its rim; `core` (0..1) is how far out the colour stays full.
void SoftEllipse(QPainter& p, QPointF centre, double rx, double ry, const QColor& colour, double core = 0,
                 double angleDegrees = 0);
// Darkens the shape towards its left and right sides, as rounded things
// (a crown, a body) turn away from the light.
void ShadeSides(QPainter& p, const QPainterPath& shape);
// Strokes the path with a round pen.
void StrokePath(QPainter& p, const QPainterPath& path, const QColor& colour, double width);

// Blurs an Alpha8 image in place (three box passes, close to a Gaussian).
void BlurAlpha(QImage& alpha, int radius);

}  // namespace lumena::tools
