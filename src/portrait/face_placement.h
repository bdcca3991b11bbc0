#pragma once
// How OK turns the adjusted face into the work picture: which part of the
// portrait is drawn where in a picture of the view's size, and where the
// left eye lands there. Three cases: the face box inside the fitted
// picture, a face too large for the view, and a box that reaches past the
// picture's edge.
#include "images/rect.h"
#include "portrait/adjust_geometry.h"

namespace lumena {

struct FacePlacement {
  int faceCase = 1;
  Rect source;  // in portrait pixels, right and bottom exclusive
  Box target;   // in the work picture
  Point eye;    // the left eye in the work picture
  friend bool operator==(const FacePlacement&, const FacePlacement&) = default;
};

struct FaceAdjustment {
  FaceLines lines;
  Box faceBox;
  Point eyeOffset;
  PictureFit fit;
  int pictureWidth = 0, pictureHeight = 0;
  int viewWidth = 0, viewHeight = 0;
};

FacePlacement PlaceFace(const FaceAdjustment& a);

// A hand or body picture: the part of the fitted picture inside the zoom
// frame, enlarged by its zoom (case 0).
FacePlacement PlaceFrame(const ZoomFrame& frame, const PictureFit& fit);

// The reference layer stands centred on the desk table.
Point ReferenceLayerPosition(int viewWidth, int viewHeight, int tableWidth, int tableHeight);

}  // namespace lumena
