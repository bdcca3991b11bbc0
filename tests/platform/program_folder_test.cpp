#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include "platform/file_types.h"
#include "platform/program_folder.h"
#include "platform/user_registry.h"
#include "support/temp_folder.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
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
  EXPECT_EQ(WritableProgramFolder(program.path(), home.path()), program.path());
}

class ReadOnlyProgramFolder : public ::testing::Test {
 protected:
  ReadOnlyProgramFolder() {
    program.write("Lumena.ini", "[A]\r\n");
    program.write("Intfaces/DEFAULT/1024-768/INTFACE.TXT", "x");
    fs::permissions(program / "Lumena.ini", fs::perms::owner_read);
  }
  fs::path copy() { return UserCopyOfProgramFolder(program.path(), home.path()); }
  // A source file changed as a new version of the program would change it.
  void update(const char* relative, const char* text) {
    fs::permissions(program / relative, fs::perms::owner_read | fs::perms::owner_write);
    program.write(relative, text);
    fs::last_write_time(program / relative, fs::last_write_time(program / relative) + std::chrono::seconds(5));
  }
  TempFolder program, home;
};

TEST_F(ReadOnlyProgramFolder, IsCopiedOnceForTheUser) {
  const fs::path first = copy();
  EXPECT_EQ(first.parent_path(), home / "Lumena" / "program-folders");
  EXPECT_EQ(readFile(first / "Intfaces/DEFAULT/1024-768/INTFACE.TXT"), "x");
  EXPECT_TRUE((fs::status(first / "Lumena.ini").permissions() & fs::perms::owner_write) != fs::perms::none);
  std::ofstream(first / "Lumena.ini", std::ios::app) << "k=v\r\n";
  EXPECT_EQ(copy(), first);
  EXPECT_EQ(readFile(first / "Lumena.ini"), "[A]\r\nk=v\r\n") << "an unchanged source keeps the copy";
  EXPECT_FALSE(fs::exists(first.string() + ".partial"));
}

TEST_F(ReadOnlyProgramFolder, EachSourceFolderHasItsOwnCopy) {
  TempFolder other;
  other.write("Lumena.ini", "[B]\r\n");
  const fs::path otherCopy = UserCopyOfProgramFolder(other.path(), home.path());
  EXPECT_NE(copy(), otherCopy);
  EXPECT_EQ(readFile(copy() / "Lumena.ini"), "[A]\r\n");
  EXPECT_EQ(readFile(otherCopy / "Lumena.ini"), "[B]\r\n");
}

TEST_F(ReadOnlyProgramFolder, AChangedSourceRefreshesTheCopyAndKeepsTheUsersFiles) {
  const fs::path first = copy();
  std::ofstream(first / "Lumena.ini", std::ios::app) << "k=v\r\n";
  program.write("Works/none.txt", "");
  update("Intfaces/DEFAULT/1024-768/INTFACE.TXT", "new");
  fs::create_directories(first / "Works");
  std::ofstream(first / "Works" / "mine.lmc") << "work";

  const fs::path refreshed = copy();
  EXPECT_EQ(refreshed, first);
  EXPECT_EQ(readFile(refreshed / "Intfaces/DEFAULT/1024-768/INTFACE.TXT"), "new");
  EXPECT_EQ(readFile(refreshed / "Lumena.ini"), "[A]\r\nk=v\r\n") << "the user's settings are kept";
  EXPECT_EQ(readFile(refreshed / "Works" / "mine.lmc"), "work") << "the user's works are kept";
  EXPECT_TRUE(fs::exists(refreshed / "Works" / "none.txt"));

  update("Intfaces/DEFAULT/1024-768/INTFACE.TXT", "newer");
  EXPECT_EQ(readFile(copy() / "Lumena.ini"), "[A]\r\nk=v\r\n") << "and stay the user's in later refreshes";
}

TEST_F(ReadOnlyProgramFolder, AHalfMadeCopyIsNeverUsed) {
  const fs::path first = copy();
  fs::remove(first / ".lumena-source");  // as if the copy stopped before its end
  fs::remove(first / "Intfaces/DEFAULT/1024-768/INTFACE.TXT");
  EXPECT_EQ(readFile(copy() / "Intfaces/DEFAULT/1024-768/INTFACE.TXT"), "x");
}

TEST(ProgramFolder, AMissingFolderIsNotCopied) {
  TempFolder home;
  const fs::path missing = home / "no-such-folder";
  EXPECT_EQ(WritableProgramFolder(missing, home.path()), missing);
  EXPECT_FALSE(fs::exists(home / "Lumena"));
}

TEST(UserRegistry, KeepsDataRootsUnderTheirKeyPath) {
  TempFolder config;
  const fs::path file = config / "Talvek" / "registry.ini";
  UserRegistry(file).write(dataRootsKeyPath("Lumena 5.10"), "HDPath", "/data/hd/");
  EXPECT_EQ(UserRegistry(file).read("SOFTWARE\\Talvek\\Lumena 5.10", "hdpath"), "/data/hd/");
  EXPECT_EQ(readFile(file), "[SOFTWARE\\Talvek\\Lumena 5.10]\r\nHDPath=/data/hd/\r\n");
}

TEST(FileTypes, WritesMimeTypesAndADesktopEntryBelowTheDataHome) {
  TempFolder dataHome;
  const FileTypeRegistration types[] = {{".lmc", "TalvekLumena5.10CmpFile", "Lumena compressed work"},
                                        {".lmu", "TalvekLumena5.10UnCmpFile", "Lumena work"}};
  ASSERT_TRUE(registerFileTypes(dataHome.path(), {"lumena.desktop", "Lumena", "/opt/my lumena/lumena"}, types));
  const std::string mime = readFile(dataHome / "mime/packages/lumena-works.xml");
  EXPECT_NE(mime.find("type=\"application/x-talveklumena5.10cmpfile\""), std::string::npos);
  EXPECT_NE(mime.find("<glob pattern=\"*.lmu\"/>"), std::string::npos);
  EXPECT_NE(mime.find("<comment>Lumena work</comment>"), std::string::npos);
  const std::string desktop = readFile(dataHome / "applications/lumena.desktop");
  EXPECT_NE(desktop.find("Exec=\"/opt/my lumena/lumena\" %f"), std::string::npos);
  EXPECT_NE(desktop.find("MimeType=application/x-talveklumena5.10cmpfile;application/x-talveklumena5.10uncmpfile;"),
            std::string::npos);
}

TEST(FileTypes, TheDesktopEntryKeepsTheProgramsArguments) {
  TempFolder dataHome;
  const FileTypeRegistration types[] = {{".lmc", "C", "c"}};
  ASSERT_TRUE(registerFileTypes(dataHome.path(),
                                {"lumena.desktop", "Lumena", "/opt/lumena", {"--program-folder", "/srv/my 100% folder"}},
                                types));
  EXPECT_NE(readFile(dataHome / "applications/lumena.desktop")
                .find("Exec=\"/opt/lumena\" \"--program-folder\" \"/srv/my 100%% folder\" %f\n"),
            std::string::npos);
}

TEST(FileTypes, FailsWhenTheDataHomeCannotBeMade) {
  TempFolder dir;
  dir.write("file", "not a folder");
  const FileTypeRegistration types[] = {{".lmc", "C", "c"}};
  EXPECT_FALSE(registerFileTypes(dir / "file", {"lumena.desktop", "Lumena", "/x"}, types));
}

}  // namespace
}  // namespace lumena
