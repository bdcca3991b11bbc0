#include "e2e/support/work_maker.h"

#include <memory>

#include "work/desk_observer.h"
#include "work/work_desk.h"
#include "workfile/work_saving.h"

namespace lumena::e2e {

void MakeWork(const std::filesystem::path& file, const std::vector<WorkLayer>& layers) {
  DeskObserver observer;
  DeskGeometry geometry;
  geometry.CentreView();
  TWorkDesk desk(observer, geometry);
  // The deeper a layer, the further in front: the first goes in front.
  int32_t depth = static_cast<int32_t>(layers.size());
  for (const WorkLayer& l : layers) {
    auto layer = std::make_unique<TLayer>(desk);
    layer->Init(l.picture, nullptr);
    layer->SetDepth(depth--);
    layer->SetPosition(l.at.x, l.at.y);
    layer->SetTemplateType(l.templateType);
    layer->Mask().SetPicture(layer->WorkPicture());
    layer->SetTransformMode(kModeNormal);
    desk.InsertLayer(std::move(layer));
  }
  SaveWork(file, desk, {}, "e2e");
}

Picture Filled(int width, int height, Pixel colour, Rect hole) {
  Picture p(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      p.At(x, y) = x >= hole.left && x < hole.right && y >= hole.top && y < hole.bottom ? Pixel{} : colour;
  return p;
}

}  // namespace lumena::e2e
