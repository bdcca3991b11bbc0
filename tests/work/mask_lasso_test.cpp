#include <gtest/gtest.h>

#include "work/lasso_fill.h"
#include "work/mask.h"

namespace lumena {
namespace {

std::vector<std::string> Drawn(const std::vector<uint8_t>& cells, int width, int height) {
  std::vector<std::string> rows;
  for (int y = 0; y < height; ++y) {
    std::string row;
    for (int x = 0; x < width; ++x) row += cells[static_cast<size_t>(y) * width + x] ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

struct FillCase {
  const char* name;
  std::vector<Point> points;
  int width, height;
  std::vector<std::string> expected;
};

class LassoFill : public testing::TestWithParam<FillCase> {};

TEST_P(LassoFill, FillsInsideAndOutline) {
  const FillCase& c = GetParam();
  EXPECT_EQ(Drawn(FillLassoPolygon(c.points, c.width, c.height), c.width, c.height), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LassoFill,
    testing::Values(
        FillCase{"square", {{0, 0}, {4, 0}, {4, 4}, {0, 4}}, 4, 4, {"####", "####", "####", "####"}},
        FillCase{
            "triangle", {{0, 0}, {6, 0}, {0, 6}}, 6, 6, {"######", "######", "#####.", "####..", "###...", "##...."}},
        // Crossing edges: the alternate rule fills the two side
        // wedges, and the pen draws the crossing diagonals.
        FillCase{"bow tie",
                 {{0, 0}, {6, 6}, {6, 0}, {0, 6}},
                 6,
                 6,
                 {"#.....", "##...#", "###.##", "######", "###.##", "##...#"}},
        FillCase{"flat", {{0, 2}, {5, 2}}, 5, 0, {}}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& ch : name) ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return name;
    });

TEST(MaskLasso, RightColumnAndBottomRowOfTheBoxStayUnfilled) {
  Picture picture(10, 10);
  TMask mask;
  mask.SetPicture(picture);
  mask.SetCurrentRegion(3);
  for (Point p : {Point{2, 3}, Point{6, 3}, Point{6, 8}, Point{2, 8}}) mask.AddLassoPoint(p.x, p.y);
  mask.ApplyLasso(true);
  for (int row = 0; row < 10; ++row)
    for (int column = 0; column < 10; ++column) {
      const bool inside = column >= 2 && column < 6 && row >= 3 && row < 8;
      ASSERT_EQ(mask.HasRegionAt(row, column, 3), inside) << row << "," << column;
    }
  EXPECT_TRUE(mask.Lasso().empty());
}

TEST(MaskLasso, PointsAreClampedAndClearingRemovesTheBit) {
  Picture picture(5, 4);
  TMask mask;
  mask.SetPicture(picture);
  mask.AddLassoPoint(-7, 99);
  EXPECT_EQ(mask.Lasso().front(), (Point{0, 3}));
  mask.SetCurrentRegion(1);
  mask.SetOpRect({0, 0, 5, 4});
  mask.SetRect();
  for (Point p : {Point{-1, -1}, Point{9, -1}, Point{9, 9}, Point{-1, 9}}) mask.AddLassoPoint(p.x, p.y);
  mask.ApplyLasso(false);
  // The whole picture but its last column and row is cleared.
  int left = 0;
  for (uint8_t c : mask.CellsView()) left += c & 1;
  EXPECT_EQ(left, 5 + 4 - 1);
}

TEST(MaskLasso, SetPictureEmptiesTheLasso) {
  Picture picture(5, 4);
  TMask mask;
  mask.SetPicture(picture);
  mask.AddLassoPoint(1, 1);
  mask.SetPicture(picture);
  EXPECT_TRUE(mask.Lasso().empty());
}

}  // namespace
}  // namespace lumena
