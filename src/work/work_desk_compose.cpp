// Composing the desk picture, the pan cache and the full work image from the
// layers' renderings.
#include <algorithm>
#include <vector>

#include "images/pixel_routines.h"
#include "work/composition.h"
#include "work/work_desk.h"

namespace lumena {

void TWorkDesk::ComposeArea(const Rect& rect, DeskTarget target) {
  const bool full = target == DeskTarget::FullWorkImage;
  Picture& picture = full ? FullWorkImage_ : target == DeskTarget::PanCache ? PanCache_ : DeskImage_;
  const Point shift = target == DeskTarget::PanCache ? Point{-PanCacheX_, -PanCacheY_} : Point{};
  std::vector<CompositionLayer> layers;
  for (const auto& layer : Layers_) {
    const LayerRendering& r = full ? layer->FullRendering() : layer->DeskRendering();
    if (!layer->Visible() || r.State == kNotOnScreen) continue;
    Rect area = r.Area();
    area = {area.left + shift.x, area.top + shift.y, area.right + shift.x, area.bottom + shift.y};
    if (!IntersectRect(area, rect)) continue;
    const TMask& mask = layer->Mask();
    layers.push_back({&r.Image, area.left, area.top, mask.UsedRegions().empty() ? nullptr : &mask, r.Source,
                      full ? 1.0 : Geometry_.scale, layer->Params().Opacity});
  }
  ComposeLayers(picture, rect, layers, full ? CompositionTarget::FullImage : CompositionTarget::Desk);
}

void TWorkDesk::Refresh(const Rect& windowArea) {
  ComposeArea(windowArea, DeskTarget::DeskImage);
  PaintArea(windowArea);
}

void TWorkDesk::RefreshAll() {
  if (DeskVisible()) Refresh(WindowRect());
}

void TWorkDesk::PaintArea(const Rect& area) {
  const Rect rect = ClippedTo(area, Geometry_.windowWidth, Geometry_.windowHeight);
  if (rect.Empty()) return;
  if (!PanCache_.Empty()) {
    for (int y = rect.top; y < rect.bottom; ++y) {
      auto row = DeskImage_.Row(y);
      const int cy = y - PanCacheY_;
      for (int x = rect.left; x < rect.right; ++x) {
        const int cx = x - PanCacheX_;
        const bool inside = cx >= 0 && cy >= 0 && cx < PanCache_.Width() && cy < PanCache_.Height();
        row[x] = inside ? PanCache_.At(cx, cy) : kOpaqueWhite;
      }
    }
  }
  Observer_.AreaChanged(rect);
}

std::optional<ActiveFrame> TWorkDesk::ActiveFrameToDraw() const {
  const TLayer* active = ActiveLayer();
  if (!ShowActiveFrame || !active || active->DeskRendering().State == kNotOnScreen) return std::nullopt;
  ActiveFrame frame;
  frame.area = active->DeskRendering().Area();
  frame.top = frame.area.top != 0;
  frame.left = frame.area.left != 0;
  frame.bottom = frame.area.bottom - 1 != Geometry_.windowHeight - 1;
  frame.right = frame.area.right - 1 != Geometry_.windowWidth - 1;
  return frame;
}

void TWorkDesk::BuildPanCache() {
  Rect u{};
  bool any = false;
  for (const auto& layer : Layers_) {
    const LayerRendering& r = layer->DeskRendering();
    if (!layer->Visible() || r.State == kNotOnScreen || r.Image.Empty()) continue;
    const Rect a = r.Area();
    if (!any || a.left < u.left) PanCacheTableX_ = layer->X();
    if (!any || a.top < u.top) PanCacheTableY_ = layer->Y();
    u = any ? Rect{std::min(u.left, a.left), std::min(u.top, a.top), std::max(u.right, a.right),
                   std::max(u.bottom, a.bottom)}
            : a;
    any = true;
  }
  PanCache_.Clear();
  if (!any) return;
  try {
    PanCacheX_ = u.left;
    PanCacheY_ = u.top;
    PanCache_.Resize(static_cast<int>(u.Width()), static_cast<int>(u.Height()));
    ComposeArea({0, 0, PanCache_.Width(), PanCache_.Height()}, DeskTarget::PanCache);
  } catch (...) {
    PanCache_.Clear();
  }
}

void TWorkDesk::BuildFullWorkImage() {
  // Layers wholly off the table add nothing to the bounding box.
  Rect u;
  for (const auto& layer : Layers_)
    if (layer->Visible()) u = UnionOf(u, ClippedTo(layer->TableRect(), Geometry_.tableWidth, Geometry_.tableHeight));
  if (u.Empty()) {
    FullWorkImage_.Clear();
    FullArea_ = {};
    return;
  }
  FullArea_ = u;
  FullWorkImage_.Resize(static_cast<int>(u.Width()), static_cast<int>(u.Height()));
  struct Release {
    std::vector<std::unique_ptr<TLayer>>& layers;
    ~Release() {
      for (auto& l : layers) l->FullRendering().Release();
    }
  } release{Layers_};
  for (auto& layer : Layers_)
    if (layer->Visible()) layer->RenderFull(u);
  ComposeArea({0, 0, FullWorkImage_.Width(), FullWorkImage_.Height()}, DeskTarget::FullWorkImage);
}

}  // namespace lumena
