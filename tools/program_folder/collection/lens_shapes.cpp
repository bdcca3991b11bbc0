#include "lens_shapes.h"

#include <vector>

#include "paint_tools.h"

namespace lumena::tools {

namespace {

// An outline through points given in halves of the lens's width and height.
QPainterPath Through(std::initializer_list<QPointF> unit, double width, double height) {
  std::vector<QPointF> points;
  for (const QPointF& u : unit) points.emplace_back(u.x() * width / 2, u.y() * height / 2);
  return SmoothOutline(points);
}

}  // namespace

QPainterPath LensOutline(LensShape shape, double width, double height) {
  QPainterPath path;
  const QRectF box(-width / 2, -height / 2, width, height);
  switch (shape) {
    case LensShape::Round:
      path.addEllipse(box);
      return path;
    case LensShape::Rectangle:
      path.addRoundedRect(box, 7, 7);
      return path;
    case LensShape::Square:
      path.addRoundedRect(box, 14, 14);
      return path;
    case LensShape::CatEye:
      // The outer top corner sweeps up; the nose side stays low.
      return Through({{-1, -0.55},
                      {-0.3, -0.95},
                      {0.6, -1.05},
                      {1.08, -1.15},
                      {1, -0.2},
                      {0.7, 0.75},
                      {0, 1},
                      {-0.7, 0.85},
                      {-1, 0.2}},
                     width, height);
    case LensShape::Aviator:
      // A teardrop: flat along the brow, deepest towards the nose.
      return Through({{-1, -0.8},
                      {-0.3, -1},
                      {0.5, -0.98},
                      {1, -0.75},
                      {0.98, 0.1},
                      {0.55, 0.85},
                      {-0.15, 1},
                      {-0.75, 0.7},
                      {-1, 0}},
                     width, height);
    case LensShape::Hexagon: {
      const QPointF corners[] = {{-1, 0}, {-0.5, -1}, {0.5, -1}, {1, 0}, {0.5, 1}, {-0.5, 1}};
      path.moveTo(corners[0].x() * width / 2, corners[0].y() * height / 2);
      for (const QPointF& c : corners) path.lineTo(c.x() * width / 2, c.y() * height / 2);
      path.closeSubpath();
      return path;
    }
  }
  return path;
}

}  // namespace lumena::tools
