#include "interface/interface_loader.h"

#include <gtest/gtest.h>

#include "interface/interface_errors.h"
#include "platform/ini_file.h"
#include "support/temp_folder.h"

namespace lumena {
namespace {

constexpr std::string_view kSettings = "[INTERFACES]\r\nInterface1=blue;Blue;1;\r\n";

class LoadInterfaceInfoTest : public ::testing::Test {
 protected:
  void SetUp() override { context_.AppFolder = folder_.Path(); }

  bool Load(int width, int height, std::string_view settings = kSettings) {
    const IniFile ini(folder_.Write("Lumena.ini", settings));
    return LoadInterfaceInfo(context_, ini, width, height, [this](const std::string& m) { warnings_.push_back(m); });
  }

  testing::TempFolder folder_;
  InterfaceContext context_;
  std::vector<std::string> warnings_;
};

TEST_F(LoadInterfaceInfoTest, LargeScreenUsesThe1024Folder) {
  folder_.Write("Intfaces/Blue/800-600/INTFACE.TXT", "Which = small\r\n");
  folder_.Write("Intfaces/Blue/1024-768/INTFACE.TXT", "Which = large\r\n");
  folder_.Write("Intfaces/Blue/1280-1024/INTFACE.TXT", "Which = huge\r\n");
  EXPECT_TRUE(Load(1280, 1024));
  EXPECT_EQ(context_.ResolutionLevel, 2);
  EXPECT_EQ(context_.InterfaceName, "BLUE\\");
  EXPECT_EQ(context_.InterfaceDir, "Intfaces\\");
  EXPECT_EQ(context_.GetInterfaceParam("Which"), "large");
  EXPECT_TRUE(warnings_.empty());
}

TEST_F(LoadInterfaceInfoTest, FallsBackToThe800Folder) {
  folder_.Write("Intfaces/Blue/800-600/INTFACE.TXT", "Which = small\r\n");
  folder_.Write("Intfaces/Blue/1280-1024/INTFACE.TXT", "Which = huge\r\n");
  EXPECT_TRUE(Load(1280, 1024));
  EXPECT_EQ(context_.GetInterfaceParam("Which"), "small");
}

TEST_F(LoadInterfaceInfoTest, SmallScreenNeverLooksHigher) {
  folder_.Write("Intfaces/Blue/1024-768/INTFACE.TXT", "Which = large\r\n");
  EXPECT_TRUE(Load(800, 600));
  EXPECT_EQ(context_.ResolutionLevel, 1);
  EXPECT_EQ(context_.GetInterfaceParam("Which"), "");
}

TEST_F(LoadInterfaceInfoTest, NoDescriptionAtAllIsLoadedAndEmpty) {
  folder_.Write("Intfaces/DEFAULT/1024-768/INTFACE.TXT", "Which = default\r\n");
  EXPECT_TRUE(Load(1024, 768));
  ASSERT_TRUE(context_.Info);
  EXPECT_TRUE(context_.Info->Params.empty());
  EXPECT_TRUE(warnings_.empty());
}

TEST_F(LoadInterfaceInfoTest, FoldersAreMatchedWithoutRegardToCase) {
  folder_.Write("skins/Blue/1024-768/intface.txt", "Which = found\r\n");
  EXPECT_TRUE(Load(1024, 768, "[DIRECTORIES]\r\nInterfaceDirName=SKINS\r\n[INTERFACES]\r\nInterface1=bLuE;B;1;\r\n"));
  EXPECT_EQ(context_.InterfaceDir, "SKINS\\");
  EXPECT_EQ(context_.GetInterfaceParam("Which"), "found");
  ASSERT_EQ(context_.Interfaces.size(), 1u);
  EXPECT_EQ(context_.Interfaces[0].Folder, "BLUE");
}

TEST_F(LoadInterfaceInfoTest, NoSelectedInterfaceUsesDefault) {
  folder_.Write("Intfaces/DEFAULT/800-600/INTFACE.TXT", "Which = default\r\n");
  EXPECT_TRUE(Load(1024, 768, "[INTERFACES]\r\nInterface1=blue;Blue;0;\r\n"));
  EXPECT_EQ(context_.InterfaceName, "DEFAULT\\");
  EXPECT_EQ(context_.GetInterfaceParam("Which"), "default");
}

TEST_F(LoadInterfaceInfoTest, ErrorOnLine12GivesOneWarningAndNothingLoaded) {
  std::string text = "DesktopTableWidth = 800\r\n";
  for (int line = 2; line <= 11; ++line) text += line % 2 ? "# comment\r\n" : "\r\n";
  text += "Left 5\r\nLater = 1\r\n";
  folder_.Write("Intfaces/Blue/1024-768/INTFACE.TXT", text);
  EXPECT_FALSE(Load(1024, 768));
  ASSERT_EQ(warnings_.size(), 1u);
  EXPECT_EQ(warnings_[0],
            "Error in contents of file INTFACE.TXT (line #12)\rAfter parameter <Left> equality sign is missing");
  EXPECT_EQ(context_.GetInterfaceParam("DesktopTableWidth"), "");
  EXPECT_EQ(context_.GetInterfaceInt("DesktopTableWidth"), 2147483647);
}

TEST_F(LoadInterfaceInfoTest, ReloadingEmptiesTheOldDescription) {
  const auto path = folder_.Write("Intfaces/Blue/1024-768/INTFACE.TXT", "First = 1\r\n");
  EXPECT_TRUE(Load(1024, 768));
  folder_.Write("Intfaces/Blue/1024-768/INTFACE.TXT", "Second = 2\r\n");
  EXPECT_TRUE(Load(1024, 768));
  EXPECT_EQ(context_.GetInterfaceParam("First"), "");
  EXPECT_EQ(context_.GetInterfaceParam("Second"), "2");
  EXPECT_EQ(context_.Info->Params.size(), 1u);
}

TEST_F(LoadInterfaceInfoTest, UnreadableDescriptionFolderTriesTheNextLevel) {
  // A folder where the file should be cannot be opened as a text file.
  std::filesystem::create_directories(folder_.Path() / "Intfaces/Blue/1024-768/INTFACE.TXT");
  folder_.Write("Intfaces/Blue/800-600/INTFACE.TXT", "Which = small\r\n");
  EXPECT_TRUE(Load(1024, 768));
  EXPECT_EQ(context_.GetInterfaceParam("Which"), "small");
}

TEST(ReadInterfaceInfoTest, WithoutTheObjectRaisesNotInitialized) {
  InterfaceContext context;
  const IniFile settings;
  try {
    ReadInterfaceInfo(context, settings, 1024, 768);
    ADD_FAILURE();
  } catch (const EInfoObjectNotInitialized& e) {
    EXPECT_STREQ(e.what(), "Object of class TOrvInterfaceInfo is not initialized");
  }
}

}  // namespace
}  // namespace lumena
