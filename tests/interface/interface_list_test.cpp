#include "interface/interface_list.h"

#include <gtest/gtest.h>

#include "interface/screen_resolution.h"
#include "platform/ini_file.h"
#include "support/temp_folder.h"

namespace lumena {
namespace {

IniFile Settings(const testing::TempFolder& folder, std::string_view text) {
  return IniFile(folder.Write("Lumena.ini", text));
}

struct ListCase {
  std::string_view ini;
  std::vector<TIntInfoRecord> entries;
  std::string_view chosen;
};

class ReadInterfaceListTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(ReadInterfaceListTest, EntriesAndChosenName) {
  testing::TempFolder folder;
  const InterfaceList list = ReadInterfaceList(Settings(folder, GetParam().ini));
  EXPECT_EQ(list.Entries, GetParam().entries);
  EXPECT_EQ(list.ChosenName, GetParam().chosen);
}

using Entries = std::vector<TIntInfoRecord>;
INSTANTIATE_TEST_SUITE_P(
    Table, ReadInterfaceListTest,
    ::testing::Values(
        ListCase{"[INTERFACES]\r\nInterface1=  blue ; Blue Look ; 1;\r\n", Entries{{"BLUE", "Blue Look", true}},
                 "BLUE\\"},
        // Two selected: the later wins. None selected: DEFAULT.
        ListCase{"[INTERFACES]\r\nInterface1=a;A;1;\r\nInterface2=b;B;1;\r\n",
                 Entries{{"A", "A", true}, {"B", "B", true}}, "B\\"},
        ListCase{"[INTERFACES]\r\nInterface1=a;A;0;\r\n", Entries{{"A", "A", false}}, "DEFAULT\\"},
        ListCase{"[OTHER]\r\nInterface1=a;A;1;\r\n", Entries{}, "DEFAULT\\"},
        // Missing, non-integer or unterminated third field: dropped silently.
        ListCase{"[INTERFACES]\r\nInterface1=a;A;\r\nInterface2=b;B;x;\r\nInterface3=c;C;1\r\nInterface4=d;D;$2;\r\n",
                 Entries{{"D", "D", true}}, "D\\"},
        // Empty values are skipped; only keys beginning with INTERFACE count, in any case.
        ListCase{"[INTERFACES]\r\nInterface1=\r\nOther=o;O;1;\r\ninterfaceX=x;X;0;\r\n", Entries{{"X", "X", false}},
                 "DEFAULT\\"}));

struct DirCase {
  std::string_view ini;
  std::string_view dir;
};

TEST(ReadInterfaceDirTest, FirstFieldWithTrailingBackslash) {
  const DirCase cases[] = {
      {"", "Intfaces\\"},
      {"[DIRECTORIES]\r\nInterfaceDirName= Skins ;old\r\n", "Skins\\"},
      {"[DIRECTORIES]\r\nInterfaceDirName=Skins\\\r\n", "Skins\\"},
      {"[DIRECTORIES]\r\nInterfaceDirName=\r\n", ""},
  };
  for (const DirCase& c : cases) {
    testing::TempFolder folder;
    EXPECT_EQ(ReadInterfaceDir(Settings(folder, c.ini)), c.dir) << c.ini;
  }
}

struct LevelCase {
  int width;
  int height;
  int level;
};

TEST(ScreenResolutionTest, LevelIsTheLargestThatFitsButAtMostTwo) {
  const LevelCase cases[] = {{640, 480, 1},  {800, 600, 1},   {1024, 767, 1},  {1023, 768, 1},
                             {1024, 768, 2}, {1280, 1024, 2}, {1920, 1080, 2}, {2560, 1600, 2}};
  for (const LevelCase& c : cases)
    EXPECT_EQ(ResolutionLevelFor(c.width, c.height), c.level) << c.width << "x" << c.height;
}

TEST(ScreenResolutionTest, Table) {
  EXPECT_EQ(ScreenResolution(1).Folder, "800-600\\");
  EXPECT_EQ(ScreenResolution(2).Width, 1024);
  EXPECT_EQ(ScreenResolution(2).Folder, "1024-768\\");
  EXPECT_EQ(ScreenResolution(3).Height, 1024);
  EXPECT_EQ(ScreenResolution(3).Folder, "1280-1024\\");
}

}  // namespace
}  // namespace lumena
