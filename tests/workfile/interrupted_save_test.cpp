// A save that fails or is killed half-way leaves the previous file intact.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "support/temp_folder.h"
#include "work_fixture.h"
#include "workfile/compressed_work.h"
#include "workfile/work_file_error.h"
#include "workfile/work_file_reader.h"
#include "workfile/work_file_writer.h"

namespace lumena {
namespace {

using testing::TempFolder;
using testing::WorkFixture;

using Writer = void (*)(const std::filesystem::path&, const WorkSnapshot&, const SaveProgress&);

void WriteUncompressed(const std::filesystem::path& p, const WorkSnapshot& w, const SaveProgress& s) {
  WriteWorkFile(p, w, s);
}
void WriteCompressed(const std::filesystem::path& p, const WorkSnapshot& w, const SaveProgress& s) {
  WriteCompressedWork(p, w, s);
}

struct WriterCase {
  const char* file;
  Writer write;
};

class InterruptedSave : public ::testing::TestWithParam<WriterCase> {
 protected:
  void SetUp() override {
    previous_.Add(0, 0, 5, 5, {1, 2, 3, 255});
    GetParam().write(Path(), previous_.Snapshot(), {});
    before_ = testing::ReadFile(Path());
    next_.Fill();
  }
  std::filesystem::path Path() const { return folder_ / GetParam().file; }
  size_t FilesInFolder() const {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder_.Path()), {}));
  }

  TempFolder folder_;
  WorkFixture previous_;
  WorkFixture next_;
  std::string before_;
};

TEST_P(InterruptedSave, AnErrorHalfWayKeepsTheOldFileAndLeavesNoTemporaryFile) {
  const SaveProgress failAfterTwo = [](int written) {
    if (written == 2) throw EWorkFileError("disk full");
  };
  EXPECT_THROW(GetParam().write(Path(), next_.Snapshot(), failAfterTwo), EWorkFileError);
  EXPECT_EQ(testing::ReadFile(Path()), before_);
  EXPECT_EQ(FilesInFolder(), 1u);
  WorkFixture loaded;
  ReadWorkFile(Path(), loaded.desk, loaded.anchors);
  EXPECT_EQ(loaded.desk.Count(), 1);
}

TEST_P(InterruptedSave, AKilledProcessKeepsTheOldFile) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const SaveProgress dieAfterTwo = [](int written) {
    if (written == 2) std::raise(SIGKILL);
  };
  EXPECT_EXIT(GetParam().write(Path(), next_.Snapshot(), dieAfterTwo), ::testing::KilledBySignal(SIGKILL), "");
  EXPECT_EQ(testing::ReadFile(Path()), before_);
}

// The killed save runs in a forked child so that its temporary file lands
// in this test's folder.
TEST_P(InterruptedSave, TheTemporaryOfAKilledSaveIsRemovedByTheNextSave) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    GetParam().write(Path(), next_.Snapshot(), [](int written) {
      if (written == 2) std::raise(SIGKILL);
    });
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
  ASSERT_EQ(FilesInFolder(), 2u) << "the killed save left its temporary file";
  GetParam().write(Path(), next_.Snapshot(), {});
  EXPECT_EQ(FilesInFolder(), 1u);
  WorkFixture loaded;
  ReadWorkFile(Path(), loaded.desk, loaded.anchors);
  EXPECT_EQ(loaded.desk.Count(), 4);
}

TEST_P(InterruptedSave, ASaveKeepsThePermissionsOfTheWorkItReplaces) {
  ASSERT_EQ(::chmod(Path().c_str(), 0640), 0);
  GetParam().write(Path(), next_.Snapshot(), {});
  struct stat st {};
  ASSERT_EQ(::stat(Path().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_P(InterruptedSave, AFolderThatCannotBeWrittenIsAnErrorNotASuccess) {
  EXPECT_THROW(GetParam().write(folder_ / "no-such-folder" / GetParam().file, next_.Snapshot(), {}), EFileError);
}

TEST_P(InterruptedSave, ACompleteSaveReplacesTheOldFile) {
  GetParam().write(Path(), next_.Snapshot(), {});
  EXPECT_NE(testing::ReadFile(Path()), before_);
  EXPECT_EQ(FilesInFolder(), 1u);
  WorkFixture loaded;
  ReadWorkFile(Path(), loaded.desk, loaded.anchors);
  EXPECT_EQ(loaded.desk.Count(), 4);
}

INSTANTIATE_TEST_SUITE_P(Kinds, InterruptedSave,
                         ::testing::Values(WriterCase{"w.lmu", WriteUncompressed},
                                           WriterCase{"w.lmc", WriteCompressed}),
                         [](const auto& info) { return std::string(info.param.file).substr(2); });

}  // namespace
}  // namespace lumena
