#include "workfile/work_snapshot.h"

namespace lumena {

namespace {

// Roles of layers that are left out are not stored either.
std::string NameOf(const TLayer* layer) {
  return layer && !layer->WorkPicture().Empty() ? layer->Name() : std::string();
}

}  // namespace

std::vector<std::string> WorkSnapshot::TocLines() const {
  std::vector<std::string> lines = FixedTocLines(header);
  for (const TLayer* layer : layers) lines.push_back(LayerTocLine(layer->Record()));
  return lines;
}

WorkSnapshot SnapshotWork(TWorkDesk& desk, const PlacementAnchors& anchors, std::string_view version) {
  WorkSnapshot snapshot;
  snapshot.header.version = std::string(version);
  snapshot.header.roles = {NameOf(desk.PortraitLayer()), NameOf(desk.HandLayer()), NameOf(desk.BodyLayer()),
                           NameOf(desk.ActiveLayer())};
  snapshot.header.anchors = anchors;
  for (int i = desk.Count() - 1; i >= 0; --i)
    if (!desk.Layer(i).WorkPicture().Empty()) snapshot.layers.push_back(&desk.Layer(i));
  snapshot.workPicture = desk.TakeFullWorkImage();
  return snapshot;
}

}  // namespace lumena
