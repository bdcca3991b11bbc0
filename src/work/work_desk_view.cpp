// Moving the desk's view over the table and changing its scale.
#include <algorithm>

#include "images/rounding.h"
#include "work/work_desk.h"

namespace lumena {

void TWorkDesk::RenderAll() {
  for (auto& layer : Layers_) layer->RenderDesk();
}

void TWorkDesk::SetViewPosition(int32_t left, int32_t top) {
  if (left == Geometry_.viewLeft && top == Geometry_.viewTop) return;
  Geometry_.viewLeft = left;
  Geometry_.viewTop = top;
  if (DeskVisible()) {
    const double s = Geometry_.scale;
    // Positions are rounded apart so that layers and the pan cache shift
    // by the same amount.
    const auto place = [&](int32_t tableX, int32_t tableY) {
      return Point{static_cast<int32_t>(Round(tableX / s) - Round(left / s)),
                   static_cast<int32_t>(Round(tableY / s) - Round(top / s))};
    };
    bool allWhole = true;
    for (auto& layer : Layers_) {
      LayerRendering& r = layer->DeskRendering();
      if (r.State == kWholeRendered) {
        const Point p = place(layer->X(), layer->Y());
        r.X = p.x;
        r.Y = p.y;
      } else {
        layer->RenderDesk();
        allWhole = false;
      }
    }
    if (LastAction_ == EditingAction::ViewMoved && !PanCache_.Empty()) {
      const Point p = place(PanCacheTableX_, PanCacheTableY_);
      PanCacheX_ = p.x;
      PanCacheY_ = p.y;
    } else if (allWhole) {
      BuildPanCache();
    } else {
      PanCache_.Clear();
    }
    if (PanCache_.Empty())
      Refresh(WindowRect());
    else
      PaintArea(WindowRect());
  }
  RecordAction(EditingAction::ViewMoved);
  Observer_.ViewChanged();
}

void TWorkDesk::SetScale(double scale) {
  if (scale == Geometry_.scale) return;
  Geometry_.scale = scale;
  const auto w = static_cast<int32_t>(Round(scale * Geometry_.windowWidth));
  const auto h = static_cast<int32_t>(Round(scale * Geometry_.windowHeight));
  if (w == Geometry_.viewWidth && h == Geometry_.viewHeight) return;
  // The view keeps its centre as far as the table allows.
  const auto keep = [](int32_t position, int32_t oldSize, int32_t newSize, int32_t table) {
    const auto moved = static_cast<int32_t>(position + Round((oldSize - newSize) / 2.0));
    return std::max(0, std::min(moved, table - newSize));
  };
  Geometry_.viewLeft = keep(Geometry_.viewLeft, Geometry_.viewWidth, w, Geometry_.tableWidth);
  Geometry_.viewTop = keep(Geometry_.viewTop, Geometry_.viewHeight, h, Geometry_.tableHeight);
  Geometry_.viewWidth = w;
  Geometry_.viewHeight = h;
  RecordAction(EditingAction::ScaleChanged);
  Observer_.ViewChanged();
  if (DeskVisible()) {
    RenderAll();
    Refresh(WindowRect());
  }
}

void TWorkDesk::CentreView() {
  SetViewPosition((Geometry_.tableWidth - Geometry_.viewWidth) / 2, (Geometry_.tableHeight - Geometry_.viewHeight) / 2);
  Observer_.ViewChanged();
}

}  // namespace lumena
