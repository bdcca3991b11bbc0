#include "shell/startup_settings.h"

#include <gtest/gtest.h>

#include "shell/work_file_types.h"
#include "support/temp_folder.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

IniFile SettingsWith(const TempFolder& dir, std::string_view text) { return IniFile(dir.Write("Lumena.ini", text)); }

TEST(NamedFolders, ValuesAreCutAtSemicolonTrimmedAndEndInBackslash) {
  TempFolder dir;
  const NamedFolders f = ReadNamedFolders(SettingsWith(dir, "[DIRECTORIES]\nLoadImageDirName= Photos\\In ; comment\n"));
  EXPECT_EQ(f.loadImage, "Photos\\In\\");
  EXPECT_EQ(f.saveImage, "ImageOut\\");
  EXPECT_EQ(f.catalog, "Catalog\\");
}

TEST(StartupSettings, DefaultsWhenTheFileSaysNothing) {
  TempFolder dir;
  const StartupSettings s = ReadStartupSettings(SettingsWith(dir, ""));
  EXPECT_EQ(s.calibration.red, 252);
  EXPECT_EQ(s.calibration.green, 217);
  EXPECT_EQ(s.calibration.blue, 188);
  EXPECT_EQ(s.mailPort, 25);
  EXPECT_EQ(s.printLeftRightMargin, 5);
  EXPECT_EQ(s.printTopBottomMargin, 10);
  EXPECT_FALSE(s.showTips || s.playMusic || s.playSound);
}

TEST(FileTypes, RegisteredFlagIsUpperCasedAndClassNamesDropBlanks) {
  TempFolder dir;
  EXPECT_FALSE(FileTypesNeedRegistering(SettingsWith(dir, "[TYPES REGISTRATION]\nLMTypeRegistered=yes\n")));
  EXPECT_TRUE(FileTypesNeedRegistering(SettingsWith(dir, "[TYPES REGISTRATION]\nLMTypeRegistered=no\n")));
  const auto types = WorkFileTypes(SettingsWith(dir, "[TYPES REGISTRATION]\nLMUnCmpTypeName=My work\n"));
  EXPECT_EQ(types[0].className, "TalvekLumena5.10CmpFile");
  EXPECT_EQ(types[0].displayName, "Lumena file");
  EXPECT_EQ(types[1].className, "TalvekLumena5.10UnCmpFile");
  EXPECT_EQ(types[1].displayName, "My work");
  EXPECT_EQ(types[1].extension, ".lmu");
}

TEST(DataRoots, RegistryValuesOrTheProgramFolder) {
  TempFolder dir, config;
  UserRegistry registry(config / "registry.ini");
  registry.Write("SOFTWARE\\Talvek\\Other", "HDPath", "/data/hd");
  const DataRoots roots = ReadDataRoots(SettingsWith(dir, "[REGISTRY]\nRegName=Other\n"), registry, "/prog");
  EXPECT_EQ(roots.Roots(), (std::vector<fs::path>{"/data/hd", "/prog", "/prog"}));
}

TEST(PublisherLinks, EmptyValueOpensNothingAndMissingKeyOpensTheWebSite) {
  TempFolder dir;
  const IniFile s = SettingsWith(dir, "[Publisher Links]\nAfterExitURL=\n");
  EXPECT_EQ(PublisherLink(s, "AfterExitURL"), "");
  EXPECT_NE(PublisherLink(s, "SubscribeURL"), "");
}

TEST(PublisherLinks, WithoutTheSectionNothingIsOpened) {
  TempFolder dir;
  EXPECT_EQ(PublisherLink(SettingsWith(dir, "[MAIL]\nServer=x\n"), "AfterExitURL"), "");
}

struct DisplayCase {
  int width, height, depth;
  std::optional<std::string> message;
};

class DisplayCheckTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayCheckTest, FirstFailingCheckInTableOrder) {
  const DisplayCase& c = GetParam();
  EXPECT_EQ(DisplayCheckMessage(c.width, c.height, c.depth), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DisplayCheckTest,
    ::testing::Values(DisplayCase{640, 480, 8, "Screen resolution must be 800-600 or higher.\rProgram terminated."},
                      DisplayCase{800, 599, 32, "Screen resolution must be 800-600 or higher.\rProgram terminated."},
                      DisplayCase{800, 600, 8, "Screen resolution must be 1024-768 or higher.\rProgram terminated."},
                      DisplayCase{1280, 767, 32, "Screen resolution must be 1024-768 or higher.\rProgram terminated."},
                      DisplayCase{1024, 768, 15,
                                  "Color depth must be 16 bits (high color) or higher.\rProgram terminated."},
                      DisplayCase{1024, 768, 16, std::nullopt}, DisplayCase{1920, 1080, 24, std::nullopt}));

class IntroListTest : public ::testing::Test {
 protected:
  std::vector<IntroEntry> IntroOf(std::string_view section) {
    return ReadIntroList(SettingsWith(dir_, section), dir_.Path());
  }
  TempFolder dir_;
};

TEST_F(IntroListTest, WithoutASectionLogoAviPlaysOnlyWhenItExists) {
  EXPECT_TRUE(IntroOf("").empty());
  dir_.Write("logo.AVI", "v");
  const auto entries = IntroOf("");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].kind, IntroEntry::Kind::Video);
  EXPECT_EQ(entries[0].width, 320);
  EXPECT_EQ(entries[0].height, 240);
}

TEST_F(IntroListTest, FieldsDecideSizeAndTime) {
  for (const char* name : {"a.avi", "b.mpg", "a.jpg", "b.bmp", "c.png"}) dir_.Write(name, "x");
  const auto entries = IntroOf(
      "[Intro Video]\n1=a.avi;abc;200\n2=b.mpg; 640 ;480\n3=a.jpg\n4=a.jpg;0\n5=b.bmp; "
      "2500\n6=c.png;100\n7=missing.jpg;5\n");
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].width, 320) << "a size that does not convert gives 320 x 240";
  EXPECT_EQ(entries[0].height, 240);
  EXPECT_EQ(entries[1].width, 640);
  EXPECT_EQ(entries[1].height, 480);
  EXPECT_EQ(entries[2].file.filename(), "a.jpg") << "a.jpg without a time is left out";
  EXPECT_EQ(entries[2].milliseconds, 1000) << "a time of 0 means 1000";
  EXPECT_EQ(entries[3].milliseconds, 2500);
}

}  // namespace
}  // namespace lumena
