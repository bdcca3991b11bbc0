#include "interface/main_form_params.h"

#include <gtest/gtest.h>

#include "interface/interface_info.h"
#include "interface/interface_parser.h"

namespace lumena {
namespace {

using Points = std::vector<Point>;

TEST(MainFormParamsTest, IntegerListsSkipNonIntegers) {
  EXPECT_EQ(InterfaceIntegerList("1, x 2;$10 -3 0x1f 4.5"), (std::vector<int>{1, 2, 16, -3, 31}));
  EXPECT_EQ(InterfaceIntegerList(""), std::vector<int>{});
}

TEST(MainFormParamsTest, PairsIgnoreAnOddLastNumber) {
  EXPECT_EQ(PointList("10 20, 30;40 50"), (Points{{10, 20}, {30, 40}}));
  EXPECT_EQ(PointList("7"), Points{});
  EXPECT_EQ(PointList(kDefaultPaletteBtnShowPos),
            (Points{{11, 105}, {52, 105}, {93, 105}, {11, 130}, {52, 130}, {93, 130}}));
}

TEST(MainFormParamsTest, TriplesAndPreviewGrid) {
  const std::vector<TemplatePreviewGrid> grids = TemplatePreviewGrids("1,3,5; 4 2 2; 9 9");
  EXPECT_EQ(grids, (std::vector<TemplatePreviewGrid>{{1, 3, 5}, {4, 2, 2}}));
  EXPECT_EQ(PreviewGridFor(grids, 4), (TemplatePreviewGrid{4, 2, 2}));
  EXPECT_EQ(PreviewGridFor(grids, 7), (TemplatePreviewGrid{7, 2, 4}));
  EXPECT_EQ(PreviewGridFor(TemplatePreviewGrids("5 0 3; 6 3 0"), 5), (TemplatePreviewGrid{5, 2, 3}));
  EXPECT_EQ(PreviewGridFor(TemplatePreviewGrids("5 0 3; 6 3 0"), 6), (TemplatePreviewGrid{6, 3, 4}));
}

TEST(MainFormParamsTest, ReadsTheSixParametersWithDefaults) {
  const TOrvInterfaceInfo empty{{}, true};
  const FormMainListParams defaults = ReadFormMainListParams(empty);
  EXPECT_TRUE(defaults.templateButtons.empty());
  EXPECT_TRUE(defaults.templateBtnShowPos.empty());
  EXPECT_EQ(defaults.paletteBtnShowPos.size(), 6u);
  EXPECT_EQ(defaults.paletteBtnCols, 3);
  EXPECT_EQ(defaults.paletteBtnRows, 2);

  const TOrvInterfaceInfo info{
      ParseInterfaceText("SECTION FormMain TFormMain\n"
                         "TemplateButtons = 'ButtonHair ButtonEyes,ButtonLips'\n"
                         "TemplateBtnShowPos = '5,6; 7,8'; TemplatePreviewInfo = '2 1 1'\n"
                         "PaletteBtnShowPos = '1,2;3,4'; PaletteBtnCols = 2; PaletteBtnRows = x\n"
                         "END"),
      true};
  const FormMainListParams p = ReadFormMainListParams(info);
  EXPECT_EQ(p.templateButtons, (std::vector<std::string>{"ButtonHair", "ButtonEyes", "ButtonLips"}));
  EXPECT_EQ(p.templateBtnShowPos, (Points{{5, 6}, {7, 8}}));
  EXPECT_EQ(p.templatePreviewInfo, (std::vector<TemplatePreviewGrid>{{2, 1, 1}}));
  EXPECT_EQ(p.paletteBtnShowPos, (Points{{1, 2}, {3, 4}}));
  EXPECT_EQ(p.paletteBtnCols, 2);
  EXPECT_EQ(p.paletteBtnRows, 2);
}

}  // namespace
}  // namespace lumena
