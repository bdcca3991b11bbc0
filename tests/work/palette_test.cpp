#include "work/palette.h"

#include <gtest/gtest.h>

#include <string>

#include "images/picture.h"
#include "support/temp_folder.h"
#include "work/palette_grid.h"

namespace lumena {
namespace {

struct LineCase {
  const char* what;
  std::string line;
  std::string name;
  std::vector<PaletteColour> colours;
};

std::string ManyColours(int n) {
  std::string line = "Long;" + std::to_string(n) + ";";
  for (int i = 0; i < n; ++i) line += std::to_string(i) + ",0,0;c" + std::to_string(i) + ";";
  return line;
}

TEST(Palette, LinesReadUpToTheFirstFieldThatIsNotAColour) {
  const LineCase cases[] = {
      {"the example",
       "Warm;2;255,200,150;Peach;180,90,40;Rust;",
       "Warm",
       {{ColorValue(255, 200, 150), "Peach"}, {ColorValue(180, 90, 40), "Rust"}}},
      {"blanks around fields", " Sand ; 1 ; 1 , 2 ,3 ; Dune ;", "Sand", {{ColorValue(1, 2, 3), "Dune"}}},
      {"a channel above 255 ends the line", "Red;2;300,0,0;Too red;10,10,10;Dark;", "Red", {}},
      {"a negative channel ends the line", "Red;1;-1,0,0;Below;", "Red", {}},
      {"two channels end the line",
       "Mix;3;10,20,30;Ok;255,200;Short;1,2,3;Never;",
       "Mix",
       {{ColorValue(10, 20, 30), "Ok"}}},
      {"a count that is not a number", "Bad;x;1,2,3;A;", "Bad", {}},
      {"fewer colours than counted", "Few;5;1,2,3;A;", "Few", {{ColorValue(1, 2, 3), "A"}}},
      {"more colours than counted", "More;1;1,2,3;A;4,5,6;B;", "More", {{ColorValue(1, 2, 3), "A"}}},
      {"a colour without a name field", "Bare;1;1,2,3;", "Bare", {{ColorValue(1, 2, 3), ""}}},
  };
  for (const LineCase& c : cases) {
    const Palette palette = ParsePaletteLine(c.line);
    EXPECT_EQ(palette.name, c.name) << c.what;
    EXPECT_EQ(palette.colours, c.colours) << c.what;
  }
}

TEST(Palette, KeepsAtMostFiftyColours) {
  const Palette palette = ParsePaletteLine(ManyColours(60));
  ASSERT_EQ(palette.colours.size(), kMaxPaletteColours);
  EXPECT_EQ(palette.colours.back().name, "c49");
}

TEST(Palette, FindsAColourByValue) {
  const Palette palette = ParsePaletteLine("Warm;2;255,200,150;Peach;180,90,40;Rust;");
  ASSERT_NE(palette.Find(ColorValue(180, 90, 40)), nullptr);
  EXPECT_EQ(palette.Find(ColorValue(180, 90, 40))->name, "Rust");
  EXPECT_EQ(palette.Find(ColorValue(180, 90, 41)), nullptr);
}

TEST(Palette, CommentsAndBlankLinesAreNotPalettes) {
  const testing::TempFolder folder;
  const auto file = folder.Write(std::string(kPaletteFileName),
                                 "# Our palettes\r\nWarm;1;255,200,150;Peach;\r\n\r\n   \r\nCool;1;0,0,255;Blue;\r\n");
  PaletteChoice choice;
  choice.number = 2;
  choice.firstShown = 3;
  ReadPalette(choice, file);
  EXPECT_EQ(choice.count, 2);
  EXPECT_EQ(choice.palette.name, "Cool");
  EXPECT_EQ(choice.firstShown, 0);
}

TEST(Palette, AMissingFileHasNoPalettes) {
  const testing::TempFolder folder;
  PaletteChoice choice{.count = 3, .palette = ParsePaletteLine("Warm;1;1,2,3;A;")};
  ReadPalette(choice, folder / "PalData.txt");
  EXPECT_EQ(choice.count, 0);
  EXPECT_TRUE(choice.palette.name.empty());
  EXPECT_TRUE(choice.palette.colours.empty());
  EXPECT_FALSE(StepPalette(choice, true));
  EXPECT_EQ(choice.number, 1);
}

TEST(Palette, PagingWrapsBothWays) {
  struct Case {
    int number, count;
    bool forward;
    int expected;
  };
  const Case cases[] = {{1, 3, false, 3}, {3, 3, true, 1}, {2, 3, true, 3}, {2, 3, false, 1}, {1, 1, true, 1}};
  for (const Case& c : cases) {
    PaletteChoice choice;
    choice.number = c.number;
    choice.count = c.count;
    EXPECT_TRUE(StepPalette(choice, c.forward));
    EXPECT_EQ(choice.number, c.expected) << c.number << (c.forward ? " forward" : " back");
  }
}

std::vector<Point> Positions(int n) {
  std::vector<Point> points;
  for (int i = 0; i < n; ++i) points.push_back({i * 41, 0});
  return points;
}

TEST(PaletteGrid, EightColoursOnThreeByTwoPageOnce) {
  const PaletteGrid grid = MakePaletteGrid(3, 2, Positions(6));
  const PalettePaging start = PagingFor(grid, 8, 0);
  EXPECT_TRUE(start.shown);
  EXPECT_EQ(start.maximum, 1);
  EXPECT_EQ(start.value, 0);
  const int first = FirstShownAt(grid, 1);
  EXPECT_EQ(first, 3);
  EXPECT_EQ(PagingFor(grid, 8, first).value, 1);
  const std::vector<std::optional<int>> cells = CellColours(grid, 8, first);
  EXPECT_EQ(cells, (std::vector<std::optional<int>>{3, 4, 5, 6, 7, std::nullopt}));
  EXPECT_EQ(CellColours(grid, 8, 0), (std::vector<std::optional<int>>{0, 1, 2, 3, 4, 5}));
}

TEST(PaletteGrid, APaletteThatFitsHasNoPaging) {
  const PaletteGrid grid = MakePaletteGrid(3, 2, Positions(6));
  EXPECT_FALSE(PagingFor(grid, 6, 0).shown);
  EXPECT_FALSE(PagingFor(grid, 0, 0).shown);
  EXPECT_EQ(CellColours(grid, 2, 0),
            (std::vector<std::optional<int>>{0, 1, std::nullopt, std::nullopt, std::nullopt, std::nullopt}));
}

TEST(PaletteGrid, ColumnsAndRowsAreClampedToTheRangeAndThePositions) {
  struct Case {
    int columns, rows, positions;
    int expectedColumns, expectedRows;
  };
  const Case cases[] = {
      {3, 2, 6, 3, 2}, {0, -4, 6, 1, 1}, {9, 12, 100, 8, 8}, {4, 4, 6, 4, 1},
      {3, 2, 4, 3, 1}, {10, 1, 5, 5, 1}, {3, 2, 0, 1, 0},
  };
  for (const Case& c : cases) {
    const PaletteGrid grid = MakePaletteGrid(c.columns, c.rows, Positions(c.positions));
    EXPECT_EQ(grid.columns, c.expectedColumns) << c.columns << "x" << c.rows << " on " << c.positions;
    EXPECT_EQ(grid.rows, c.expectedRows) << c.columns << "x" << c.rows << " on " << c.positions;
    EXPECT_EQ(grid.positions.size(), static_cast<size_t>(grid.Cells()));
  }
}

}  // namespace
}  // namespace lumena
