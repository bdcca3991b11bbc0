#pragma once
// Where a laid template goes, by its type's placement group: face templates
// from the face anchor, nail templates on their nail marks, body templates
// centred in the view, whole-work templates from the table's centre.
#include <cstdint>
#include <optional>
#include <string_view>

#include "images/rect.h"
#include "portrait/placement_anchors.h"

namespace lumena {

enum class TemplateGroup { Face = 0, Nails = 1, Body = 2, Work = 3 };

// "N", "B" and "M"; every other letter places on the face.
TemplateGroup GroupOfLetter(std::string_view letter);

struct PictureSize {
  int32_t width = 0, height = 0;
  friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

// The size a w x h nail template takes on a nail. A box of (0, 0) stretches
// it to the nail's width by three quarters of its height; any other box, in
// percent of those, fits it inside keeping its proportions. Nothing when it
// keeps its own size. A side never shrinks below one pixel, so a nail with
// a zero side still gets a visible layer.
std::optional<PictureSize> NailTemplateSize(int32_t w, int32_t h, Point box, const NailMark& nail);

// The nail mark's point lies on the picture's vertical centre line, two
// thirds of the way down.
Point NailTemplateCorner(const NailMark& nail, int32_t w, int32_t h);

// The picture centred on the point.
Point CentredCorner(Point place, int32_t w, int32_t h);

// The X and Y a template the user saves is written with, so that laying it
// puts it back where its top-left corner lies on the table now: the offset
// from the face anchor (0 and 0 while the face is not adjusted), from the
// table's centre for the whole work; 0 and 0 for the body, which is centred
// anyway, and 100 and 100 for nails (the whole nail box).
Point SavedTemplateOffsets(TemplateGroup group, Point tablePosition, const PlacementAnchors& anchors,
                           Point tableCentre);

}  // namespace lumena
