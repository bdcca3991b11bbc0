#include "work/layer_rendering.h"

#include <algorithm>
#include <vector>

#include "images/rounding.h"
#include "work/colouring_pipeline.h"

namespace lumena {

Rect LayerRendering::Area() const {
  if (State == kNotOnScreen) return {};
  return {X, Y, X + Image.Width(), Y + Image.Height()};
}

void LayerRendering::Release() {
  Image.Clear();
  X = Y = -1;
  State = kNotOnScreen;
  Source = {};
}

RenderView DeskView(const DeskGeometry& g) {
  return {g.scale, g.viewLeft, g.viewTop, g.viewWidth, g.viewHeight, g.windowWidth, g.windowHeight};
}

namespace {

int32_t RoundTo(double v) { return static_cast<int32_t>(Round(v)); }

RenderingPlacement PlaceWhole(int32_t x, int32_t y, int32_t width, int32_t height, const RenderView& v) {
  const double s = v.scale;
  return {kWholeRendered,     RoundTo((x - v.left) / s), RoundTo((y - v.top) / s),
          RoundTo(width / s), RoundTo(height / s),       {0, 0, width, height}};
}

}  // namespace

RenderingPlacement PlaceRendering(int32_t x, int32_t y, int32_t width, int32_t height, const RenderView& v,
                                  bool whole) {
  const double s = v.scale;
  // A whole rendering must also fit a picture: a very thin layer at a
  // large magnification is rendered where it is seen instead.
  const bool fits = width / s <= kMaxPictureSide && height / s <= kMaxPictureSide;
  if (whole || (fits && 2.0 * v.windowWidth * v.windowHeight >= (height / s) * (width / s)))
    return PlaceWhole(x, y, width, height, v);
  if (x >= v.left + v.width || y >= v.top + v.height || v.left >= x + width || v.top >= y + height) return {};
  const int32_t x0 = std::max(x, v.left), y0 = std::max(y, v.top);
  const int32_t x1 = std::min(x + width, v.left + v.width), y1 = std::min(y + height, v.top + v.height);
  const int32_t left = x0 == v.left ? 0 : RoundTo((x0 - v.left) / s);
  const int32_t top = y0 == v.top ? 0 : RoundTo((y0 - v.top) / s);
  const int32_t right = x1 == v.left + v.width ? v.windowWidth : RoundTo((x1 - v.left) / s);
  const int32_t bottom = y1 == v.top + v.height ? v.windowHeight : RoundTo((y1 - v.top) / s);
  return {
      kPartRendered, left, top, std::max(0, right - left), std::max(0, bottom - top), {x0 - x, y0 - y, x1 - x, y1 - y}};
}

void StretchNearest(const Picture& source, const Rect& from, Picture& target) {
  const int tw = target.Width(), th = target.Height();
  const int64_t sw = from.Width(), sh = from.Height();
  if (tw == 0 || th == 0 || sw <= 0 || sh <= 0) return;
  std::vector<int> columns(static_cast<size_t>(tw));
  for (int c = 0; c < tw; ++c) columns[c] = static_cast<int>(from.left + c * sw / tw);
  for (int r = 0; r < th; ++r) {
    const auto src = source.Row(static_cast<int>(from.top + r * sh / th));
    auto dst = target.Row(r);
    if (sw == tw) {
      std::copy_n(src.begin() + from.left, tw, dst.begin());
      continue;
    }
    for (int c = 0; c < tw; ++c) dst[c] = src[columns[c]];
  }
}

void RenderLayer(LayerRendering& out, const RenderInput& in, const RenderView& view, bool whole) {
  const RenderingPlacement place = in.work.Empty()
                                       ? RenderingPlacement{}
                                       : PlaceRendering(in.x, in.y, in.work.Width(), in.work.Height(), view, whole);
  if (place.state == kNotOnScreen) {
    out.Release();
    return;
  }
  out.Image.Resize(place.width, place.height);
  out.X = place.x;
  out.Y = place.y;
  out.State = place.state;
  out.Source = place.source;
  StretchNearest(in.work, place.source, out.Image);
  ColourRendering(out.Image, {in.parameters, in.mask, in.work, place.source, view.scale});
}

}  // namespace lumena
