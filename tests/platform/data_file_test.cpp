#include "platform/data_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <string>

#include "platform/file_error.h"
#include "support/temp_folder.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

// The errno value a read fails with, 0 when it succeeds.
int ReadError(const fs::path& path, uint64_t limit) {
  try {
    ReadDataFile(path, limit);
    OpenDataFile(path, limit);
    return 0;
  } catch (const EFileError& e) {
    EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos) << e.what();
    EXPECT_EQ(e.Path(), path);
    return e.Code();
  }
}

TEST(DataFile, ReadsRegularFilesWhole) {
  TempFolder dir;
  const std::string text("a\0b\r\nc", 6);
  const auto file = dir.Write("a.bin", text);
  const auto bytes = ReadDataFile(file);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), text);
  EXPECT_EQ(ReadDataFile(dir.Write("empty", "")).size(), 0u);
  const UniqueFile opened = OpenDataFile(file);
  EXPECT_EQ(std::fgetc(opened.get()), 'a');
}

// Nothing but a regular file within the cap is read; a pipe without a writer
// is refused at once instead of blocking.
TEST(DataFile, RefusesWhatIsNotARegularFileWithinTheCap) {
  TempFolder dir;
  dir.Write("ten.bin", "0123456789");
  fs::create_directories(dir / "folder");
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", dir / "zero.psd");
  fs::create_symlink(dir / "pipe", dir / "pipe.txt");
  struct Case {
    const char* name;
    uint64_t limit;
    int error;
  };
  const Case cases[] = {
      {"ten.bin", 10, 0},    {"ten.bin", 9, EFBIG},     {"missing", 100, ENOENT},  {"folder", 100, EISDIR},
      {"pipe", 100, ENODEV}, {"pipe.txt", 100, ENODEV}, {"zero.psd", 100, ENODEV},
  };
  const auto start = std::chrono::steady_clock::now();
  for (const Case& c : cases) EXPECT_EQ(ReadError(dir / c.name, c.limit), c.error) << c.name << " " << c.limit;
  EXPECT_EQ(ReadError("/dev/zero", kDataFileSizeLimit), ENODEV);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

// A sparse file just over 256 MiB takes no disk space and must not be read.
TEST(DataFile, FilesBeyondTheDefaultCapAreRefused) {
  TempFolder dir;
  const auto file = dir.Write("huge.psd", "8BPS");
  fs::resize_file(file, (uint64_t{256} << 20) + 1);
  EXPECT_EQ(ReadError(file, kDataFileSizeLimit), EFBIG);
  fs::resize_file(file, 16);
  EXPECT_EQ(ReadError(file, kDataFileSizeLimit), 0);
}

}  // namespace
}  // namespace lumena
