#include "portrait/face_placement.h"

#include <algorithm>

#include "images/rounding.h"

namespace lumena {

namespace {

int R(double v) { return static_cast<int>(Round(v)); }

bool BoxInsideFit(const Box& b, const PictureFit& f) {
  return b.width <= f.width && b.height <= f.height && b.left >= f.left && b.top >= f.top &&
         b.left + b.width <= f.left + f.width && b.top + b.height <= f.top + f.height;
}

// The portrait pixels under a part of the fitted picture.
int ToPicture(int view, int fitStart, double scale) { return R((view - fitStart) / scale); }

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
  const int g = R(a.pictureWidth * f.scale * p), h = R(a.pictureHeight * f.scale * p);
  const Point at{R((a.viewWidth - g) / 2.0), R((a.viewHeight - h) / 2.0)};
  return {2,
          {0, 0, a.pictureWidth, a.pictureHeight},
          {at.x, at.y, g, h},
          {R((a.lines.leftEyeX - f.left) * p) + at.x, R(p * (a.lines.eyeY - f.top)) + at.y}};
}

// The box reaches past the picture: the part of the picture inside it.
FacePlacement BoxPastTheEdge(const FaceAdjustment& a, double p) {
  const Box& b = a.faceBox;
  const PictureFit& f = a.fit;
  const int left = std::max(f.left, b.left), top = std::max(f.top, b.top);
  const int iw = std::min(f.left + f.width, b.left + b.width) - left;
  const int ih = std::min(f.top + f.height, b.top + b.height) - top;
  const int x0 = std::max(0, R((a.viewWidth - R(p * iw)) / 2.0));
  const int y0 = std::max(0, R((a.viewHeight - R(ih * p)) / 2.0));
  const int sourceLeft = ToPicture(left, f.left, f.scale), sourceTop = ToPicture(top, f.top, f.scale);
  const int width = R(iw * p), height = R(ih * p);
  return {3,
          {sourceLeft, sourceTop, sourceLeft + R(iw / f.scale) - 1, sourceTop + R(ih / f.scale) - 1},
          {R((a.viewWidth - width) / 2.0), R((a.viewHeight - height) / 2.0), width, height},
          {R((a.lines.leftEyeX - left) * p) + x0, R(p * (a.lines.eyeY - top)) + y0}};
}

}  // namespace

FacePlacement PlaceFace(const FaceAdjustment& a) {
  const double p = static_cast<double>(kStandardEyeDistance) / (a.lines.rightEyeX - a.lines.leftEyeX);
  if (BoxInsideFit(a.faceBox, a.fit)) return BoxInside(a);
  if (a.faceBox.height > a.viewHeight) return FaceTooLarge(a, p);
  return BoxPastTheEdge(a, p);
}

FacePlacement PlaceFrame(const ZoomFrame& frame, const PictureFit& fit) {
  const int left = std::max(frame.left, fit.left), top = std::max(frame.top, fit.top);
  const int iw = std::min(frame.left + frame.width, fit.left + fit.width) - left;
  const int ih = std::min(frame.top + frame.height, fit.top + fit.height) - top;
  if (iw <= 0 || ih <= 0) return {0, {}, {}, {}};
  const int sourceLeft = ToPicture(left, fit.left, fit.scale), sourceTop = ToPicture(top, fit.top, fit.scale);
  const double z = frame.zoom;
  return {0,
          {sourceLeft, sourceTop, sourceLeft + R(iw / fit.scale), sourceTop + R(ih / fit.scale)},
          {R((left - frame.left) * z), R((top - frame.top) * z), R((iw + 1) * z), R((ih + 1) * z)},
          {}};
}

Point ReferenceLayerPosition(int viewWidth, int viewHeight, int tableWidth, int tableHeight) {
  return {R((tableWidth - viewWidth) / 2.0), R((tableHeight - viewHeight) / 2.0)};
}

}  // namespace lumena
