// Exporting the composed work: room first, and nothing half-written.
#include "workfile/picture_export.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_folder.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;

Picture Gradient(int w, int h) {
  Picture p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.At(x, y) = {static_cast<uint8_t>(x), static_cast<uint8_t>(y), 90, 255};
  return p;
}

TEST(PictureExport, NeedsMoreThanFourBytesAPixel) {
  const Picture p = Gradient(10, 5);
  EXPECT_FALSE(RoomForPicture(p, 200));
  EXPECT_TRUE(RoomForPicture(p, 201));
  EXPECT_FALSE(RoomForPicture(p, 0));
}

TEST(PictureExport, WritesTheFormatTheNameSays) {
  testing::TempFolder folder;
  ASSERT_TRUE(ExportWorkPicture(Gradient(40, 30), folder / "look.png"));
  ASSERT_TRUE(ExportWorkPicture(Gradient(40, 30), folder / "look.jpeg"));
  EXPECT_GT(fs::file_size(folder / "look.png"), 0u);
  EXPECT_FALSE(ExportWorkPicture(Gradient(40, 30), folder / "missing" / "look.png"));
  EXPECT_FALSE(ExportWorkPicture(Picture(), folder / "empty.png"));
  EXPECT_FALSE(fs::exists(folder / "empty.png"));
}

// A disk that fills up while the picture is written: the process may write
// no more than a few kilobytes. The export fails and leaves no file, not
// even a temporary one.
TEST(PictureExport, AFullDiskLeavesNothingBehind) {
  testing::TempFolder folder;
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit small{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &small);
    _exit(ExportWorkPicture(Gradient(300, 300), folder / "look.bmp") ? 1 : 0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the export said it succeeded";
  EXPECT_TRUE(fs::is_empty(folder.Path())) << "something was left in the folder";
}

}  // namespace
}  // namespace lumena
