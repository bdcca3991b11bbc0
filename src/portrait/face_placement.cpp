#include "portrait/face_placement.h"

#include <algorithm>

#include "images/rounding.h"

namespace lumena {

namespace {

bool BoxInsideFit(const Box& b, const PictureFit& f) {
  return b.width <= f.width && b.height <= f.height && b.left >= f.left && b.top >= f.top &&
         b.left + b.width <= f.left + f.width && b.top + b.height <= f.top + f.height;
}

// The part of a view box that the fitted picture covers.
Box PartOnPicture(const Box& b, const PictureFit& f) {
  const int left = std::max(f.left, b.left), top = std::max(f.top, b.top);
  return {left, top, std::min(f.left + f.width, b.left + b.width) - left,
          std::min(f.top + f.height, b.top + b.height) - top};
}

// The portrait pixels under a part of the fitted picture.
int ToPicture(int view, int fitStart, double scale) { return Round32((view - fitStart) / scale); }

FacePlacement BoxInside(const FaceAdjustment& a) {
  const Box& b = a.faceBox;
  const PictureFit& f = a.fit;
  return {1,
          {ToPicture(b.left, f.left, f.scale), ToPicture(b.top, f.top, f.scale),
           ToPicture(b.left + b.width, f.left, f.scale) - 1, ToPicture(b.top + b.height, f.top, f.scale) - 1},
          {0, 0, a.viewWidth, a.viewHeight},
          a.eyeOffset};
}

// The eyes lie further apart than the standard: the whole picture, smaller.
FacePlacement FaceTooLarge(const FaceAdjustment& a, double p) {
  const PictureFit& f = a.fit;
  const int g = Round32(a.pictureWidth * f.scale * p), h = Round32(a.pictureHeight * f.scale * p);
  const Point at{Round32((a.viewWidth - g) / 2.0), Round32((a.viewHeight - h) / 2.0)};
  return {2,
          {0, 0, a.pictureWidth, a.pictureHeight},
          {at.x, at.y, g, h},
          {Round32((a.lines.leftEyeX - f.left) * p) + at.x, Round32(p * (a.lines.eyeY - f.top)) + at.y}};
}

// The box reaches past the picture: the part of the picture inside it.
FacePlacement BoxPastTheEdge(const FaceAdjustment& a, double p) {
  const Box& b = a.faceBox;
  const PictureFit& f = a.fit;
  const Box part = PartOnPicture(b, f);
  const int left = part.left, top = part.top, iw = part.width, ih = part.height;
  const int x0 = std::max(0, Round32((a.viewWidth - Round32(p * iw)) / 2.0));
  const int y0 = std::max(0, Round32((a.viewHeight - Round32(ih * p)) / 2.0));
  const int sourceLeft = ToPicture(left, f.left, f.scale), sourceTop = ToPicture(top, f.top, f.scale);
  const int width = Round32(iw * p), height = Round32(ih * p);
  return {3,
          {sourceLeft, sourceTop, sourceLeft + Round32(iw / f.scale) - 1, sourceTop + Round32(ih / f.scale) - 1},
          {Round32((a.viewWidth - width) / 2.0), Round32((a.viewHeight - height) / 2.0), width, height},
          {Round32((a.lines.leftEyeX - left) * p) + x0, Round32(p * (a.lines.eyeY - top)) + y0}};
}

}  // namespace

FacePlacement PlaceFace(const FaceAdjustment& a) {
  const double p = static_cast<double>(kStandardEyeDistance) / (a.lines.rightEyeX - a.lines.leftEyeX);
  if (BoxInsideFit(a.faceBox, a.fit)) return BoxInside(a);
  if (a.faceBox.height > a.viewHeight) return FaceTooLarge(a, p);
  return BoxPastTheEdge(a, p);
}

FacePlacement PlaceFrame(const ZoomFrame& frame, const PictureFit& fit) {
  const Box part = PartOnPicture({frame.left, frame.top, frame.width, frame.height}, fit);
  const int left = part.left, top = part.top, iw = part.width, ih = part.height;
  if (iw <= 0 || ih <= 0) return {0, {}, {}, {}};
  const int sourceLeft = ToPicture(left, fit.left, fit.scale), sourceTop = ToPicture(top, fit.top, fit.scale);
  const double z = frame.zoom;
  return {
      0,
      {sourceLeft, sourceTop, sourceLeft + Round32(iw / fit.scale), sourceTop + Round32(ih / fit.scale)},
      {Round32((left - frame.left) * z), Round32((top - frame.top) * z), Round32((iw + 1) * z), Round32((ih + 1) * z)},
      {}};
}

Point ReferenceLayerPosition(int viewWidth, int viewHeight, int tableWidth, int tableHeight) {
  return {Round32((tableWidth - viewWidth) / 2.0), Round32((tableHeight - viewHeight) / 2.0)};
}

}  // namespace lumena
