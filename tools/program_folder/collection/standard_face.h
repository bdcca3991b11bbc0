#pragma once
// The standard face the face templates are drawn on: the sample portrait at
// the standard scale (445 x 492, eyes 89 pixels apart), in its pixels. The
// points were measured on that picture; templates drawn around them fit any
// face adjusted to the same scale.
#include <QPointF>
#include <QRect>
#include <QSize>

namespace lumena::tools::standard_face {

inline constexpr QSize kPortrait{445, 492};
// Where the face anchor (the eye left in the picture) lies on the portrait.
inline constexpr QPointF kAnchor{178, 225};
// The pupils as they look: the eye lines run a little below them.
inline constexpr QPointF kLeftPupil{178, 219};
inline constexpr QPointF kRightPupil{265, 222};
// The outline of each eye: its corners and the highest point of the upper
// lid and the lowest of the lower one.
struct EyeOutline {
  QPointF inner, outer, top, bottom;
};
inline constexpr EyeOutline kLeftEye{{197, 219}, {157, 218}, {178, 211.5}, {178, 226}};
inline constexpr EyeOutline kRightEye{{244, 224}, {289, 222}, {266, 216}, {266, 229.5}};
inline constexpr QPointF kLeftCheek{160, 266};
inline constexpr QPointF kRightCheek{286, 268};
inline constexpr QPointF kLeftLobe{126, 276};
inline constexpr QPointF kRightLobe{314, 285};
// Face templates are drawn on this part of the plane and then cropped, so
// that hats and long hair may reach past the portrait.
inline constexpr QRect kDrawingArea{-60, -60, 565, 612};

}  // namespace lumena::tools::standard_face
