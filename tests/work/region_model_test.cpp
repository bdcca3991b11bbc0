// The arithmetic behind the layer regions windows: thumbnails, the editor's
// grid, what a click does, and the region cut out for saving.
#include <gtest/gtest.h>

#include <algorithm>

#include "work/region_clicks.h"
#include "work/region_cut.h"
#include "work/region_grid.h"
#include "work/region_thumbnails.h"

namespace lumena {
namespace {

constexpr Pixel kInk{10, 20, 30, 255};
constexpr int kSide = 50;

Picture Filled(int w, int h, Pixel p) {
  Picture picture(w, h);
  std::ranges::fill(picture.Pixels(), p);
  return picture;
}

// Marks a picture rectangle (right and bottom exclusive) as the region's.
void Mark(TMask& mask, int region, const Rect& r) {
  mask.SetCurrentRegion(region);
  mask.SetOpRect(r);
  mask.SetRect();
}

bool Inside(const Rect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

struct ThumbnailCase {
  const char* name;
  int width, height;
  Rect region;    // in the picture
  Rect place;     // where the picture is drawn in the thumbnail
  Rect expected;  // where the region shows in the thumbnail
};

class RegionThumbnailsTest : public testing::TestWithParam<ThumbnailCase> {};

TEST_P(RegionThumbnailsTest, TheRegionShowsWhereItLiesOnThePicture) {
  const ThumbnailCase& c = GetParam();
  const Picture picture = Filled(c.width, c.height, kInk);
  TMask mask;
  mask.SetPicture(picture);
  Mark(mask, 3, c.region);
  EXPECT_EQ(ThumbnailPlace(c.width, c.height, kSide), c.place);
  const RegionThumbnails thumbnails = MakeRegionThumbnails(picture, mask, kSide);
  for (int entry = 0; entry <= kMaskRegionCount; ++entry) {
    const Picture& t = thumbnails[entry];
    ASSERT_EQ(t.Width(), kSide);
    ASSERT_EQ(t.Height(), kSide);
    for (int y = 0; y < kSide; ++y)
      for (int x = 0; x < kSide; ++x) {
        const bool shown = entry == 3 && Inside(c.expected, x, y);
        ASSERT_EQ(t.At(x, y), shown ? kInk : kOpaqueWhite) << "entry " << entry << " at " << x << ", " << y;
      }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, RegionThumbnailsTest,
    testing::Values(ThumbnailCase{"Square", 100, 100, {0, 0, 50, 100}, {0, 0, 50, 50}, {0, 0, 25, 50}},
                    ThumbnailCase{"Wide", 200, 100, {100, 0, 200, 100}, {0, 12, 50, 37}, {25, 12, 50, 37}},
                    ThumbnailCase{"Tall", 100, 200, {0, 100, 100, 200}, {12, 0, 37, 50}, {12, 25, 37, 50}},
                    ThumbnailCase{"OneByTwoHundred", 1, 200, {0, 0, 1, 200}, {24, 0, 25, 50}, {24, 0, 25, 50}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RegionThumbnails, ARegionPixelIsBlendedOverWhiteByItsOpacity) {
  const Picture picture = Filled(kSide, kSide, Pixel{0, 100, 200, 128});
  TMask mask;
  mask.SetPicture(picture);
  Mark(mask, 1, {0, 0, kSide, kSide});
  const RegionThumbnails thumbnails = MakeRegionThumbnails(picture, mask, kSide);
  // 255 - ((255 - c) * 128) div 255
  EXPECT_EQ(thumbnails[1].At(20, 20), (Pixel{127, 177, 227, 255}));
}

TEST(RegionGrid, LinesAndTheCellOfAPointOnALine) {
  const RegionGrid grid = MakeRegionGrid(100, 60, 5, 5);
  EXPECT_EQ(grid.columns, (std::vector<int32_t>{0, 19, 38, 57, 76, 99}));
  EXPECT_EQ(grid.rows, (std::vector<int32_t>{0, 11, 22, 33, 44, 59}));
  EXPECT_EQ(CellRectAt(grid, {19, 30}), (Rect{0, 22, 19, 33})) << "a point on a line is in the cell left of it";
}

struct GridCase {
  const char* name;
  int width, height, columns, rows;
  Point click;
  Rect operation;
};

class RegionGridOperation : public testing::TestWithParam<GridCase> {};

// The last column and row of cells reach the picture's right and bottom
// edge, and degenerate pictures still give a rectangle inside the picture.
TEST_P(RegionGridOperation, TheRectangleOfAClick) {
  const GridCase& c = GetParam();
  const Rect r = OperationRectAt(MakeRegionGrid(c.width, c.height, c.columns, c.rows), c.click);
  EXPECT_EQ(r, c.operation);
  EXPECT_EQ(ClippedTo(r, std::max(c.width, 1), std::max(c.height, 1)), r);
}

INSTANTIATE_TEST_SUITE_P(Cells, RegionGridOperation,
                         testing::Values(GridCase{"Inner", 100, 60, 5, 5, {19, 30}, {0, 22, 19, 33}},
                                         GridCase{"LastColumnAndRow", 100, 60, 5, 5, {99, 59}, {76, 44, 100, 60}},
                                         GridCase{"FirstCell", 100, 60, 5, 5, {0, 0}, {0, 0, 19, 11}},
                                         GridCase{"OnePixel", 1, 1, 5, 5, {0, 0}, {0, 0, 1, 1}},
                                         GridCase{"MoreCellsThanPixels", 3, 2, 15, 15, {1, 1}, {0, 0, 3, 2}},
                                         GridCase{"OneColumn", 1, 60, 2, 5, {0, 59}, {0, 44, 1, 60}},
                                         GridCase{"NoPicture", 0, 0, 5, 5, {0, 0}, {0, 0, 1, 1}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ClickCase {
  ClickKeys keys;
  ClickButton button;
  uint32_t operation;
};

class RegionClickTable : public testing::TestWithParam<ClickCase> {};

TEST_P(RegionClickTable, FirstMatchingRowWins) {
  EXPECT_EQ(ClickOperation(GetParam().keys, GetParam().button), GetParam().operation);
}

INSTANTIATE_TEST_SUITE_P(
    KeysAndButtons, RegionClickTable,
    testing::Values(ClickCase{{.ctrl = true}, ClickButton::Right, kMaskInvertRect},
                    ClickCase{{.ctrl = true, .shift = true, .alt = true}, ClickButton::Right, kMaskInvertRect},
                    ClickCase{{.ctrl = true, .shift = true}, ClickButton::Left, kMaskSetRect},
                    ClickCase{{.ctrl = true, .shift = true, .alt = true}, ClickButton::Left, kMaskSetRect},
                    ClickCase{{.ctrl = true, .alt = true}, ClickButton::Left, kMaskClearRect},
                    ClickCase{{.alt = true}, ClickButton::Right, kMaskSubtractColourRange},
                    ClickCase{{.shift = true, .alt = true}, ClickButton::Left, kMaskSubtractColourRange},
                    ClickCase{{.shift = true}, ClickButton::Left, kMaskAddColourRange},
                    ClickCase{{.ctrl = true}, ClickButton::Left, kMaskNewColourSelection},
                    ClickCase{{}, ClickButton::Right, kMaskNewColourSelection},
                    ClickCase{{}, ClickButton::Middle, kMaskNewColourSelection}));

TEST(RegionToleranceAdjustment, GrowingAddsShrinkingIntersects) {
  EXPECT_EQ(ToleranceAdjustment(30, 31), kSelectAdd);
  EXPECT_EQ(ToleranceAdjustment(30, 0), kSelectIntersect);
  EXPECT_EQ(ToleranceAdjustment(30, 30), std::nullopt);
}

// A 100 x 50 layer at (7, 3) whose region 2 has opaque pixels in a 40 x 20
// box at (30, 10), and transparent ones around it.
struct CutFixture {
  Picture picture = Filled(100, 50, Pixel{1, 2, 3, 0});
  TMask mask;
  CutFixture() {
    for (int y = 10; y < 30; ++y)
      for (int x = 30; x < 70; ++x) picture.At(x, y) = kInk;
    picture.At(31, 11) = Pixel{9, 9, 9, 255};
    mask.SetPicture(picture);
    Mark(mask, 2, {20, 5, 80, 40});
    mask.SetOpRect({31, 11, 32, 12});
    mask.ClearRect();               // one opaque pixel of the box outside the region
    Mark(mask, 4, {0, 0, 10, 10});  // transparent pixels only
  }
};

TEST(RegionCut, TheBoxOfVisiblePixelsWithAQuarterMargin) {
  CutFixture f;
  const std::optional<RegionCut> cut = CutRegion(f.picture, f.mask, 2, {7, 3}, Pixel{40, 50, 60, 255});
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->picture.Width(), 50);
  EXPECT_EQ(cut->picture.Height(), 30);
  EXPECT_EQ(cut->tablePosition, (Point{7 + 30 - 5, 3 + 10 - 5}));
  EXPECT_EQ(cut->picture.At(5, 5), kInk);
  EXPECT_EQ(cut->picture.At(44, 24), kInk) << "the box's last pixel";
  EXPECT_EQ(cut->picture.At(4, 4), (Pixel{255, 255, 255, 0})) << "the margin is transparent white";
  EXPECT_EQ(cut->picture.At(45, 25), (Pixel{255, 255, 255, 0}));
  EXPECT_EQ(cut->picture.At(6, 6), (Pixel{40, 50, 60, 0})) << "not the region's: the layer's colour, transparent";
}

TEST(RegionCut, NothingForAnEmptyOrAllTransparentRegion) {
  CutFixture f;
  EXPECT_FALSE(CutRegion(f.picture, f.mask, 1, {0, 0}, {}));
  EXPECT_FALSE(CutRegion(f.picture, f.mask, 4, {0, 0}, {}));
  EXPECT_FALSE(CutRegion(f.picture, f.mask, 0, {0, 0}, {}));
}

}  // namespace
}  // namespace lumena
