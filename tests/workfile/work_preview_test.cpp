// The preview picture stays inside its target whatever the two sizes.
#include "workfile/work_preview.h"

#include <gtest/gtest.h>

#include "images/jpeg_codec.h"

namespace lumena {
namespace {

struct FitCase {
  int sourceWidth, sourceHeight;
  int targetWidth, targetHeight;
  int drawnWidth, drawnHeight;  // the size the source is drawn at
};

class PreviewFit : public ::testing::TestWithParam<FitCase> {};

// An opaque red source on white: the red pixels are exactly the drawn
// rectangle, centred in the target.
TEST_P(PreviewFit, DrawsTheFittedSourceCentredInsideTheTarget) {
  const FitCase& c = GetParam();
  Picture source(c.sourceWidth, c.sourceHeight);
  for (Pixel& p : source.Pixels()) p = {0, 0, 255, 255};
  const Picture preview = PreviewPicture(source, c.targetWidth, c.targetHeight, kWhite);
  ASSERT_EQ(preview.Width(), c.targetWidth);
  ASSERT_EQ(preview.Height(), c.targetHeight);
  const int left = (c.targetWidth - c.drawnWidth) / 2, top = (c.targetHeight - c.drawnHeight) / 2;
  for (int y = 0; y < preview.Height(); ++y)
    for (int x = 0; x < preview.Width(); ++x) {
      const bool inside = x >= left && x < left + c.drawnWidth && y >= top && y < top + c.drawnHeight;
      const Pixel expected = inside ? Pixel{0, 0, 255, 255} : Pixel{255, 255, 255, 255};
      ASSERT_EQ(preview.At(x, y), expected) << x << ',' << y;
    }
  const auto jpeg = TryDecodeJpeg(MakePreviewJpeg(source, c.targetWidth, c.targetHeight, kWhite));
  ASSERT_TRUE(jpeg);
  EXPECT_EQ(jpeg->Width(), c.targetWidth);
  EXPECT_EQ(jpeg->Height(), c.targetHeight);
}

INSTANTIATE_TEST_SUITE_P(Table, PreviewFit,
                         ::testing::Values(FitCase{10, 6, 150, 150, 10, 6},        // smaller: unscaled
                                           FitCase{150, 150, 150, 150, 150, 150},  // exact
                                           FitCase{300, 100, 150, 150, 150, 50},   // longer side fitted
                                           FitCase{100, 300, 150, 150, 50, 150},
                                           FitCase{300, 100, 1, 1, 1, 1},          // 1 x 1 target
                                           FitCase{50, 50, 1000, 1, 1, 1},         // very wide target
                                           FitCase{50, 50, 1, 1000, 1, 1},         // very tall target
                                           FitCase{300, 100, 10, 200, 10, 3},      // wide source, tall target
                                           FitCase{100, 300, 200, 10, 3, 10},      // tall source, wide target
                                           FitCase{200, 200, 400, 300, 200, 200},  // target larger than the source
                                           FitCase{200, 200, 400, 200, 200, 200},  // as tall as the target, narrower
                                           FitCase{1, 5000, 150, 150, 1, 150}));   // a thin line keeps a pixel

TEST(PreviewFit, EmptySourceGivesTheBackgroundAndBadTargetsAreRefused) {
  Picture white(2, 3);
  for (Pixel& p : white.Pixels()) p = {255, 255, 255, 255};
  EXPECT_EQ(PreviewPicture(Picture(), 2, 3, kWhite), white);
  for (const auto& [w, h] : {std::pair{0, 10}, std::pair{10, 0}, std::pair{-5, 10}, std::pair{10, kMaxPictureSide + 1}})
    EXPECT_THROW(PreviewPicture(Picture(4, 4), w, h, kWhite), std::invalid_argument) << w << 'x' << h;
}

}  // namespace
}  // namespace lumena
