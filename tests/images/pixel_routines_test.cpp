#include "images/pixel_routines.h"

#include <gtest/gtest.h>

namespace lumena {
namespace {

TEST(PixelRoutines, SetAlphaChangesOnlyTheAlphaByte) {
  Picture p(2, 2);
  p.At(1, 1) = {10, 20, 30, 40};
  SetAlpha(p, 200);
  EXPECT_EQ(p.At(1, 1), (Pixel{10, 20, 30, 200}));
  EXPECT_TRUE(AlphaIs(p, 200));
  Picture empty;
  SetAlpha(empty, 7);
  EXPECT_TRUE(empty.Empty());
}

TEST(PixelRoutines, AlphaIsChecksEveryPixel) {
  EXPECT_TRUE(AlphaIs(Picture(), 0));
  EXPECT_TRUE(AlphaIs(Picture(), 255));
  Picture p(4, 3);
  SetAlpha(p, 255);
  EXPECT_TRUE(AlphaIs(p, 255));
  p.At(3, 2).a = 254;  // the very last pixel
  EXPECT_FALSE(AlphaIs(p, 255));
  EXPECT_FALSE(AlphaIs(p, 254));
}

struct IntersectCase {
  Rect a, b;
  std::optional<Rect> expected;
};

class IntersectRectTest : public testing::TestWithParam<IntersectCase> {};

TEST_P(IntersectRectTest, GivesTheOverlapOrNothing) {
  const IntersectCase& c = GetParam();
  EXPECT_EQ(IntersectRect(c.a, c.b), c.expected);
  EXPECT_EQ(IntersectRect(c.b, c.a), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntersectRectTest,
    testing::Values(IntersectCase{{0, 0, 10, 10}, {10, 0, 20, 10}, Rect{10, 0, 10, 10}},  // touching: not empty
                    IntersectCase{{0, 0, 10, 10}, {11, 0, 20, 10}, std::nullopt},
                    IntersectCase{{0, 0, 10, 10}, {0, 10, 10, 20}, Rect{0, 10, 10, 10}},
                    IntersectCase{{0, 0, 10, 10}, {0, 11, 10, 20}, std::nullopt},
                    IntersectCase{{0, 0, 10, 10}, {2, 3, 5, 7}, Rect{2, 3, 5, 7}},
                    IntersectCase{{-5, -5, 5, 5}, {0, 0, 10, 10}, Rect{0, 0, 5, 5}},
                    IntersectCase{{0, 0, 10, 10}, {5, -20, 30, 4}, Rect{5, 0, 10, 4}}));

}  // namespace
}  // namespace lumena
