#include <gtest/gtest.h>

#include "work/mask.h"

namespace lumena {
namespace {

// A one-row picture whose blue, green and red all step 0, 1, 2, ... 255.
Picture Ramp() {
  Picture p(256, 1);
  for (int x = 0; x < 256; ++x)
    p.At(x, 0) = {static_cast<uint8_t>(x), static_cast<uint8_t>(x), static_cast<uint8_t>(x), 255};
  return p;
}

struct ToleranceCase {
  int reference, tolerance, directions, lowest, highest;
};

class ColourRangeTolerance : public testing::TestWithParam<ToleranceCase> {};

TEST_P(ColourRangeTolerance, TakesTheColoursInItsDirections) {
  const ToleranceCase& c = GetParam();
  const Picture picture = Ramp();
  TMask mask;
  mask.SetPicture(picture);
  mask.SetCurrentRegion(5);
  mask.SetOpRect({0, 0, 255, 0});
  mask.SetCurrentPoint(c.reference, 0);
  mask.SetTolerance(c.tolerance);
  mask.SetToleranceDirections(c.directions);
  mask.SelectColourRange(kSelectAdd);
  for (int x = 0; x < 256; ++x) ASSERT_EQ(mask.HasRegionAt(0, x, 5), x >= c.lowest && x <= c.highest) << x;
}

INSTANTIATE_TEST_SUITE_P(Cases, ColourRangeTolerance,
                         testing::Values(ToleranceCase{100, 30, 1, 100, 130},  // up only
                                         ToleranceCase{100, 30, 2, 70, 100},   // down only
                                         ToleranceCase{100, 30, 3, 70, 130}, ToleranceCase{100, 30, 0, 100, 100},
                                         ToleranceCase{10, 30, 3, 0, 40},      // clamped at 0
                                         ToleranceCase{240, 30, 3, 210, 255},  // clamped at 255
                                         ToleranceCase{255, 30, 3, 225, 255},  // the last column samples itself
                                         ToleranceCase{0, 0, 3, 0, 0}));

TEST(ColourRange, ComparesEachChannelAndIgnoresAlpha) {
  Picture picture(3, 2);
  picture.At(0, 0) = {50, 60, 70, 255};
  picture.At(1, 0) = {50, 60, 75, 0};    // red within 5, alpha differs
  picture.At(2, 0) = {50, 66, 70, 255};  // green out by 6
  TMask mask;
  mask.SetPicture(picture);
  mask.SetCurrentRegion(1);
  mask.SetOpRect({0, 0, 2, 1});
  mask.SetTolerance(5);
  mask.SelectColourRange(kSelectAdd);
  EXPECT_TRUE(mask.HasRegionAt(0, 0, 1));
  EXPECT_TRUE(mask.HasRegionAt(0, 1, 1));
  EXPECT_FALSE(mask.HasRegionAt(0, 2, 1));
  EXPECT_EQ(mask.SelectMode(), kSelectAdd);
}

struct ModeCase {
  int mode;
  bool inRangeAfter, outOfRangeAfter;
};

class ColourRangeMode : public testing::TestWithParam<ModeCase> {};

// Both cells start in the region; cell 0 is in range, cell 1 is not.
TEST_P(ColourRangeMode, AddsSubtractsOrIntersects) {
  Picture picture(2, 1);
  picture.At(1, 0) = {200, 200, 200, 255};
  TMask mask;
  mask.SetPicture(picture);
  mask.SetCurrentRegion(1);
  mask.SetOpRect({0, 0, 2, 1});
  mask.SetRect();
  mask.SelectColourRange(GetParam().mode);
  EXPECT_EQ(mask.HasRegionAt(0, 0, 1), GetParam().inRangeAfter);
  EXPECT_EQ(mask.HasRegionAt(0, 1, 1), GetParam().outOfRangeAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, ColourRangeMode,
                         testing::Values(ModeCase{kSelectAdd, true, true}, ModeCase{kSelectSubtract, false, true},
                                         ModeCase{kSelectIntersect, true, false}));

// A region in the lower right corner, touching the last row and column, on
// a picture of one colour.
class Restriction : public testing::Test {
 protected:
  void SetUp() override {
    picture_.Resize(8, 6);
    mask_.SetPicture(picture_);
    mask_.SetCurrentRegion(2);
    mask_.SetOpRect({5, 4, 8, 6});
    mask_.SetRect();
    mask_.CellsView()[5 * 8 + 5] = 0;  // a hole at (5, 5) inside the box
    mask_.SetOpRect({0, 0, 8, 6});
  }
  void SelectWithRegion(int region) {
    mask_.SetCurrentRegion(region);
    mask_.SetRestriction(true);
    mask_.SetCurrentRegion(1);
    mask_.SelectColourRange(kSelectAdd);
  }
  Picture picture_;
  TMask mask_;
};

TEST_F(Restriction, SnapshotBoxReachesTheLastRowAndColumn) {
  mask_.SetCurrentRegion(2);
  mask_.SetRestriction(true);
  EXPECT_EQ(mask_.RestrictBox(), (Rect{5, 4, 7, 5}));
}

TEST_F(Restriction, SelectionStaysWhereTheSnapshotHasTheCurrentRegion) {
  // The snapshot is taken of region 2, but checked for the current region's
  // bit: copy region 2 into region 1's place first.
  for (uint8_t& c : mask_.CellsView()) c = (c & 2) ? 3 : c;
  mask_.SetCurrentRegion(1);
  mask_.SetRestriction(true);
  mask_.ClearRegion();
  mask_.SelectColourRange(kSelectAdd);
  for (int row = 0; row < 6; ++row)
    for (int column = 0; column < 8; ++column) {
      const bool expected = row >= 4 && column >= 5 && !(row == 5 && column == 5);
      ASSERT_EQ(mask_.HasRegionAt(row, column, 1), expected) << row << "," << column;
    }
}

TEST_F(Restriction, GridIgnoresTheRestriction) {
  mask_.SetGridActive(true);
  SelectWithRegion(2);
  EXPECT_EQ(mask_.CollectUsedRegions(), (std::vector<int>{1, 2}));
  int count = 0;
  for (uint8_t c : mask_.CellsView()) count += c & 1;
  EXPECT_EQ(count, 48);
}

TEST_F(Restriction, SwitchingOffDropsTheSnapshot) {
  mask_.SetCurrentRegion(2);
  mask_.SetRestriction(true);
  mask_.SetRestriction(false);
  EXPECT_FALSE(mask_.RestrictToRegion());
  mask_.SelectColourRange(kSelectAdd);
  int count = 0;
  for (uint8_t c : mask_.CellsView()) count += (c & 2) != 0;
  EXPECT_EQ(count, 48);
}

TEST_F(Restriction, EmptyRegionGivesTheBoxAtTheOrigin) {
  mask_.SetCurrentRegion(7);
  mask_.SetRestriction(true);
  EXPECT_EQ(mask_.RestrictBox(), (Rect{0, 0, 0, 0}));
  mask_.SelectColourRange(kSelectAdd);  // the snapshot cell lacks region 7
  EXPECT_EQ(mask_.CollectUsedRegions(), (std::vector<int>{2}));
}

}  // namespace
}  // namespace lumena
