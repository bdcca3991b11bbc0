// The work picture of an adjusted face, on a portrait whose left half is
// red and right half blue.
#include "portrait/face_picture.h"

#include <gtest/gtest.h>

namespace lumena {
namespace {

constexpr Pixel kRed{0, 0, 255, 255}, kBlue{255, 0, 0, 255};

Picture Halves() {
  Picture p(100, 100);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) p.At(x, y) = x < 50 ? kRed : kBlue;
  return p;
}

TEST(FacePicture, DrawsThePartIntoItsTargetAndLeavesTheRestClearWhite) {
  const FacePlacement placed{3, {0, 0, 100, 100}, {20, 10, 40, 30}, {0, 0}};
  const Picture face = MakeReferencePicture(Halves(), placed, 80, 60, false);
  ASSERT_EQ(face.Width(), 80);
  ASSERT_EQ(face.Height(), 60);
  EXPECT_EQ(face.At(22, 20), kRed);
  EXPECT_EQ(face.At(57, 20), kBlue);
  EXPECT_EQ(face.At(5, 5), (Pixel{255, 255, 255, 0})) << "undrawn: white, clear";
}

TEST(FacePicture, AnOpaqueLayeredPortraitMakesAnOpaquePicture) {
  const FacePlacement placed{2, {0, 0, 100, 100}, {20, 10, 40, 30}, {0, 0}};
  EXPECT_EQ(MakeReferencePicture(Halves(), placed, 80, 60, true).At(5, 5), (Pixel{255, 255, 255, 255}));
}

TEST(FacePicture, ASourceReachingPastThePortraitIsClipped) {
  const FacePlacement placed{3, {50, -20, 140, 100}, {0, 0, 80, 60}, {0, 0}};
  const Picture face = MakeReferencePicture(Halves(), placed, 80, 60, false);
  EXPECT_EQ(face.At(40, 30), kBlue) << "only the blue half lies inside";
}

}  // namespace
}  // namespace lumena
