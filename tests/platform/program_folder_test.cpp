#include <gtest/gtest.h>

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
  EXPECT_EQ(chooseProgramFolder(fs::path("/from/option"), "/bin"), "/from/option");
  EXPECT_EQ(chooseProgramFolder(std::nullopt, "/bin"), "/from/env");
  ::unsetenv(kProgramFolderVariable);
  EXPECT_EQ(chooseProgramFolder(std::nullopt, "/bin"), fs::path("/bin") / kDefaultProgramFolderName);
}

TEST(ProgramFolder, AWritableFolderIsUsedAsItIs) {
  TempFolder program, home;
  EXPECT_EQ(writableProgramFolder(program.path(), home.path()), program.path());
}

TEST(ProgramFolder, AReadOnlyFolderIsCopiedOnceForTheUser) {
  TempFolder program, home;
  program.write("Lumena.ini", "[A]\r\n");
  program.write("Intfaces/DEFAULT/1024-768/INTFACE.TXT", "x");
  fs::permissions(program / "Lumena.ini", fs::perms::owner_read);
  fs::permissions(program / "Intfaces", fs::perms::owner_read | fs::perms::owner_exec);
  const fs::path copy = userCopyOfProgramFolder(program.path(), home.path());
  EXPECT_EQ(copy, home / "Lumena" / "program-folder");
  EXPECT_EQ(readFile(copy / "Intfaces/DEFAULT/1024-768/INTFACE.TXT"), "x");
  EXPECT_TRUE((fs::status(copy / "Lumena.ini").permissions() & fs::perms::owner_write) != fs::perms::none);
  std::ofstream(copy / "Lumena.ini", std::ios::app) << "k=v\r\n";
  EXPECT_EQ(userCopyOfProgramFolder(program.path(), home.path()), copy);
  EXPECT_EQ(readFile(copy / "Lumena.ini"), "[A]\r\nk=v\r\n") << "the copy is made once and then kept";
  EXPECT_FALSE(fs::exists(home / "Lumena" / "program-folder.partial"));
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

TEST(FileTypes, FailsWhenTheDataHomeCannotBeMade) {
  TempFolder dir;
  dir.write("file", "not a folder");
  const FileTypeRegistration types[] = {{".lmc", "C", "c"}};
  EXPECT_FALSE(registerFileTypes(dir / "file", {"lumena.desktop", "Lumena", "/x"}, types));
}

}  // namespace
}  // namespace lumena
