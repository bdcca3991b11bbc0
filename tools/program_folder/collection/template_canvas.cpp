#include "template_canvas.h"

#include <algorithm>
#include <stdexcept>

#include "paint_tools.h"

namespace lumena::tools {

TemplateCanvas::TemplateCanvas(QRect area) : area_(area), picture_(area.size(), QImage::Format_ARGB32_Premultiplied) {
  picture_.fill(Qt::transparent);
}

void TemplateCanvas::Run(QImage& target, const PaintRoutine& paint, QPainter::CompositionMode mode) const {
  QPainter painter(&target);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
  painter.setCompositionMode(mode);
  painter.translate(-area_.topLeft());
  paint(painter);
}

QImage& TemplateCanvas::CoverageFor(int region) {
  if (region < 1 || region > kCanvasRegions) throw std::out_of_range("no such colour region");
  QImage& coverage = coverage_[region - 1];
  if (coverage.isNull()) {
    coverage = QImage(area_.size(), QImage::Format_Alpha8);
    coverage.fill(0);
  }
  return coverage;
}

void TemplateCanvas::Draw(Regions regions, const PaintRoutine& paint) {
  Run(picture_, paint, QPainter::CompositionMode_SourceOver);
  Mark(regions, paint);
}

void TemplateCanvas::Mark(Regions regions, const PaintRoutine& paint) {
  for (const int region : regions) Run(CoverageFor(region), paint, QPainter::CompositionMode_SourceOver);
}

void TemplateCanvas::Unmark(Regions regions, const PaintRoutine& paint) {
  for (const int region : regions) Run(CoverageFor(region), paint, QPainter::CompositionMode_DestinationOut);
}

void TemplateCanvas::DrawSoft(Regions regions, const QPainterPath& path, const QBrush& brush, int radius) {
  QImage shape = BlankLayer(QImage::Format_Alpha8);
  PaintOnLayer(shape, [&](QPainter& p) { p.fillPath(path, Qt::black); });
  BlurAlpha(shape, radius);
  QImage layer = BlankLayer(QImage::Format_ARGB32_Premultiplied);
  PaintOnLayer(layer, [&](QPainter& p) {
    p.fillRect(area_, brush);
    p.resetTransform();
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    p.drawImage(0, 0, shape);
  });
  Lay(regions, layer);
}

void TemplateCanvas::Lay(Regions regions, const QImage& layer) {
  const auto over = [&](QImage& target) {
    QPainter painter(&target);
    painter.drawImage(0, 0, layer);
  };
  over(picture_);
  for (const int region : regions) over(CoverageFor(region));
}

void TemplateCanvas::MarkDrawn(int region) {
  QImage& coverage = CoverageFor(region);
  const QImage opacity = OpacityOf(picture_);
  QPainter painter(&coverage);
  painter.drawImage(0, 0, opacity);
}

void TemplateCanvas::Feather(int radius) {
  QImage inner = OpacityOf(picture_);
  BlurAlpha(inner, radius);
  // Only shrinks: a pixel never gains opacity, so no dark fringe appears.
  for (int y = 0; y < inner.height(); ++y) {
    uchar* row = inner.scanLine(y);
    for (int x = 0; x < inner.width(); ++x) row[x] = static_cast<uchar>(std::max(0, row[x] * 2 - 255));
  }
  KeepWithin(inner);
}

void TemplateCanvas::KeepWithin(const QImage& alpha) {
  QPainter painter(&picture_);
  painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
  painter.drawImage(0, 0, alpha);
}

QImage TemplateCanvas::BlankLayer(QImage::Format format) const {
  QImage layer(area_.size(), format);
  layer.fill(Qt::transparent);
  return layer;
}

void TemplateCanvas::PaintOnLayer(QImage& layer, const PaintRoutine& paint) const {
  Run(layer, paint, QPainter::CompositionMode_SourceOver);
}

void TemplateCanvas::LayOver(const QImage& layer) {
  QPainter painter(&picture_);
  painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
  painter.drawImage(0, 0, layer);
}

QImage OpacityOf(const QImage& picture) { return picture.convertToFormat(QImage::Format_Alpha8); }

}  // namespace lumena::tools
