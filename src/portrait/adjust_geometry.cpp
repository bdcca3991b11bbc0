#include "portrait/adjust_geometry.h"

#include <algorithm>
#include <cstdlib>

#include "images/rounding.h"

namespace lumena {

namespace {

// One side of a zoom frame: its new length for the zoom, kept centred and
// inside the view.
void ResizeSide(int& start, int& length, int view, double zoom) {
  const int newLength = Round32(view / zoom);
  start = std::clamp(start + (length - newLength) / 2, 0, view - newLength);
  length = newLength;
}

}  // namespace

PictureFit FitPicture(int pictureWidth, int pictureHeight, int viewWidth, int viewHeight) {
  PictureFit fit;
  if (pictureWidth <= 0 || pictureHeight <= 0) return fit;
  if (static_cast<double>(viewHeight) / viewWidth >= static_cast<double>(pictureHeight) / pictureWidth) {
    fit.scale = static_cast<double>(viewWidth) / pictureWidth;
    fit.width = viewWidth;
    fit.height = Round32(pictureHeight * fit.scale);
    fit.top = Round32((viewHeight - fit.height) / 2.0);
  } else {
    fit.scale = static_cast<double>(viewHeight) / pictureHeight;
    fit.width = Round32(pictureWidth * fit.scale);
    fit.height = viewHeight;
    fit.left = Round32((viewWidth - fit.width) / 2.0);
  }
  return fit;
}

FaceLines StartingLines(int viewWidth, int viewHeight) { return {viewWidth / 3, viewWidth / 3 * 2, viewHeight / 2}; }

FaceLines LinesFromAnswer(const EyePositions& eyes, const PictureFit& fit, int pictureWidth, int pictureHeight,
                          const FaceLines& current) {
  if (!EyesFitPicture(eyes, pictureWidth, pictureHeight)) return current;
  // The subject's right eye is the left one in the picture.
  return {fit.left + Round32(eyes.right.x * fit.scale), fit.left + Round32(eyes.left.x * fit.scale),
          fit.top + Round32(eyes.left.y * fit.scale)};
}

Box PlaceFaceBox(const FaceLines& lines, int viewWidth, int viewHeight, int top) {
  const int d = std::abs(lines.leftEyeX - lines.rightEyeX);
  Box box;
  box.width = Round32(static_cast<double>(viewWidth) * d / kStandardEyeDistance);
  box.height = Round32(static_cast<double>(viewHeight) * d / kStandardEyeDistance);
  box.left = lines.leftEyeX + (lines.rightEyeX - lines.leftEyeX) / 2 - box.width / 2;
  box.top = top;
  return box;
}

Box FaceBoxOnEyeLine(const FaceLines& lines, int viewWidth, int viewHeight) {
  Box box = PlaceFaceBox(lines, viewWidth, viewHeight, 0);
  box.top = lines.eyeY - box.height / 2;
  return box;
}

bool FaceBoxShown(const FaceLines& lines) { return lines.rightEyeX - lines.leftEyeX < kStandardEyeDistance; }

Point EyeOffset(const FaceLines& lines, const Box& box) {
  const double c = static_cast<double>(kStandardEyeDistance) / std::abs(lines.leftEyeX - lines.rightEyeX);
  return {Round32((lines.leftEyeX - box.left) * c), Round32(c * (lines.eyeY - box.top))};
}

ZoomFrame StartingFrame(int viewWidth, int viewHeight) {
  ZoomFrame frame;
  frame.width = Round32(viewWidth / frame.zoom);
  frame.height = Round32(viewHeight / frame.zoom);
  frame.left = (viewWidth - frame.width) / 2;
  frame.top = (viewHeight - frame.height) / 2;
  return frame;
}

ZoomFrame MoveFrame(ZoomFrame frame, int left, int top, int viewWidth, int viewHeight) {
  frame.left = std::clamp(left, 0, viewWidth - frame.width);
  frame.top = std::clamp(top, 0, viewHeight - frame.height);
  return frame;
}

ZoomFrame ZoomFrameBy(ZoomFrame frame, int dx, int viewWidth, int viewHeight) {
  const double zoom = std::clamp(frame.zoom - dx / 100.0, kMinFrameZoom, kMaxFrameZoom);
  if (zoom == frame.zoom) return frame;
  frame.zoom = zoom;
  ResizeSide(frame.left, frame.width, viewWidth, zoom);
  ResizeSide(frame.top, frame.height, viewHeight, zoom);
  return frame;
}

}  // namespace lumena
