// The offsets a template the user saves is written with, by its group.
#include <gtest/gtest.h>

#include "templates/template_placement.h"

namespace lumena {
namespace {

constexpr Point kTableCentre{445, 492};

PlacementAnchors WithFace(Point face) {
  PlacementAnchors anchors;
  anchors.face = face;
  return anchors;
}

TEST(SavedTemplateOffsets, FollowTheAnchorTheGroupIsPlacedBy) {
  struct Case {
    TemplateGroup group;
    Point position;
    PlacementAnchors anchors;
    Point offsets;
  };
  const Case cases[] = {
      {TemplateGroup::Face, {380, 300}, WithFace({400, 471}), {-20, -171}},
      {TemplateGroup::Face, {380, 300}, PlacementAnchors{}, {0, 0}},  // the face is not adjusted
      {TemplateGroup::Work, {400, 500}, WithFace({400, 471}), {-45, 8}},
      {TemplateGroup::Work, {400, 500}, PlacementAnchors{}, {-45, 8}},
      {TemplateGroup::Body, {400, 500}, WithFace({400, 471}), {0, 0}},
      {TemplateGroup::Nails, {400, 500}, WithFace({400, 471}), {100, 100}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SavedTemplateOffsets(c.group, c.position, c.anchors, kTableCentre), c.offsets)
        << static_cast<int>(c.group);
  }
}

}  // namespace
}  // namespace lumena
