#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "images/rotate.h"

namespace lumena {
namespace {

constexpr Pixel kUnreached{255, 255, 255, 0};

// Every pixel distinct, fully opaque.
Picture Numbered(int width, int height) {
  Picture p(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      p.At(x, y) = {static_cast<uint8_t>(x), static_cast<uint8_t>(y), static_cast<uint8_t>(x ^ y), 255};
  return p;
}

struct SizeCase {
  int width, height;
  double angle;
  int pivotX, pivotY;
  int resultWidth, resultHeight;
};

class RotateSize : public testing::TestWithParam<SizeCase> {};

TEST_P(RotateSize, GivesTheExtentsPlusBorder) {
  const SizeCase& c = GetParam();
  const Picture result = RotatePicture(Numbered(c.width, c.height), c.angle, c.pivotX, c.pivotY);
  EXPECT_EQ(result.Width(), c.resultWidth);
  EXPECT_EQ(result.Height(), c.resultHeight);
}

INSTANTIATE_TEST_SUITE_P(Cases, RotateSize,
                         testing::Values(SizeCase{300, 200, 0, 150, 100, 303, 205},     // E = 100, F = 149
                                         SizeCase{300, 200, -90, 150, 100, 205, 305},   // E = 150, F = 100
                                         SizeCase{300, 200, 270, 150, 100, 205, 305},   // positive angles come round
                                         SizeCase{300, 200, -180, 150, 100, 305, 203},  // E = 99 from hb
                                         SizeCase{303, 205, -30, 151, 102, 369, 333},
                                         SizeCase{200, 100, 0, 100, 50, 201, 102},  // small: rotated at 400 x 200
                                         SizeCase{50, 50, 0, 25, 25, 51, 52}));     // small: rotated at 100 x 100

TEST(RotatePicture, ZeroDegreesShiftsByTheGapFillAndLeavesTheBorderUnreached) {
  const Picture source = Numbered(300, 200);
  const Picture result = RotatePicture(source, 0, 150, 100);
  ASSERT_EQ(result.Width(), 303);
  ASSERT_EQ(result.Height(), 205);
  // Source column j lands at j - 1; the next column's gap fill then covers it.
  for (int y : {0, 57, 199}) {
    EXPECT_EQ(result.At(0, y), source.At(2, y));
    EXPECT_EQ(result.At(100, y), source.At(102, y));
    EXPECT_EQ(result.At(296, y), source.At(298, y));
    EXPECT_EQ(result.At(297, y), source.At(298, y));
    EXPECT_EQ(result.At(298, y), source.At(299, y));
    for (int x = 299; x < 303; ++x) EXPECT_EQ(result.At(x, y), kUnreached) << x;
  }
  for (int y = 200; y < 205; ++y) EXPECT_EQ(result.At(10, y), kUnreached);
}

TEST(RotatePicture, QuarterTurnPutsThePivotAtTheHalfExtents) {
  const Picture source = Numbered(300, 200);
  const Picture result = RotatePicture(source, -90, 150, 100);
  // E = 150, F = 100; the row above the pivot (dy = 1) lands one column left.
  EXPECT_EQ(result.At(100, 150), source.At(150, 100));
  EXPECT_EQ(result.At(99, 150), source.At(150, 101));
  EXPECT_EQ(result.At(0, 0), kUnreached);
}

TEST(RotatePicture, SmallPicturesComeBackAtHalfTheInternalSize) {
  Picture source(50, 50);
  for (Pixel& p : source.Pixels()) p = {0, 0, 255, 255};
  const Picture result = RotatePicture(source, -45, 25, 25);
  // At 100 x 100 about (50, 50): E = 71, F = 70, so 145 x 147 inside.
  EXPECT_EQ(result.Width(), 72);
  EXPECT_EQ(result.Height(), 73);
  // The centre stays red and opaque, the corners unreached.
  EXPECT_EQ(result.At(result.Width() / 2, result.Height() / 2), (Pixel{0, 0, 255, 255}));
  EXPECT_EQ(result.At(0, 0).a, 0);
}

// The rotation written out step by step for pictures above 100 a side.
Picture ReferenceRotate(const Picture& source, double a, int px, int py) {
  if (a > 0) a -= 360;
  const double theta = a * std::numbers::pi / 180;
  const auto c = static_cast<float>(std::cos(theta)), s = static_cast<float>(std::sin(theta));
  const int r = source.Width() - 1, h = source.Height(), hb = py - h + 1;
  double e = 0, f = 0;
  if (a >= -90) {
    e = py * double{c} - px * double{s};
    f = (r - px) * double{c} - py * double{s};
  } else if (a >= -180) {
    e = hb * double{c} - px * double{s};
    f = -px * double{c} - py * double{s};
  } else if (a >= -270) {
    e = hb * double{c} + (r - px) * double{s};
    f = -px * double{c} - hb * double{s};
  } else {
    e = py * double{c} + (r - px) * double{s};
    f = (r - px) * double{c} - hb * double{s};
  }
  const auto E = static_cast<float>(std::nearbyint(e)), F = static_cast<float>(std::nearbyint(f));
  Picture out(static_cast<int>(2 * F + 5), static_cast<int>(2 * E + 5));
  for (Pixel& p : out.Pixels()) p = kUnreached;
  for (int i = 0; i < h; ++i)
    for (int j = 0; j <= r; ++j) {
      const auto dy = static_cast<float>(py - i), dx = static_cast<float>(j - px);
      const float x = std::max(F + (dx * c - dy * s), 0.0f), y = std::max(E - (c * dy + dx * s), 0.0f);
      const int row = static_cast<int>(std::nearbyint(y)), column = static_cast<int>(std::nearbyint(x));
      if (column <= out.Width() - 1) out.At(column, row) = source.At(j, i);
      if (j > 0 && j < r && column > 0 && column <= out.Width()) out.At(column - 1, row) = source.At(j, i);
    }
  return out;
}

struct AngleCase {
  int width, height;
  double angle;
};

class RotateAgainstReference : public testing::TestWithParam<AngleCase> {};

TEST_P(RotateAgainstReference, MatchesBitForBit) {
  const AngleCase& c = GetParam();
  std::mt19937 random(static_cast<unsigned>(c.angle * 10 + c.width));
  std::uniform_int_distribution<int> byte(0, 255);
  Picture source(c.width, c.height);
  for (Pixel& p : source.Pixels())
    p = {static_cast<uint8_t>(byte(random)), static_cast<uint8_t>(byte(random)), static_cast<uint8_t>(byte(random)),
         static_cast<uint8_t>(byte(random))};
  const Picture expected = ReferenceRotate(source, c.angle, c.width / 2, c.height / 2);
  const Picture result = RotatePicture(source, c.angle, c.width / 2, c.height / 2);
  ASSERT_EQ(result.Width(), expected.Width());
  ASSERT_EQ(result.Height(), expected.Height());
  EXPECT_TRUE(result == expected);
}

INSTANTIATE_TEST_SUITE_P(Angles, RotateAgainstReference,
                         testing::Values(AngleCase{303, 205, -30}, AngleCase{303, 205, 30}, AngleCase{150, 170, -100},
                                         AngleCase{401, 333, -200}, AngleCase{257, 301, -300},
                                         AngleCase{130, 120, -45.5}, AngleCase{500, 200, -90}));

TEST(RotatePicture, EmptyPictureGivesEmptyResult) { EXPECT_TRUE(RotatePicture(Picture(), 30, 0, 0).Empty()); }

}  // namespace
}  // namespace lumena
