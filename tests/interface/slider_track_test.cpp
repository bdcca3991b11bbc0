#include "interface/slider_track.h"

#include <gtest/gtest.h>

namespace lumena {
namespace {

// A 100-pixel track starting at 10, with 5 pixels the thumb cannot reach at
// each end: values 0..100 map to 15..105.
SliderTrack Track(bool reversed = false, int min = 0, int max = 100) { return {10, 100, 5, 5, min, max, reversed}; }

struct PixCase {
  SliderTrack track;
  int value, pix;
};

class ValuePixTest : public ::testing::TestWithParam<PixCase> {};

TEST_P(ValuePixTest, PositionOfTheValue) { EXPECT_EQ(ValuePix(GetParam().track, GetParam().value), GetParam().pix); }

INSTANTIATE_TEST_SUITE_P(Table, ValuePixTest,
                         ::testing::Values(PixCase{Track(), 0, 15}, PixCase{Track(), 100, 105},
                                           PixCase{Track(), 50, 60}, PixCase{Track(true), 0, 105},
                                           PixCase{Track(true), 100, 15},
                                           // 90 * 1 / 4 = 22.5 rounds to the even 22
                                           PixCase{Track(false, 0, 4), 1, 37}, PixCase{Track(false, 7, 7), 7, 15},
                                           PixCase{Track(true, 7, 7), 7, 105}));

TEST(SliderTrack, PositionsOutsideTheTrackGiveNoValue) {
  EXPECT_EQ(ValueAtPosition(Track(), 14), std::nullopt);
  EXPECT_EQ(ValueAtPosition(Track(), 106), std::nullopt);
  EXPECT_EQ(ValueAtPosition(Track(), 15), 0);
  EXPECT_EQ(ValueAtPosition(Track(), 105), 100);
  EXPECT_EQ(ValueAtPosition(Track(true), 15), 100);
  EXPECT_EQ(ValueAtPosition(Track(false, -50, 50), 60), 0);
}

TEST(SliderTrack, ThumbStaysInsideTheSlider) {
  EXPECT_EQ(ThumbCorner(60, std::nullopt, 10, 120), 55);
  EXPECT_EQ(ThumbCorner(60, 2, 10, 120), 58);
  EXPECT_EQ(ThumbCorner(2, std::nullopt, 10, 120), 0);
  EXPECT_EQ(ThumbCorner(118, std::nullopt, 10, 120), 109);
}

}  // namespace
}  // namespace lumena
