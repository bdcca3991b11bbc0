#include "platform/program_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include "platform/file_types.h"
#include "platform/user_registry.h"
#include "support/temp_folder.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::TempFolder;

TEST(ProgramFolder, CommandLineBeatsEnvironmentBeatsDefault) {
  ::setenv(kProgramFolderVariable, "/from/env", 1);
  EXPECT_EQ(ChooseProgramFolder(fs::path("/from/option"), "/bin"), "/from/option");
  EXPECT_EQ(ChooseProgramFolder(std::nullopt, "/bin"), "/from/env");
  ::unsetenv(kProgramFolderVariable);
  EXPECT_EQ(ChooseProgramFolder(std::nullopt, "/bin"), fs::path("/bin") / kDefaultProgramFolderName);
}

TEST(ProgramFolder, AWritableFolderIsUsedAsItIs) {
  TempFolder program, home;
  EXPECT_EQ(WritableProgramFolder(program.Path(), home.Path()), program.Path());
}

class ReadOnlyProgramFolder : public ::testing::Test {
 protected:
  ReadOnlyProgramFolder() {
    program_.Write("Lumena.ini", "[A]\r\n");
    program_.Write("Intfaces/DEFAULT/1024-768/INTFACE.TXT", "x");
    fs::permissions(program_ / "Lumena.ini", fs::perms::owner_read);
  }
  fs::path Copy() { return UserCopyOfProgramFolder(program_.Path(), home_.Path()); }
  // A source file changed as a new version of the program would change it.
  void Update(const char* relative, const char* text) {
    fs::permissions(program_ / relative, fs::perms::owner_read | fs::perms::owner_write);
    program_.Write(relative, text);
    fs::last_write_time(program_ / relative, fs::last_write_time(program_ / relative) + std::chrono::seconds(5));
  }
  TempFolder program_, home_;
};

TEST_F(ReadOnlyProgramFolder, IsCopiedOnceForTheUser) {
  const fs::path first = Copy();
  EXPECT_EQ(first.parent_path(), home_ / "Lumena" / "program-folders");
  EXPECT_EQ(ReadFile(first / "Intfaces/DEFAULT/1024-768/INTFACE.TXT"), "x");
  EXPECT_TRUE((fs::status(first / "Lumena.ini").permissions() & fs::perms::owner_write) != fs::perms::none);
  std::ofstream(first / "Lumena.ini", std::ios::app) << "k=v\r\n";
  EXPECT_EQ(Copy(), first);
  EXPECT_EQ(ReadFile(first / "Lumena.ini"), "[A]\r\nk=v\r\n") << "an unchanged source keeps the copy";
  EXPECT_FALSE(fs::exists(first.string() + ".partial"));
}

TEST_F(ReadOnlyProgramFolder, EachSourceFolderHasItsOwnCopy) {
  TempFolder other;
  other.Write("Lumena.ini", "[B]\r\n");
  const fs::path otherCopy = UserCopyOfProgramFolder(other.Path(), home_.Path());
  EXPECT_NE(Copy(), otherCopy);
  EXPECT_EQ(ReadFile(Copy() / "Lumena.ini"), "[A]\r\n");
  EXPECT_EQ(ReadFile(otherCopy / "Lumena.ini"), "[B]\r\n");
}

TEST_F(ReadOnlyProgramFolder, AChangedSourceRefreshesTheCopyAndKeepsTheUsersFiles) {
  const fs::path first = Copy();
  std::ofstream(first / "Lumena.ini", std::ios::app) << "k=v\r\n";
  program_.Write("Works/none.txt", "");
  Update("Intfaces/DEFAULT/1024-768/INTFACE.TXT", "new");
  fs::create_directories(first / "Works");
  std::ofstream(first / "Works" / "mine.lmc") << "work";

  const fs::path refreshed = Copy();
  EXPECT_EQ(refreshed, first);
  EXPECT_EQ(ReadFile(refreshed / "Intfaces/DEFAULT/1024-768/INTFACE.TXT"), "new");
  EXPECT_EQ(ReadFile(refreshed / "Lumena.ini"), "[A]\r\nk=v\r\n") << "the user's settings are kept";
  EXPECT_EQ(ReadFile(refreshed / "Works" / "mine.lmc"), "work") << "the user's works are kept";
  EXPECT_TRUE(fs::exists(refreshed / "Works" / "none.txt"));

  Update("Intfaces/DEFAULT/1024-768/INTFACE.TXT", "newer");
  EXPECT_EQ(ReadFile(Copy() / "Lumena.ini"), "[A]\r\nk=v\r\n") << "and stay the user's in later refreshes";
}

TEST_F(ReadOnlyProgramFolder, AHalfMadeCopyIsNeverUsed) {
  const fs::path first = Copy();
  fs::remove(first / ".lumena-source");  // as if the copy stopped before its end
  fs::remove(first / "Intfaces/DEFAULT/1024-768/INTFACE.TXT");
  EXPECT_EQ(ReadFile(Copy() / "Intfaces/DEFAULT/1024-768/INTFACE.TXT"), "x");
}

TEST(ProgramFolder, AMissingFolderIsNotCopied) {
  TempFolder home;
  const fs::path missing = home / "no-such-folder";
  EXPECT_EQ(WritableProgramFolder(missing, home.Path()), missing);
  EXPECT_FALSE(fs::exists(home / "Lumena"));
}

TEST(UserRegistry, KeepsDataRootsUnderTheirKeyPath) {
  TempFolder config;
  const fs::path file = config / "Talvek" / "registry.ini";
  UserRegistry(file).Write(DataRootsKeyPath("Lumena 5.10"), "HDPath", "/data/hd/");
  EXPECT_EQ(UserRegistry(file).Read("SOFTWARE\\Talvek\\Lumena 5.10", "hdpath"), "/data/hd/");
  EXPECT_EQ(ReadFile(file), "[SOFTWARE\\Talvek\\Lumena 5.10]\r\nHDPath=/data/hd/\r\n");
}

TEST(FileTypes, WritesMimeTypesAndADesktopEntryBelowTheDataHome) {
  TempFolder dataHome;
  const FileTypeRegistration types[] = {{".lmc", "TalvekLumena5.10CmpFile", "Lumena compressed work"},
                                        {".lmu", "TalvekLumena5.10UnCmpFile", "Lumena work"}};
  ASSERT_TRUE(RegisterFileTypes(dataHome.Path(), {"lumena.desktop", "Lumena", "/opt/my lumena/lumena"}, types));
  const std::string mime = ReadFile(dataHome / "mime/packages/lumena-works.xml");
  EXPECT_NE(mime.find("type=\"application/x-talveklumena5.10cmpfile\""), std::string::npos);
  EXPECT_NE(mime.find("<glob pattern=\"*.lmu\"/>"), std::string::npos);
  EXPECT_NE(mime.find("<comment>Lumena work</comment>"), std::string::npos);
  const std::string desktop = ReadFile(dataHome / "applications/lumena.desktop");
  EXPECT_NE(desktop.find("Exec=\"/opt/my lumena/lumena\" %f"), std::string::npos);
  EXPECT_NE(desktop.find("MimeType=application/x-talveklumena5.10cmpfile;application/x-talveklumena5.10uncmpfile;"),
            std::string::npos);
}

TEST(FileTypes, TheDesktopEntryOffersTheOtherTypesItOpens) {
  TempFolder dataHome;
  const FileTypeRegistration types[] = {{".lmc", "TalvekLumena5.10CmpFile", "Lumena compressed work"}};
  ASSERT_TRUE(RegisterFileTypes(dataHome.Path(),
                                {"lumena.desktop", "Lumena", "/opt/lumena", {}, {"image/jpeg", "image/png"}}, types));
  EXPECT_NE(ReadFile(dataHome / "applications/lumena.desktop")
                .find("MimeType=application/x-talveklumena5.10cmpfile;image/jpeg;image/png;\n"),
            std::string::npos);
}

TEST(FileTypes, TheDesktopEntryKeepsTheProgramsArguments) {
  TempFolder dataHome;
  const FileTypeRegistration types[] = {{".lmc", "C", "c"}};
  ASSERT_TRUE(RegisterFileTypes(
      dataHome.Path(), {"lumena.desktop", "Lumena", "/opt/lumena", {"--program-folder", "/srv/my 100% folder"}},
      types));
  EXPECT_NE(ReadFile(dataHome / "applications/lumena.desktop")
                .find("Exec=\"/opt/lumena\" \"--program-folder\" \"/srv/my 100%% folder\" %f\n"),
            std::string::npos);
}

TEST(FileTypes, FailsWhenTheDataHomeCannotBeMade) {
  TempFolder dir;
  dir.Write("file", "not a folder");
  const FileTypeRegistration types[] = {{".lmc", "C", "c"}};
  EXPECT_FALSE(RegisterFileTypes(dir / "file", {"lumena.desktop", "Lumena", "/x"}, types));
}

}  // namespace
}  // namespace lumena
