#pragma once
// The work picture of an adjusted face, hand or body: the view's size,
// white where the portrait is not drawn, the part of the portrait the
// placement names stretched into its target.
#include "images/picture.h"
#include "portrait/face_placement.h"

namespace lumena {

// `fromLayeredFile`: the portrait came from a ".psd" file and keeps its own
// transparency (fully opaque when every pixel was).
Picture MakeReferencePicture(const Picture& portrait, const FacePlacement& placement, int viewWidth, int viewHeight,
                             bool fromLayeredFile);

}  // namespace lumena
