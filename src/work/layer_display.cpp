// A layer's renderings and the repainting of its desk area.
#include "images/rounding.h"
#include "work/layer.h"

namespace lumena {

void TLayer::RenderDesk() { RenderLayer(DeskRendering_, MakeRenderInput(), DeskView(Site_->Geometry())); }

void TLayer::RenderFull(const Rect& area) {
  const auto w = static_cast<int32_t>(area.Width()), h = static_cast<int32_t>(area.Height());
  RenderLayer(FullRendering_, MakeRenderInput(), {1.0, area.left, area.top, w, h, w, h});
}

void TLayer::RenderTemplate() {
  RenderView view = DeskView(Site_->Geometry());
  view.scale = 1.0;
  RenderLayer(DeskRendering_, MakeRenderInput(), view, true);
}

void TLayer::Repaint() {
  if (Site_->DeskVisible() && DeskRendering_.State != kNotOnScreen) Site_->Refresh(DeskRendering_.Area());
}

void TLayer::RepaintUnion(const Rect& oldArea) {
  if (!Site_->DeskVisible()) return;
  const Rect area = UnionOf(oldArea, DeskRendering_.Area());
  if (area.right > area.left && area.bottom > area.top) Site_->Refresh(area);
}

// A wholly rendered layer that moved only moves its rendering.
void TLayer::PlaceDeskRendering() {
  const DeskGeometry& g = Site_->Geometry();
  DeskRendering_.X = static_cast<int32_t>(Round((X_ - g.viewLeft) / g.scale));
  DeskRendering_.Y = static_cast<int32_t>(Round((Y_ - g.viewTop) / g.scale));
}

}  // namespace lumena
