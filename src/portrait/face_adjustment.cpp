#include "portrait/face_adjustment.h"

#include "portrait/face_picture.h"

namespace lumena {

std::optional<FacePlacement> LayAdjustedFace(EditingSession& session, PlacementAnchors& anchors,
                                             const Picture& portrait, const FaceAdjustment& adjustment,
                                             std::string layerName, bool fromLayeredFile) {
  const FacePlacement placed = PlaceFace(adjustment);
  const Picture face =
      MakeReferencePicture(portrait, placed, adjustment.viewWidth, adjustment.viewHeight, fromLayeredFile);
  const std::optional<Point> at =
      session.LayReferenceLayer(EditingSession::ReferenceKind::Face, face, std::move(layerName), fromLayeredFile);
  if (!at) return std::nullopt;
  anchors.face = {placed.eye.x + at->x, placed.eye.y + at->y};
  return placed;
}

FaceAdjustment AdjustmentForEyes(const EyePositions& eyes, int pictureWidth, int pictureHeight, int viewWidth,
                                 int viewHeight) {
  FaceAdjustment a;
  a.fit = FitPicture(pictureWidth, pictureHeight, viewWidth, viewHeight);
  a.lines = LinesFromAnswer(eyes, a.fit, pictureWidth, pictureHeight, StartingLines(viewWidth, viewHeight));
  a.faceBox = FaceBoxOnEyeLine(a.lines, viewWidth, viewHeight);
  a.eyeOffset = EyeOffset(a.lines, a.faceBox);
  a.pictureWidth = pictureWidth;
  a.pictureHeight = pictureHeight;
  a.viewWidth = viewWidth;
  a.viewHeight = viewHeight;
  return a;
}

}  // namespace lumena
