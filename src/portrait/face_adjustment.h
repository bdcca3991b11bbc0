#pragma once
// OK on a face: the portrait drawn at the standard face scale becomes the
// portrait layer and the left eye's place on the table the face anchor. The
// window and the command-line try-on lay faces through these, so both give
// the same work.
#include <optional>
#include <string>

#include "editing/editing_session.h"
#include "portrait/eye_answer.h"
#include "portrait/face_placement.h"
#include "portrait/placement_anchors.h"

namespace lumena {

// Lays the face as adjusted; the placement it used, or nothing when the
// user declined.
std::optional<FacePlacement> LayAdjustedFace(EditingSession& session, PlacementAnchors& anchors,
                                             const Picture& portrait, const FaceAdjustment& adjustment,
                                             std::string layerName, bool fromLayeredFile);

// The adjustment the window starts from when the eyes are known (in picture
// pixels; the eye that is left in the picture first): the lines on the
// eyes and the face box on the eye line.
FaceAdjustment AdjustmentForEyes(const EyePositions& eyes, int pictureWidth, int pictureHeight, int viewWidth,
                                 int viewHeight);

}  // namespace lumena
