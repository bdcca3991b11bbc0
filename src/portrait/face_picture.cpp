#include "portrait/face_picture.h"

#include <algorithm>

#include "images/pixel_routines.h"
#include "images/stretch.h"

namespace lumena {

namespace {

bool FullyOpaque(const Picture& p) {
  return std::all_of(p.Pixels().begin(), p.Pixels().end(), [](const Pixel& px) { return px.a == 255; });
}

}  // namespace

Picture MakeReferencePicture(const Picture& portrait, const FacePlacement& placement, int viewWidth, int viewHeight,
                             bool fromLayeredFile) {
  Picture face(viewWidth, viewHeight);
  for (Pixel& p : face.Pixels()) p = {255, 255, 255, 0};
  if (fromLayeredFile && FullyOpaque(portrait)) SetAlpha(face, 255);
  const Rect source = ClippedTo(placement.source, portrait.Width(), portrait.Height());
  if (source.Empty() || placement.target.width <= 0 || placement.target.height <= 0) return face;
  const Picture part = CropPicture(portrait, source);
  const Box& t = placement.target;
  const Rect target{t.left, t.top, t.left + t.width, t.top + t.height};
  if (fromLayeredFile)
    StretchThumbnail(face, target, part);
  else
    StretchOpaque(face, target, part);
  return face;
}

}  // namespace lumena
