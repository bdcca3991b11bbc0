// The three ways OK lays an adjusted face into the work picture, on the
// sample portrait's geometry: 512 x 512 pixels fitted into a 445 x 492 view.
#include "portrait/face_placement.h"

#include <gtest/gtest.h>

namespace lumena {
namespace {

constexpr int kW = 445, kH = 492;

FaceAdjustment Adjusted(const FaceLines& lines) {
  FaceAdjustment a;
  a.lines = lines;
  a.faceBox = FaceBoxOnEyeLine(lines, kW, kH);
  a.eyeOffset = EyeOffset(lines, a.faceBox);
  a.fit = FitPicture(512, 512, kW, kH);
  a.pictureWidth = a.pictureHeight = 512;
  a.viewWidth = kW;
  a.viewHeight = kH;
  return a;
}

struct PlacementCase {
  const char* what;
  FaceLines lines;
  FacePlacement expected;
};

class PlaceFaceTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PlaceFaceTest, DrawsThePartOfThePortraitAndFindsTheEye) {
  EXPECT_EQ(PlaceFace(Adjusted(GetParam().lines)), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, PlaceFaceTest,
    ::testing::Values(PlacementCase{"the box inside the picture fills the view",
                                    {150, 194, 250},
                                    {1, {71, 121, 323, 399}, {0, 0, kW, kH}, {178, 245}}},
                      PlacementCase{"eyes further apart than the standard: the whole picture, smaller",
                                    {100, 250, 250},
                                    {2, {0, 0, 512, 512}, {90, 114, 264, 264}, {149, 248}}},
                      PlacementCase{"the detected eyes of the sample: the box reaches above the picture",
                                    {176, 214, 114},
                                    {3, {115, 0, 333, 223}, {0, 18, 445, 457}, {178, 229}}}));

// Whichever the case, both eyes, the standard distance apart, land on the
// part of the work picture the portrait is drawn into.
TEST(PlaceFace, BothEyesLandOnTheDrawnPicture) {
  for (const FaceLines& lines : {FaceLines{150, 194, 250}, FaceLines{100, 250, 250}, FaceLines{176, 214, 114}}) {
    const FacePlacement placed = PlaceFace(Adjusted(lines));
    const Box& t = placed.target;
    EXPECT_GE(placed.eye.x, t.left) << "case " << placed.faceCase;
    EXPECT_LE(placed.eye.x + kStandardEyeDistance, t.left + t.width) << "case " << placed.faceCase;
    EXPECT_GE(placed.eye.y, t.top) << "case " << placed.faceCase;
    EXPECT_LT(placed.eye.y, t.top + t.height) << "case " << placed.faceCase;
  }
}

// A frame of half the view at zoom 2 over the sample's fitted picture
// (0, 24)-(445, 469): the part inside the picture, twice as large.
TEST(PlaceFrame, EnlargesThePartOfThePictureInsideTheFrame) {
  const PictureFit fit = FitPicture(512, 512, kW, kH);
  const FacePlacement placed = PlaceFrame({100, 0, 222, 246, 2.0}, fit);
  EXPECT_EQ(placed.target, (Box{0, 48, 446, 446}));
  EXPECT_EQ(placed.source, (Rect{115, 0, 370, 255}));
  EXPECT_EQ(PlaceFrame({0, 470, 100, 20, 2.0}, fit).target, Box{}) << "a frame beside the picture draws nothing";
}

TEST(PlaceFace, TheReferenceLayerIsCentredOnTheTable) {
  EXPECT_EQ(ReferenceLayerPosition(kW, kH, 890, 984), (Point{222, 246}));
}

}  // namespace
}  // namespace lumena
