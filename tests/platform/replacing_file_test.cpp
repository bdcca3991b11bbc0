// Files replaced through a temporary file: permissions, umask and the
// temporaries a killed save leaves behind.
#include "platform/replacing_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "platform/atomic_file.h"
#include "support/temp_folder.h"

namespace lumena {
namespace {

using testing::TempFolder;

mode_t ModeOf(const std::filesystem::path& file) {
  struct stat st {};
  EXPECT_EQ(::stat(file.c_str(), &st), 0) << file;
  return st.st_mode & 07777;
}

std::string ContentOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

size_t FilesIn(const TempFolder& folder) {
  return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder.Path()), {}));
}

// Sets the umask for one test and restores it.
class ScopedUmask {
 public:
  explicit ScopedUmask(mode_t mask) : old_(::umask(mask)) {}
  ~ScopedUmask() { ::umask(old_); }

 private:
  mode_t old_;
};

struct PermissionCase {
  mode_t existing;  // 0: no file yet
  mode_t umask;
  mode_t expected;
};

class ReplacedFilePermissions : public ::testing::TestWithParam<PermissionCase> {};

TEST_P(ReplacedFilePermissions, KeepTheOldFilesBitsOrHonourTheUmask) {
  const PermissionCase& c = GetParam();
  TempFolder folder;
  const auto file = folder / "settings.ini";
  if (c.existing != 0) {
    folder.Write("settings.ini", "old");
    ASSERT_EQ(::chmod(file.c_str(), c.existing), 0);
  }
  const ScopedUmask mask(c.umask);
  WriteFileAtomically(file, "new");
  EXPECT_EQ(ContentOf(file), "new");
  EXPECT_EQ(ModeOf(file), c.expected);
  EXPECT_EQ(FilesIn(folder), 1u) << "no temporary file is left";
}

INSTANTIATE_TEST_SUITE_P(Table, ReplacedFilePermissions,
                         ::testing::Values(PermissionCase{0640, 022, 0640}, PermissionCase{0600, 0, 0600},
                                           PermissionCase{0664, 077, 0664}, PermissionCase{0, 022, 0644},
                                           PermissionCase{0, 027, 0640}, PermissionCase{0, 077, 0600}));

TEST(ReplacingFile, TemporaryIsNamedAfterTheTargetAndGoneWhenAbandoned) {
  TempFolder folder;
  std::filesystem::path temporary;
  {
    ReplacingFile file(folder / "w.lmu");
    temporary = file.TemporaryPath();
    EXPECT_EQ(temporary.parent_path(), folder.Path());
    EXPECT_TRUE(temporary.filename().string().starts_with(".w.lmu.tmp-"));
    EXPECT_EQ(temporary.filename().string().size(), std::string(".w.lmu.tmp-").size() + 6);
    EXPECT_TRUE(std::filesystem::exists(temporary));
  }
  EXPECT_FALSE(std::filesystem::exists(temporary));
  EXPECT_FALSE(std::filesystem::exists(folder / "w.lmu"));
}

// Only abandoned temporaries of the same target go: not those of another
// file, not one a save still holds, not look-alike names.
TEST(ReplacingFile, NextSaveRemovesOnlyTheTargetsAbandonedTemporaries) {
  TempFolder folder;
  const auto stale = folder.Write(".w.lmu.tmp-a1B2c3", "left by a killed save");
  const auto otherTarget = folder.Write(".x.lmu.tmp-a1B2c3", "another work's");
  const auto lookAlike = folder.Write(".w.lmu.tmp-toolong", "not ours");
  const auto held = folder.Write(".w.lmu.tmp-HELD00", "a save in progress");
  const int heldFd = ::open(held.c_str(), O_RDONLY);
  ASSERT_GE(heldFd, 0);
  ASSERT_EQ(::flock(heldFd, LOCK_EX), 0);
  WriteFileAtomically(folder / "w.lmu", "work");
  ::close(heldFd);
  EXPECT_FALSE(std::filesystem::exists(stale));
  EXPECT_TRUE(std::filesystem::exists(otherTarget));
  EXPECT_TRUE(std::filesystem::exists(lookAlike));
  EXPECT_TRUE(std::filesystem::exists(held));
  EXPECT_EQ(ContentOf(folder / "w.lmu"), "work");
}

TEST(ReplacingFile, AFolderThatCannotBeWrittenIsAnError) {
  TempFolder folder;
  EXPECT_THROW(WriteFileAtomically(folder / "missing" / "w.ini", "x"), std::runtime_error);
}

}  // namespace
}  // namespace lumena
