#pragma once
// The arithmetic of the portrait adjustment, in view pixels: the picture
// fitted into the view, the eye lines and the face box they make, the eye
// offset at the standard face scale, and the zoom frames of hands and
// bodies.
#include "images/rect.h"
#include "portrait/eye_answer.h"

namespace lumena {

// Eyes lie this many pixels apart at the scale face templates are drawn at.
inline constexpr int kStandardEyeDistance = 89;

// The picture fitted into the view: `scale` view pixels per picture pixel,
// the fitted rectangle centred across the view's free direction.
struct PictureFit {
  double scale = 1;
  int left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const PictureFit&, const PictureFit&) = default;
};
PictureFit FitPicture(int pictureWidth, int pictureHeight, int viewWidth, int viewHeight);

// The two vertical eye lines and the horizontal one.
struct FaceLines {
  int leftEyeX = 0, rightEyeX = 0, eyeY = 0;
  friend bool operator==(const FaceLines&, const FaceLines&) = default;
};
// Where the lines start in a view of that size.
FaceLines StartingLines(int viewWidth, int viewHeight);

// The eye lines a detector's answer puts on the fitted picture; an answer
// whose eyes do not lie inside the picture, in their order, leaves the lines
// where they were.
FaceLines LinesFromAnswer(const EyePositions& eyes, const PictureFit& fit, int pictureWidth, int pictureHeight,
                          const FaceLines& current);

struct Box {
  int left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const Box&, const Box&) = default;
};
// The view scaled by the eye distance over 89, centred between the eye
// lines; its top is the caller's.
Box PlaceFaceBox(const FaceLines& lines, int viewWidth, int viewHeight, int top);
// The same box, centred on the eye line.
Box FaceBoxOnEyeLine(const FaceLines& lines, int viewWidth, int viewHeight);
// The box is drawn and dragged while the eyes are closer than the standard.
bool FaceBoxShown(const FaceLines& lines);
// The left eye's place in the box, at the standard scale.
Point EyeOffset(const FaceLines& lines, const Box& box);

// The part of the view a hand or body picture enlarges.
struct ZoomFrame {
  int left = 0, top = 0, width = 0, height = 0;
  double zoom = 1.1;
  friend bool operator==(const ZoomFrame&, const ZoomFrame&) = default;
};
inline constexpr double kMinFrameZoom = 1.0, kMaxFrameZoom = 10.0;
ZoomFrame StartingFrame(int viewWidth, int viewHeight);
// Dragged with its corner at `left`, `top`, kept inside the view.
ZoomFrame MoveFrame(ZoomFrame frame, int left, int top, int viewWidth, int viewHeight);
// A Ctrl-drag of `dx` pixels to the right zooms out by dx / 100, within the
// limits; the frame keeps its centre as far as the view allows.
ZoomFrame ZoomFrameBy(ZoomFrame frame, int dx, int viewWidth, int viewHeight);

}  // namespace lumena
