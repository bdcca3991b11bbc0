#pragma once
// A template being drawn: its picture and, for each colour region, the
// coverage the region's shapes leave, so that the mask follows the drawing.
#include <QImage>
#include <QPainter>
#include <QRect>
#include <array>
#include <functional>
#include <initializer_list>

namespace lumena::tools {

inline constexpr int kCanvasRegions = 8;

using PaintRoutine = std::function<void(QPainter&)>;
using Regions = std::initializer_list<int>;

class TemplateCanvas {
 public:
  // The canvas holds `area` of the drawing plane; painters draw in plane
  // coordinates.
  explicit TemplateCanvas(QRect area);

  const QRect& Area() const { return area_; }
  // Premultiplied, as QPainter draws fastest.
  const QImage& Picture() const { return picture_; }
  // Region n's coverage (Alpha8); a null image when nothing marked it.
  const QImage& Coverage(int region) const { return coverage_.at(region - 1); }

  // Paints into the picture and marks the regions with the same shapes.
  void Draw(Regions regions, const PaintRoutine& paint);
  void Paint(const PaintRoutine& paint) { Draw({}, paint); }
  // Marks the regions only.
  void Mark(Regions regions, const PaintRoutine& paint);
  // Takes what the routine paints out of the regions, where a part in front
  // hides another (a frame over its lens).
  void Unmark(Regions regions, const PaintRoutine& paint);
  // Fills the path with the brush, its edge blurred over `radius` pixels:
  // make-up and shading that fade into the skin.
  void DrawSoft(Regions regions, const QPainterPath& path, const QBrush& brush, int radius);
  // Lays a premultiplied canvas-sized layer over the picture; its opacity
  // marks the regions.
  void Lay(Regions regions, const QImage& layer);
  // Every pixel drawn so far joins the region.
  void MarkDrawn(int region);
  // Fades the picture's edges inward over `radius` pixels, so that shapes
  // blend into a photograph instead of ending in a cut line.
  void Feather(int radius);
  // A clear image of the canvas's size, and a routine painting on it in
  // plane coordinates: for effects built apart before they are laid on.
  QImage BlankLayer(QImage::Format format) const;
  void PaintOnLayer(QImage& layer, const PaintRoutine& paint) const;
  // Lays a layer over what is drawn, keeping the picture's opacity.
  void LayOver(const QImage& layer);

 private:
  // Keeps the picture only where `alpha` (Alpha8, canvas-sized) is opaque.
  void KeepWithin(const QImage& alpha);
  void Run(QImage& target, const PaintRoutine& paint, QPainter::CompositionMode mode) const;
  QImage& CoverageFor(int region);

  QRect area_;
  QImage picture_;
  std::array<QImage, kCanvasRegions> coverage_;
};

// The picture's opacity as an Alpha8 image.
QImage OpacityOf(const QImage& picture);

}  // namespace lumena::tools
