// The portrait kept in view by the preview window.
#include "portrait/portrait_preview.h"

#include <gtest/gtest.h>

#include "work/work_desk_test_host.h"

namespace lumena {
namespace {

struct PlaceCase {
  int W, H, w, h;
  Rect expected;
};

class PreviewPlace : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PreviewPlace, FitsKeepingProportionsAndCentres) {
  const PlaceCase& c = GetParam();
  EXPECT_EQ(PortraitPreviewPlace(c.W, c.H, c.w, c.h), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PreviewPlace,
                         ::testing::Values(
                             // A landscape portrait takes the whole width and is centred in height.
                             PlaceCase{200, 290, 400, 300, {0, 70, 200, 220}},
                             // Upright and square portraits take the whole height.
                             PlaceCase{305, 330, 445, 492, {3, 0, 301, 330}},
                             PlaceCase{305, 330, 100, 100, {0, 12, 305, 317}},
                             // Too wide for the height: the height sets the scale, never a squashed picture.
                             PlaceCase{300, 100, 1000, 500, {50, 0, 250, 100}},
                             // Too tall for the width: the width sets the scale.
                             PlaceCase{100, 300, 500, 1000, {0, 50, 100, 250}},
                             // A hairline still shows as one pixel.
                             PlaceCase{200, 290, 10000, 1, {0, 144, 200, 145}},
                             // Nothing to draw.
                             PlaceCase{200, 290, 0, 300, {}}, PlaceCase{200, 290, 400, 0, {}},
                             PlaceCase{0, 290, 400, 300, {}}));

Picture Filled(int w, int h, Pixel colour) {
  Picture p(w, h);
  for (Pixel& px : p.Pixels()) px = colour;
  return p;
}

TEST(DrawPortraitPreview, FramesTheFittedPortraitOnWhite) {
  const Pixel red{0, 0, 255, 255};
  Picture preview(200, 290);
  const Picture portrait = Filled(400, 300, red);
  DrawPortraitPreview(preview, &portrait);
  EXPECT_EQ(preview.At(100, 145), red);
  EXPECT_EQ(preview.At(100, 71), red);
  EXPECT_EQ(preview.At(100, 68), kOpaqueWhite) << "above the portrait";
  EXPECT_EQ(preview.At(100, 222), kOpaqueWhite) << "below it";
  for (auto [x, y] : {std::pair{0, 0}, {199, 0}, {0, 289}, {199, 289}, {0, 145}, {100, 289}})
    EXPECT_EQ(preview.At(x, y), kOpaqueBlack) << x << "," << y;
}

TEST(DrawPortraitPreview, WithoutAPortraitTheInsideIsWhite) {
  const Picture empty;
  for (const Picture* portrait : {static_cast<const Picture*>(nullptr), &empty}) {
    Picture preview = Filled(50, 40, {1, 2, 3, 255});
    DrawPortraitPreview(preview, portrait);
    EXPECT_EQ(preview.At(25, 20), kOpaqueWhite);
    EXPECT_EQ(preview.At(0, 20), kOpaqueBlack);
  }
}

TEST(PortraitPreviewOf, CopiesThePortraitAsItIsAndIsEmptyWithoutOne) {
  testing::DeskFixture f;
  TLayer& layer = f.Add(10, 10, 30, 20, {5, 6, 7, 255});
  EXPECT_TRUE(PortraitPreviewOf(f.desk).Empty());
  f.desk.SetPortraitLayer(&layer);
  const Picture copy = PortraitPreviewOf(f.desk);
  ASSERT_EQ(copy.Width(), 30);
  EXPECT_EQ(copy.At(3, 3), (Pixel{5, 6, 7, 255}));
  layer.BasePicture().At(3, 3) = {};
  EXPECT_EQ(copy.At(3, 3), (Pixel{5, 6, 7, 255})) << "painting the portrait later leaves the preview as it was";
}

}  // namespace
}  // namespace lumena
