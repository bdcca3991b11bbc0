#include "work/desk_geometry.h"

#include <gtest/gtest.h>

namespace lumena {
namespace {

TEST(DeskGeometry, DefaultsShowTheCentreAndAllowScale200) {
  DeskGeometry desk;
  desk.CentreView();
  EXPECT_EQ(desk.viewWidth, 445);
  EXPECT_EQ(desk.viewHeight, 492);
  EXPECT_EQ(desk.viewLeft, 222);
  EXPECT_EQ(desk.viewTop, 246);
  EXPECT_EQ(desk.ScaleSliderMaximum(), 200);
}

TEST(DeskGeometry, ViewIsTruncatedAndSliderMaximumRoundsHalvesToEven) {
  DeskGeometry desk;
  desk.tableWidth = 1001;
  desk.tableHeight = 1000;
  desk.windowWidth = 400;   // 250.25 %
  desk.windowHeight = 400;  // 250 %
  desk.scale = 1.5;
  desk.CentreView();
  EXPECT_EQ(desk.viewWidth, 600);
  EXPECT_EQ(desk.viewLeft, 200) << "(1001 - 600) / 2 = 200.5 truncates";
  EXPECT_EQ(desk.ScaleSliderMaximum(), 250);
  desk.tableWidth = 1002;  // 250.5 % rounds to the even 250
  desk.tableHeight = 1010;
  EXPECT_EQ(desk.ScaleSliderMaximum(), 250);
}

TEST(DeskGeometry, TableOf1024IsAcceptedAnd1025IsTooLarge) {
  DeskGeometry desk;
  desk.tableWidth = 1024;
  desk.tableHeight = 1024;
  EXPECT_FALSE(desk.TableTooLarge());
  desk.tableHeight = 1025;
  EXPECT_TRUE(desk.TableTooLarge());
}

}  // namespace
}  // namespace lumena
