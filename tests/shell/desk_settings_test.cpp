#include "shell/desk_settings.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace lumena {
namespace {

struct DeskCase {
  std::map<std::string, int, std::less<>> given;
  bool accepted;
  DeskGeometry expected;
  int warnings;
};

DeskGeometry Defaults() {
  DeskGeometry desk;
  desk.CentreView();
  return desk;
}

DeskGeometry With(int tableWidth, int tableHeight, int x, int y, int width, int height) {
  DeskGeometry desk{tableWidth, tableHeight, x, y, width, height};
  desk.CentreView();
  return desk;
}

class ReadDeskGeometryTest : public ::testing::TestWithParam<DeskCase> {};

TEST_P(ReadDeskGeometryTest, TakesValuesInRangeAndWarnsOfTheOthers) {
  const DeskCase& c = GetParam();
  auto lookup = [&c](std::string_view key) -> std::optional<int> {
    const auto found = c.given.find(key);
    if (found == c.given.end()) return std::nullopt;
    return found->second;
  };
  std::vector<std::string> warnings;
  DeskGeometry desk;
  EXPECT_EQ(ReadDeskGeometry(
                lookup, [&](const std::string& m) { warnings.push_back(m); }, desk),
            c.accepted);
  EXPECT_EQ(static_cast<int>(warnings.size()), c.warnings);
  for (const std::string& warning : warnings)
    EXPECT_TRUE(warning.starts_with("Error in contents of file INTFACE.TXT\r"));
  if (!c.accepted) return;
  EXPECT_EQ(desk.tableWidth, c.expected.tableWidth);
  EXPECT_EQ(desk.tableHeight, c.expected.tableHeight);
  EXPECT_EQ(desk.windowX, c.expected.windowX);
  EXPECT_EQ(desk.windowY, c.expected.windowY);
  EXPECT_EQ(desk.windowWidth, c.expected.windowWidth);
  EXPECT_EQ(desk.windowHeight, c.expected.windowHeight);
  EXPECT_EQ(desk.viewLeft, c.expected.viewLeft);
  EXPECT_EQ(desk.viewTop, c.expected.viewTop);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadDeskGeometryTest,
    ::testing::Values(
        DeskCase{{}, true, Defaults(), 0},
        DeskCase{
            {{"DesktopTableWidth", 1024}, {"DesktopTableHeight", 1024}}, true, With(1024, 1024, 97, 62, 445, 492), 0},
        DeskCase{{{"DesktopTableWidth", 1025}}, false, {}, 0},
        DeskCase{{{"DesktopTableHeight", 2147483646}}, false, {}, 0},
        DeskCase{{{"DesktopTableWidth", 0}, {"DesktopTableHeight", -5}}, true, Defaults(), 2},
        DeskCase{{{"DesktopWindowWidth", 0}, {"DesktopWindowHeight", -2147483647 - 1}}, true, Defaults(), 2},
        DeskCase{{{"DesktopWindowWidth", 891}}, true, Defaults(), 1},
        DeskCase{{{"DesktopWindowX", -1}, {"DesktopWindowY", 2000}}, true, Defaults(), 2},
        DeskCase{
            {{"DesktopWindowX", 0}, {"DesktopWindowY", 0}, {"DesktopWindowWidth", 890}, {"DesktopWindowHeight", 768}},
            true,
            With(890, 984, 0, 0, 890, 768),
            0}));

}  // namespace
}  // namespace lumena
