// The adjustment's arithmetic on a view of the default desk window's size.
#include "portrait/adjust_geometry.h"

#include <gtest/gtest.h>

namespace lumena {
namespace {

constexpr int kW = 445, kH = 492;

struct FitCase {
  const char* what;
  int pictureWidth, pictureHeight;
  PictureFit expected;
};

class FitPictureTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitPictureTest, FillsOneSideAndCentresTheOther) {
  const FitCase& c = GetParam();
  const PictureFit fit = FitPicture(c.pictureWidth, c.pictureHeight, kW, kH);
  EXPECT_DOUBLE_EQ(fit.scale, c.expected.scale) << c.what;
  EXPECT_EQ((Box{fit.left, fit.top, fit.width, fit.height}),
            (Box{c.expected.left, c.expected.top, c.expected.width, c.expected.height}))
      << c.what;
}

// Halves round to the even neighbour: 23.5 gives 24, 222.5 gives 222.
INSTANTIATE_TEST_SUITE_P(Table, FitPictureTest,
                         ::testing::Values(FitCase{"square", 512, 512, {445.0 / 512, 0, 24, 445, 445}},
                                           FitCase{"wide", 1000, 500, {0.445, 0, 135, 445, 222}},
                                           FitCase{"tall", 400, 1000, {0.492, 124, 0, 197, 492}},
                                           FitCase{"the view's own shape", 445, 492, {1.0, 0, 0, 445, 492}}));

TEST(AdjustGeometry, TheSamplePortraitsEyesGiveTheLines) {
  const PictureFit fit = FitPicture(512, 512, kW, kH);
  const FaceLines start = StartingLines(kW, kH);
  EXPECT_EQ(start, (FaceLines{148, 296, 246}));
  EXPECT_EQ(LinesFromAnswer({{203, 101}, {246, 104}}, fit, 512, 512, start), (FaceLines{176, 214, 114}));
}

TEST(AdjustGeometry, AnAnswerOutsideThePictureOrInTheWrongOrderLeavesTheLines) {
  const PictureFit fit = FitPicture(512, 512, kW, kH);
  const FaceLines start = StartingLines(kW, kH);
  for (const EyePositions& wrong : {EyePositions{{246, 104}, {203, 101}}, EyePositions{{203, 101}, {203, 101}},
                                    EyePositions{{203, 101}, {600, 104}}, EyePositions{{203, -5}, {246, 104}}})
    EXPECT_EQ(LinesFromAnswer(wrong, fit, 512, 512, start), start);
}

TEST(AdjustGeometry, TheFaceBoxIsTheViewScaledByTheEyeDistance) {
  const FaceLines atStandard{100, 189, 250};
  EXPECT_EQ(FaceBoxOnEyeLine(atStandard, kW, kH), (Box{-78, 4, kW, kH}));
  EXPECT_FALSE(FaceBoxShown(atStandard));
  const FaceLines closer{150, 194, 250};
  EXPECT_EQ(FaceBoxOnEyeLine(closer, kW, kH), (Box{62, 129, 220, 243}));
  EXPECT_TRUE(FaceBoxShown(closer));
  EXPECT_EQ(PlaceFaceBox(closer, kW, kH, 40).top, 40) << "a dragged box keeps its top";
}

// At the standard scale the box fills the view: the left eye stands about
// half an eye distance left of the middle, at the middle's height, whatever
// the eye distance was.
TEST(AdjustGeometry, TheEyeOffsetIsAtTheStandardScale) {
  for (const FaceLines& lines : {FaceLines{150, 194, 250}, FaceLines{120, 190, 300}, FaceLines{60, 330, 200}}) {
    const Point offset = EyeOffset(lines, FaceBoxOnEyeLine(lines, kW, kH));
    EXPECT_NEAR(offset.x, (kW - kStandardEyeDistance) / 2.0, 2.5) << lines.leftEyeX << "-" << lines.rightEyeX;
    EXPECT_NEAR(offset.y, kH / 2.0, 2.5) << lines.leftEyeX << "-" << lines.rightEyeX;
  }
}

TEST(AdjustGeometry, ZoomFramesStayInsideTheViewAndWithinTheirLimits) {
  const ZoomFrame start = StartingFrame(kW, kH);
  EXPECT_EQ(start, (ZoomFrame{20, 22, 405, 447, 1.1}));
  EXPECT_EQ(ZoomFrameBy(start, -100, kW, kH), (ZoomFrame{116, 128, 212, 234, 2.1})) << "zoomed in about its centre";
  EXPECT_EQ(ZoomFrameBy(start, 100, kW, kH), (ZoomFrame{0, 0, kW, kH, kMinFrameZoom})) << "clamped at 1";
  EXPECT_EQ(ZoomFrameBy(start, -5000, kW, kH).zoom, kMaxFrameZoom);
  const ZoomFrame whole = ZoomFrameBy(start, 100, kW, kH);
  EXPECT_EQ(ZoomFrameBy(whole, 50, kW, kH), whole) << "no change past the limit";
  const ZoomFrame small = ZoomFrameBy(start, -100, kW, kH);
  EXPECT_EQ(MoveFrame(small, -30, 400, kW, kH), (ZoomFrame{0, kH - 234, 212, 234, 2.1}));
}

}  // namespace
}  // namespace lumena
