#include "platform/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include "support/temp_folder.h"

namespace lumena {
namespace {

std::vector<std::string> ReadAll(const std::filesystem::path& path) {
  TextFile file = OpenTextFileChecked(path, TextFileMode::Read);
  std::vector<std::string> lines;
  for (std::string line; file.ReadLine(line);) lines.push_back(line);
  return lines;
}

struct LineCase {
  std::string_view content;
  std::vector<std::string> lines;
};

class TextFileLinesTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(TextFileLinesTest, SplitsAtCrLfLfAndCr) {
  testing::TempFolder folder;
  const auto path = folder.Write("t.txt", GetParam().content);
  EXPECT_EQ(ReadAll(path), GetParam().lines);
}

using Lines = std::vector<std::string>;
INSTANTIATE_TEST_SUITE_P(Table, TextFileLinesTest,
                         ::testing::Values(LineCase{"a\r\nb\nc\rd", Lines{"a", "b", "c", "d"}},
                                           LineCase{"a\r\n", Lines{"a"}}, LineCase{"", Lines{}},
                                           LineCase{"\r\n\r\n", Lines{"", ""}}, LineCase{"\r\r\n", Lines{"", ""}},
                                           LineCase{"x\xE9y\r\n", Lines{"x\xE9y"}},
                                           LineCase{std::string_view("a\0b\n", 4), Lines{std::string("a\0b", 3)}}));

TEST(OpenTextFileCheckedTest, MissingFileAndMissingFolderAreReportedAsMissing) {
  testing::TempFolder folder;
  const auto plainFile = folder.Write("plain.txt", "x");
  for (const std::filesystem::path& path :
       {folder.Path() / "none.txt", folder.Path() / "nodir" / "none.txt", plainFile / "below.txt"}) {
    try {
      OpenTextFileChecked(path, TextFileMode::Read);
      ADD_FAILURE() << path;
    } catch (const EFileError& e) {
      EXPECT_EQ(std::string(e.what()), "File " + path.string() + " is missing");
    }
  }
}

TEST(OpenTextFileCheckedTest, AppendingToAMissingFolderIsMissing) {
  testing::TempFolder folder;
  const auto path = folder.Path() / "nodir" / "log.txt";
  EXPECT_THROW(
      {
        try {
          OpenTextFileChecked(path, TextFileMode::Append);
        } catch (const EFileError& e) {
          EXPECT_EQ(std::string(e.what()), "File " + path.string() + " is missing");
          EXPECT_EQ(e.Code(), ENOENT);
          throw;
        }
      },
      EFileError);
}

TEST(OpenTextFileCheckedTest, AFolderCannotBeOpenedAsATextFile) {
  testing::TempFolder folder;
  EXPECT_THROW(OpenTextFileChecked(folder.Path(), TextFileMode::Read), EFileError);
}

TEST(TextFileOpenMessageTest, MapsErrorCodes) {
  EXPECT_EQ(TextFileOpenMessage("C:/a.txt", ENOENT), "File C:/a.txt is missing");
  EXPECT_EQ(TextFileOpenMessage("C:/a.txt", ENOTDIR), "File C:/a.txt is missing");
  EXPECT_EQ(TextFileOpenMessage("C:/a.txt", EACCES), "Denied access to file C:/a.txt");
  EXPECT_EQ(TextFileOpenMessage("C:/a.txt", EPERM), "Denied access to file C:/a.txt");
  EXPECT_EQ(TextFileOpenMessage("C:/a.txt", EMFILE), std::string(std::strerror(EMFILE)));
}

TEST(TextFileTest, AppendWritesCrLfLinesAfterTheOldText) {
  testing::TempFolder folder;
  const auto path = folder.Write("base.txt", "first\r\n");
  {
    TextFile file = OpenTextFileChecked(path, TextFileMode::Append);
    file.WriteLine("second");
    file.WriteLine("third");
  }
  std::ifstream in(path, std::ios::binary);
  std::stringstream all;
  all << in.rdbuf();
  EXPECT_EQ(all.str(), "first\r\nsecond\r\nthird\r\n");
  EXPECT_EQ(ReadAll(path), (Lines{"first", "second", "third"}));
}

// Texts are data files: a pipe or a device behind the name is refused at
// once rather than read for ever.
TEST(OpenTextFileCheckedTest, OnlyRegularFilesAreReadAsText) {
  testing::TempFolder folder;
  ASSERT_EQ(::mkfifo((folder.Path() / "pipe.txt").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", folder.Path() / "zero.txt");
  std::filesystem::create_directories(folder.Path() / "folder.txt");
  const std::pair<const char*, int> cases[] = {{"pipe.txt", ENODEV}, {"zero.txt", ENODEV}, {"folder.txt", EISDIR}};
  for (const auto& [name, code] : cases) {
    try {
      OpenTextFileChecked(folder.Path() / name, TextFileMode::Read);
      ADD_FAILURE() << name;
    } catch (const EFileError& e) {
      EXPECT_EQ(e.Code(), code) << name;
    }
  }
}

}  // namespace
}  // namespace lumena
