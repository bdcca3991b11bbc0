// The templates window's grid arithmetic and its previews.
#include "templates/template_grid.h"

#include <gtest/gtest.h>

#include "images/element_picture.h"
#include "support/temp_folder.h"

namespace lumena {
namespace {

TEST(TemplateGrid, ScrollsByTheRowsThatDoNotFit) {
  const TemplateGridShape shape = MakeGridShape(2, 4, 184, 265);
  EXPECT_EQ(shape.cellWidth, 92);
  EXPECT_EQ(shape.cellHeight, 66);
  for (auto [shown, maximum] : {std::pair{9, 1}, {8, 0}, {11, 2}, {0, 0}, {12, 2}})
    EXPECT_EQ(ScrollMaximum(shown, shape), maximum) << shown;
}

TEST(TemplateGrid, APointChoosesTheCellItIsDrawnIn) {
  const TemplateGridShape shape = MakeGridShape(2, 4, 184, 265);
  const struct {
    int x, y, firstRow;
    std::optional<int> index;
  } cases[] = {
      {0, 0, 0, 0},
      {91, 65, 0, 0},
      {92, 0, 0, 1},
      {0, 66, 0, 2},  // the top row of the second row's cell is that cell's
      {100, 67, 0, 3},
      {183, 264, 0, 7},  // the picture's last row lies below the last cell: clamped
      {0, 66, 2, 6},     // scrolled two rows
      {-1, 10, 0, std::nullopt},
      {184, 10, 0, std::nullopt},
      {10, 265, 0, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(CellIndexAt(c.x, c.y, shape, c.firstRow), c.index) << c.x << "," << c.y;
}

TEST(TemplateGrid, PreviewsFitTheirCellKeepingProportions) {
  const TemplateGridShape shape = MakeGridShape(2, 4, 184, 265);
  const struct {
    int col, row, w, h;
    Rect expected;
  } cases[] = {
      {0, 0, 40, 20, {26, 23, 66, 43}},               // small: own size, centred
      {1, 1, 445, 492, {92 + 16, 66, 92 + 76, 132}},  // tall: the cell's height
      {0, 0, 300, 100, {0, 18, 92, 49}},              // wide: the cell's width
      {0, 0, 0, 10, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(PreviewPlace(shape, c.col, c.row, c.w, c.h), c.expected) << c.w << "x" << c.h;
}

TEST(TemplateGrid, PreviewsAreLookedForInTheProgramFolderFirst) {
  const DataRoots roots("/hd", "/hd", "/program");
  EXPECT_EQ(PreviewRoots(roots), (std::vector<std::filesystem::path>{"/program", "/hd"}));
  const DataRoots same("/p", "/cd", "/p");
  EXPECT_EQ(PreviewRoots(same), (std::vector<std::filesystem::path>{"/p", "/cd"}));
}

TEST(TemplateGrid, AModelShowsThePictureBesideItOpaqueOrTheEmptyPreview) {
  testing::TempFolder hd, program;
  std::filesystem::create_directories(program / "Hats");
  Picture half(4, 3);
  for (Pixel& p : half.Pixels()) p = {1, 2, 3, 100};
  SaveElementPicture(half, program / "Hats" / "cap.psd");
  program.Write("Hats/cap.x", "xof 0302txt");
  program.Write("Hats/plain.x", "xof 0302txt");
  const DataRoots roots(hd.Path(), hd.Path(), program.Path());
  const Picture empty(7, 7);
  const Picture model = LoadTemplatePreview(roots, "Hats\\cap.x", empty);
  ASSERT_EQ(model.Width(), 4);
  EXPECT_EQ(model.At(0, 0).a, 255);
  EXPECT_EQ(LoadTemplatePreview(roots, "Hats\\plain.x", empty).Width(), 7);
  EXPECT_EQ(LoadTemplatePreview(roots, "Hats\\cap.psd", empty).At(0, 0).a, 100);
  EXPECT_TRUE(LoadTemplatePreview(roots, "Hats\\none.psd", empty).Empty());
  program.Write("Hats/broken.psd", "not a picture");
  EXPECT_TRUE(LoadTemplatePreview(roots, "Hats\\broken.psd", empty).Empty());
}

TEST(TemplateGrid, TheShownTemplatesAreThoseOfTheTypeThatPassTheFilter) {
  TTemplateBase base;
  for (const char* line : {"1;0;0;a.psd;A;?K=1;", "2;0;0;b.psd;B;", "1;0;0;c.psd;C;?K=2;"})
    base.ReadTemplateLine(line, 1, {});
  const ShownTemplates all = ShownTemplatesOf(base, 1);
  EXPECT_EQ(all.total, 2);
  ASSERT_EQ(all.shown.size(), 2u);
  const ShownTemplates filtered =
      ShownTemplatesOf(base, 1, [](const TPartInfoRecord& t) { return t.Tags.find("K=2") != std::string::npos; });
  EXPECT_EQ(filtered.total, 2);
  ASSERT_EQ(filtered.shown.size(), 1u);
  EXPECT_EQ(filtered.shown[0]->Name, "C");
}

}  // namespace
}  // namespace lumena
