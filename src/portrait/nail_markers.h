#pragma once
// The five nail marks a user puts on a hand picture: found under the
// pointer, moved, stretched and turned by mouse, and turned into the nail
// anchors of the work on OK.
#include <array>

#include "images/rect.h"
#include "portrait/adjust_geometry.h"
#include "portrait/placement_anchors.h"

namespace lumena {

// A marker is an ellipse 27 x 57 pixels at scale 1; its upper three
// quarters are the nail.
inline constexpr int kMarkerWidth = 27, kMarkerHeight = 57;
inline constexpr double kMinMarkerScale = 0.5, kMaxMarkerScale = 2.0;

struct NailMarker {
  Point centre;  // view pixels
  double scaleX = 1, scaleY = 1;
  int angle = 0;  // degrees
  friend bool operator==(const NailMarker&, const NailMarker&) = default;
};
using NailMarkers = std::array<NailMarker, kNailMarkCount>;

// An arc of five marks about the middle of the view.
NailMarkers StartingMarkers(int viewWidth, int viewHeight);
// The size of a marker's picture.
int MarkerPictureWidth(const NailMarker& m);
int MarkerPictureHeight(const NailMarker& m);

// The number (1..5) of the first marker whose square holds the point; 0
// for none.
int MarkerAt(const NailMarkers& markers, Point point);

// Dragged by the point it was grabbed at, the centre kept inside the view.
NailMarker MoveMarker(NailMarker m, Point pointer, Point grab, int viewWidth, int viewHeight);
// A Ctrl-drag: with the right button, a move right widens it; with the left,
// a move up makes it taller; each within its limits.
NailMarker StretchMarker(NailMarker m, int dx, int dy, bool rightButton);
// A Shift-drag turns it by half the horizontal move, in degrees.
NailMarker TurnMarker(NailMarker m, int dx);

// The nail anchor of a marker, in table pixels of a reference layer at
// `layer` made from the zoom frame.
NailMark NailAnchor(const NailMarker& m, const ZoomFrame& frame, Point layer, int tableWidth, int tableHeight);

}  // namespace lumena
