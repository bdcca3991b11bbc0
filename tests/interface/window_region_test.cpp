#include "interface/window_region.h"

#include <gtest/gtest.h>

namespace lumena {
namespace {

const Pixel kGreen{0, 255, 0, 255};
const Pixel kShape{40, 30, 20, 255};

Picture Filled(int w, int h, Pixel p) {
  Picture picture(w, h);
  for (Pixel& q : picture.Pixels()) q = p;
  return picture;
}

TEST(WindowRegion, AGreenFrameAroundAShapeLeavesTheShapesRuns) {
  Picture skin = Filled(6, 4, kGreen);
  skin.At(2, 1) = skin.At(3, 1) = kShape;  // row 1: [2, 4)
  skin.At(1, 2) = skin.At(4, 2) = kShape;  // row 2: [1, 2) and [4, 5)
  skin.At(5, 3) = kShape;                  // row 3: a run that reaches the right edge
  EXPECT_EQ(RegionRectsFromPicture(skin, kSkinKeyColour),
            (std::vector<Rect>{{2, 1, 4, 2}, {1, 2, 2, 3}, {4, 2, 5, 3}, {5, 3, 6, 4}}));
}

TEST(WindowRegion, OpacityDoesNotMatterOnlyTheColourBytes) {
  Picture skin = Filled(2, 1, Pixel{0, 255, 0, 0});
  skin.At(1, 0) = Pixel{0, 254, 0, 0};
  EXPECT_EQ(RegionRectsFromPicture(skin, kSkinKeyColour), (std::vector<Rect>{{1, 0, 2, 1}}));
}

TEST(WindowRegion, NoGreenOrOnlyGreenGivesTheWholeRectangle) {
  const auto noGreen = RegionRectsFromPicture(Filled(3, 2, kShape), kSkinKeyColour);
  EXPECT_EQ(noGreen, (std::vector<Rect>{{0, 0, 3, 1}, {0, 1, 3, 2}}));
  EXPECT_EQ(RegionRectsFromPicture(Filled(3, 2, kGreen), kSkinKeyColour), (std::vector<Rect>{{0, 0, 3, 2}}));
  EXPECT_TRUE(RegionRectsFromPicture(Picture(), kSkinKeyColour).empty());
}

}  // namespace
}  // namespace lumena
