#include "work/mask.h"

#include <gtest/gtest.h>

#include "region_fields.h"

namespace lumena {
namespace {

// Fills the current region by rectangle.
void SetRect(TMask& mask, const Rect& rect) {
  mask.SetOpRect(rect);
  mask.SetRect();
}

int CountBit(const TMask& mask, int region) {
  int n = 0;
  for (int row = 0; row <= mask.MaxY(); ++row)
    for (int column = 0; column <= mask.MaxX(); ++column) n += mask.HasRegionAt(row, column, region);
  return n;
}

TEST(Mask, StartsWithoutCellsAndNeutralRegions) {
  TMask mask;
  EXPECT_EQ(mask.MaxX(), -1);
  EXPECT_EQ(mask.MaxY(), -1);
  EXPECT_FALSE(mask.HasCells());
  EXPECT_EQ(mask.CurrentRegion(), 0);
  EXPECT_EQ(mask.ToleranceDirections(), 3);
  for (int region = 1; region <= 8; ++region) EXPECT_EQ(mask.Region(region), ColourParameters{});
  EXPECT_EQ(mask.Region(1).Color, -1);
  EXPECT_EQ(mask.Region(8).Opacity, 100);
}

TEST(Mask, SetPictureMakesZeroCellsOfThePictureSize) {
  Picture picture(7, 3);
  TMask mask;
  mask.SetPicture(picture);
  EXPECT_EQ(mask.MaxX(), 6);
  EXPECT_EQ(mask.MaxY(), 2);
  EXPECT_EQ(mask.CellsView().size(), 21u);
  EXPECT_EQ(mask.State(), 0);
}

TEST(Mask, ResizedPictureKeepsTheLeftHalfOnTheLeft) {
  Picture big(100, 50), small(50, 25);
  TMask mask;
  mask.SetPicture(big);
  mask.SetCurrentRegion(3);
  SetRect(mask, {0, 0, 50, 50});
  mask.SetPicture(small);
  for (int row = 0; row < 25; ++row)
    for (int column = 0; column < 50; ++column) ASSERT_EQ(mask.HasRegionAt(row, column, 3), column < 25) << column;
}

struct RefitCase {
  std::vector<uint8_t> oldRow;
  int newWidth;
  std::vector<uint8_t> expected;
};

class MaskRefit : public testing::TestWithParam<RefitCase> {};

// Nearest neighbour with single-precision steps and halves to even.
TEST_P(MaskRefit, SamplesRoundedRunningPositions) {
  const RefitCase& c = GetParam();
  Picture before(static_cast<int>(c.oldRow.size()), 1), after(c.newWidth, 1);
  TMask mask;
  mask.SetPicture(before);
  std::copy(c.oldRow.begin(), c.oldRow.end(), mask.CellsView().begin());
  mask.SetPicture(after);
  EXPECT_EQ(std::vector<uint8_t>(mask.CellsView().begin(), mask.CellsView().end()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MaskRefit,
                         testing::Values(RefitCase{{1, 2}, 4, {1, 1, 2, 2}},  // 0, 0.5 -> 0, 1, 1
                                         RefitCase{{1, 2, 3}, 2, {1, 3}},     // 1.5 rounds to 2
                                         RefitCase{{1, 2, 3, 4}, 2, {1, 3}},
                                         RefitCase{{1, 2, 3}, 7, {1, 1, 2, 2, 3, 3, 3}}, RefitCase{{5}, 3, {5, 5, 5}}));

TEST(Mask, RefitMovesEveryBitTogether) {
  Picture before(2, 2), after(4, 4);
  TMask mask;
  mask.SetPicture(before);
  mask.CellsView()[3] = 0xA5;  // bottom right
  mask.SetPicture(after);
  EXPECT_EQ(mask.CellsView()[15], 0xA5);
  EXPECT_EQ(mask.CellsView()[0], 0);
}

TEST(Mask, RectangleOperationsAreClippedAndExclusive) {
  Picture picture(10, 10);
  TMask mask;
  mask.SetPicture(picture);
  mask.SetCurrentRegion(2);
  SetRect(mask, {-5, -5, 3, 2});  // raised to (0, 0, 3, 2)
  EXPECT_EQ(mask.OpRect(), (Rect{0, 0, 3, 2}));
  EXPECT_EQ(CountBit(mask, 2), 6);
  SetRect(mask, {8, 8, 50, 50});
  EXPECT_EQ(CountBit(mask, 2), 10);
  mask.SetOpRect({0, 0, 10, 1});
  mask.InvertRect();
  EXPECT_EQ(CountBit(mask, 2), 10 - 3 + 7);
  mask.ClearRect();
  EXPECT_EQ(CountBit(mask, 2), 3 + 4);
  mask.ClearRegion();
  EXPECT_EQ(CountBit(mask, 2), 0);
}

TEST(Mask, OperationsOnlyTouchTheCurrentRegionsBit) {
  Picture picture(4, 4);
  TMask mask;
  mask.SetPicture(picture);
  mask.SetCurrentRegion(1);
  SetRect(mask, {0, 0, 4, 4});
  mask.SetCurrentRegion(4);
  mask.InvertRect();
  mask.ClearRegion();
  EXPECT_EQ(CountBit(mask, 1), 16);
  EXPECT_EQ(mask.CollectUsedRegions(), std::vector<int>{1});
}

struct CurrentRegionCase {
  int asked, current;
  uint8_t bit;
};

class MaskCurrentRegion : public testing::TestWithParam<CurrentRegionCase> {};

TEST_P(MaskCurrentRegion, MapsTheNumberToABit) {
  TMask mask;
  int calls = 0;
  mask.SetOnRegionChange([&] { ++calls; });
  mask.SetCurrentRegion(GetParam().asked);
  EXPECT_EQ(mask.CurrentRegion(), GetParam().current);
  EXPECT_EQ(mask.CurrentRegionBit(), GetParam().bit);
  EXPECT_EQ(calls, 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, MaskCurrentRegion,
                         testing::Values(CurrentRegionCase{0, 0, 0}, CurrentRegionCase{1, 1, 1},
                                         CurrentRegionCase{8, 8, 0x80}, CurrentRegionCase{9, 8, 0x80},
                                         CurrentRegionCase{12, 8, 0x80}, CurrentRegionCase{-3, 0, 0}));

TEST(Mask, WithoutCurrentRegionNothingChanges) {
  Picture picture(5, 5);
  TMask mask;
  mask.SetPicture(picture);
  mask.SetCurrentRegion(0);
  mask.Apply(kMaskSetRect | kMaskInvertRect | kMaskAddLasso);
  SetRect(mask, {0, 0, 5, 5});
  for (uint8_t c : mask.CellsView()) EXPECT_EQ(c, 0);
  EXPECT_TRUE(mask.CollectUsedRegions().empty());
}

TEST(Mask, HasRegionAtIsFalseOutsideTheCells) {
  Picture picture(3, 2);
  TMask mask;
  mask.SetPicture(picture);
  mask.SetCurrentRegion(1);
  SetRect(mask, {0, 0, 3, 2});
  EXPECT_TRUE(mask.HasRegionAt(1, 2, 1));
  EXPECT_TRUE(mask.HasRegionAt(1, 2, 0));
  EXPECT_FALSE(mask.HasRegionAt(2, 0, 1));
  EXPECT_FALSE(mask.HasRegionAt(0, 3, 1));
  EXPECT_FALSE(mask.HasRegionAt(-1, 0, 1));
  EXPECT_FALSE(mask.HasRegionAt(0, 0, 2));
  EXPECT_FALSE(mask.HasRegionAt(0, 0, 9));
}

TEST(Mask, CollectUsedRegionsListsSetBitsAscending) {
  Picture picture(4, 1);
  TMask mask;
  mask.SetPicture(picture);
  mask.CellsView()[0] = 0x80;
  mask.CellsView()[2] = 0x05;
  EXPECT_EQ(mask.CollectUsedRegions(), (std::vector<int>{1, 3, 8}));
  EXPECT_EQ(mask.UsedRegions(), (std::vector<int>{1, 3, 8}));
}

TEST(Mask, RegionNumbersOutsideOneToEightRaise) {
  TMask mask;
  for (int region : {0, 9, -1}) {
    try {
      mask.Region(region).Hue;
      FAIL() << region;
    } catch (const EMaskIndexOutOfBounds& e) {
      EXPECT_EQ(std::string(e.what()), "Mask index out of bounds (" + std::to_string(region) + ")");
    }
  }
  EXPECT_THROW(test::SetRegionField(mask, 9, ColourField::Opacity, 50), EMaskIndexOutOfBounds);
  EXPECT_THROW(mask.SetRegion(0, {}), EMaskIndexOutOfBounds);
}

TEST(Mask, EachParameterIsKeptPerRegion) {
  TMask mask;
  test::SetRegionField(mask, 2, ColourField::Color, 0x123456);
  test::SetRegionField(mask, 2, ColourField::Red, 1);
  test::SetRegionField(mask, 2, ColourField::Green, 2);
  test::SetRegionField(mask, 2, ColourField::Blue, 3);
  test::SetRegionField(mask, 2, ColourField::Hue, 4);
  test::SetRegionField(mask, 2, ColourField::Saturation, 5);
  test::SetRegionField(mask, 2, ColourField::Brightness, 6);
  test::SetRegionField(mask, 2, ColourField::Contrast, 7);
  test::SetRegionField(mask, 2, ColourField::Opacity, 8);
  EXPECT_EQ(mask.Region(2), (ColourParameters{0x123456, 1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(mask.Region(2).Contrast, 7);
  EXPECT_EQ(mask.Region(3), ColourParameters{});
}

struct ApplyCase {
  const char* name;
  uint32_t flags;
  int expectedCount;  // cells of region 1 afterwards, from a 2 x 2 square in a 4 x 4 mask
};

class MaskApply : public testing::TestWithParam<ApplyCase> {};

// The op rectangle covers the top two rows (8 cells) for the rectangle
// operations and, inclusive, the top three rows (12 cells) for the colour
// range, which takes every colour (tolerance 255).
TEST_P(MaskApply, RunsTheFlagsInOrder) {
  Picture picture(4, 4);
  TMask mask;
  mask.SetPicture(picture);
  mask.SetCurrentRegion(1);
  SetRect(mask, {0, 0, 2, 2});
  mask.SetOpRect({0, 0, 4, 2});
  mask.SetTolerance(255);
  mask.AddLassoPoint(0, 0);
  mask.AddLassoPoint(3, 0);
  mask.AddLassoPoint(3, 3);
  mask.AddLassoPoint(0, 3);
  mask.Apply(GetParam().flags);
  EXPECT_EQ(CountBit(mask, 1), GetParam().expectedCount) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MaskApply,
    testing::Values(ApplyCase{"set then clear", kMaskSetRect | kMaskClearRect, 0},
                    ApplyCase{"invert then set", kMaskInvertRect | kMaskSetRect, 8},
                    ApplyCase{"clear region then set", kMaskClearRegion | kMaskSetRect, 8},
                    ApplyCase{"new selection drops the others", kMaskNewColourSelection | kMaskSetRect, 12},
                    ApplyCase{"subtract then add range", kMaskSubtractColourRange | kMaskAddColourRange, 12},
                    ApplyCase{"add then intersect", kMaskAddColourRange | kMaskIntersectColourRange, 12},
                    ApplyCase{"backup, set, restore", kMaskBackupRegion | kMaskRestoreRegion | kMaskSetRect, 8},
                    ApplyCase{"lasso add", kMaskAddLasso, 9},
                    ApplyCase{"lasso add before clear", kMaskAddLasso | kMaskClearLasso, 9},
                    ApplyCase{"lasso clear", kMaskClearLasso, 0}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& ch : name) ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return name;
    });

TEST(Mask, RestoreRegionBringsBackTheBackup) {
  Picture picture(4, 4);
  TMask mask;
  mask.SetPicture(picture);
  mask.SetCurrentRegion(2);
  SetRect(mask, {0, 0, 2, 2});
  mask.BackupRegion();
  SetRect(mask, {0, 0, 4, 4});
  mask.SetCurrentRegion(1);
  SetRect(mask, {0, 0, 4, 4});
  mask.SetCurrentRegion(2);
  mask.RestoreRegion();
  EXPECT_EQ(CountBit(mask, 2), 4);
  EXPECT_EQ(CountBit(mask, 1), 16);
  // The backup is gone: a second restore changes nothing.
  SetRect(mask, {0, 0, 4, 4});
  mask.RestoreRegion();
  EXPECT_EQ(CountBit(mask, 2), 16);
}

struct PointCase {
  int x, y, expectedX, expectedY;
};

class MaskCurrentPoint : public testing::TestWithParam<PointCase> {};

// On a 10 x 8 picture coordinates are clamped to the cells: the last column
// and row are reference pixels too.
TEST_P(MaskCurrentPoint, ClampsToTheCells) {
  Picture picture(10, 8);
  TMask mask;
  mask.SetPicture(picture);
  mask.SetCurrentPoint(GetParam().x, GetParam().y);
  EXPECT_EQ(mask.CurrentPoint(), (Point{GetParam().expectedX, GetParam().expectedY}));
}

INSTANTIATE_TEST_SUITE_P(Cases, MaskCurrentPoint,
                         testing::Values(PointCase{3, 4, 3, 4}, PointCase{8, 6, 8, 6}, PointCase{9, 6, 9, 6},
                                         PointCase{8, 7, 8, 7}, PointCase{12, 30, 9, 7}, PointCase{-1, -1, 0, 0}));

}  // namespace
}  // namespace lumena
