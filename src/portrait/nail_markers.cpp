#include "portrait/nail_markers.h"

#include <algorithm>
#include <cstdlib>

#include "images/rounding.h"

namespace lumena {

NailMarkers StartingMarkers(int viewWidth, int viewHeight) {
  const int x = viewWidth / 2, y = viewHeight / 2;
  return {{{{x - 60, y}}, {{x - 30, y - 20}}, {{x, y - 40}}, {{x + 30, y - 20}}, {{x + 60, y}}}};
}

int MarkerPictureWidth(const NailMarker& m) { return Round32(m.scaleX * kMarkerWidth); }
int MarkerPictureHeight(const NailMarker& m) { return Round32(m.scaleY * kMarkerHeight); }

int MarkerAt(const NailMarkers& markers, Point point) {
  for (size_t i = 0; i < markers.size(); ++i) {
    const int half = MarkerPictureWidth(markers[i]) / 2;
    if (std::abs(point.x - markers[i].centre.x) <= half && std::abs(point.y - markers[i].centre.y) <= half)
      return static_cast<int>(i) + 1;
  }
  return 0;
}

NailMarker MoveMarker(NailMarker m, Point pointer, Point grab, int viewWidth, int viewHeight) {
  m.centre = {std::clamp(pointer.x - grab.x, 0, viewWidth - 1), std::clamp(pointer.y - grab.y, 0, viewHeight - 1)};
  return m;
}

NailMarker StretchMarker(NailMarker m, int dx, int dy, bool rightButton) {
  if (rightButton)
    m.scaleX = std::clamp(m.scaleX + dx / 100.0, kMinMarkerScale, kMaxMarkerScale);
  else
    m.scaleY = std::clamp(m.scaleY - dy / 100.0, kMinMarkerScale, kMaxMarkerScale);
  return m;
}

NailMarker TurnMarker(NailMarker m, int dx) {
  // The remainder keeps the sign of the dividend, as C++'s does.
  m.angle = (m.angle + dx / 2) % 360;
  return m;
}

NailMark NailAnchor(const NailMarker& m, const ZoomFrame& frame, Point layer, int tableWidth, int tableHeight) {
  return {std::clamp(Round32((m.centre.x - frame.left) * frame.zoom) + layer.x, 0, tableWidth),
          std::clamp(Round32((m.centre.y - frame.top) * frame.zoom) + layer.y, 0, tableHeight),
          Round32(m.scaleX * kMarkerWidth * frame.zoom), Round32(m.scaleY * kMarkerHeight * frame.zoom), m.angle};
}

}  // namespace lumena
