#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "support/unprivileged.h"

namespace lumena {
namespace {

using testing::ReadFile;
using testing::TempFolder;

TEST(IniFile, SectionsAndKeysCompareWithoutCase) {
  TempFolder dir;
  IniFile ini(dir.Write("a.ini", "[Intro Video]\r\nLogo = Logo.avi \r\n[MUSIC]\nPlayMusic=yes\n"));
  EXPECT_EQ(ini.ReadString("intro video", "LOGO", ""), "Logo.avi");
  EXPECT_TRUE(ini.ReadFlag("music", "playmusic", false));
  EXPECT_FALSE(ini.ReadFlag("music", "PlaySound", false));
  EXPECT_EQ(ini.ReadInteger("MUSIC", "PlayMusic", 5), 5);
}

TEST(IniFile, SectionLinesKeepFileOrderAndSkipComments) {
  TempFolder dir;
  IniFile ini(dir.Write("a.ini", "[S]\n; note\nb=2\na=1;x\n\n[T]\nc=3\n"));
  EXPECT_EQ(ini.ReadSectionLines("s"), (std::vector<std::string>{"b=2", "a=1;x"}));
  EXPECT_EQ(ini.ReadSectionKeys("S"), (std::vector<std::string>{"b", "a"}));
}

TEST(IniFile, WritesBackWithCrLfKeepingEverythingElse) {
  TempFolder dir;
  const auto file = dir.Write("a.ini", "; head\n[S]\n; note\nb=2\n\n[T]\nc=3\n");
  IniFile ini(file);
  ini.WriteString("s", "B", "20");
  ini.WriteString("S", "new", "x");
  ini.WriteString("U", "k", "v");
  ini.Flush();
  EXPECT_EQ(ReadFile(file), "; head\r\n[S]\r\n; note\r\nb=20\r\nnew=x\r\n\r\n[T]\r\nc=3\r\n[U]\r\nk=v\r\n");
}

TEST(IniFile, EraseSectionAndDeleteKey) {
  TempFolder dir;
  const auto file = dir.Write("a.ini", "[A]\nx=1\ny=2\n[B]\nz=3\n");
  IniFile ini(file);
  ini.EraseSection("b");
  ini.DeleteKey("a", "X");
  ini.Flush();
  EXPECT_EQ(ReadFile(file), "[A]\r\ny=2\r\n");
}

TEST(IniFile, UnchangedFileIsNotRewritten) {
  TempFolder dir;
  const auto file = dir.Write("a.ini", "[A]\nx=1\n");
  IniFile ini(file);
  ini.WriteString("A", "x", "1");
  EXPECT_FALSE(ini.Dirty());
  ini.Flush();
  EXPECT_EQ(ReadFile(file), "[A]\nx=1\n");
}

TEST(IniFile, MissingFileIsEmptyAndCreatedOnFlush) {
  TempFolder dir;
  IniFile ini(dir / "new.ini");
  EXPECT_FALSE(ini.SectionExists("A"));
  ini.WriteFlag("A", "On", true);
  ini.Flush();
  EXPECT_EQ(ReadFile(dir / "new.ini"), "[A]\r\nOn=YES\r\n");
}

TEST(IniFile, FailedFlushKeepsTheOldFile) {
  TempFolder dir;
  const auto file = dir.Write("sub/a.ini", "[A]\nx=1\n");
  namespace fs = std::filesystem;
  const auto readOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read | fs::perms::group_exec |
                        fs::perms::others_read | fs::perms::others_exec;
  fs::permissions(dir.Path(), readOnly);
  fs::permissions(dir / "sub", readOnly);
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const int outcome = testing::RunUnprivileged([&] {
    IniFile ini(file);
    ini.WriteString("A", "x", "2");
    try {
      ini.Flush();
    } catch (const std::runtime_error&) {
      return ReadFile(file) == "[A]\nx=1\n" ? 0 : 2;
    }
    return 1;
  });
  EXPECT_EQ(outcome, 0) << "1: the flush did not fail; 2: the old file changed";
}

}  // namespace
}  // namespace lumena

namespace lumena {
namespace {

TEST(IniFile, FlushIntoAMissingFolderThrowsAndLeavesNothing) {
  testing::TempFolder dir;
  IniFile ini(dir / "gone" / "a.ini");
  ini.WriteString("A", "x", "1");
  EXPECT_THROW(ini.Flush(), std::runtime_error);
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

}  // namespace
}  // namespace lumena
