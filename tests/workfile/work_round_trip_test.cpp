// Works saved in both kinds and loaded back through the desk model.
#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "work_fixture.h"
#include "work_rewriting.h"
#include "workfile/compound_file.h"
#include "workfile/compressed_work.h"
#include "workfile/work_file_error.h"
#include "workfile/work_file_reader.h"
#include "workfile/work_file_writer.h"

namespace lumena {
namespace {

using testing::CopyWithToc;
using testing::TempFolder;
using testing::WorkFixture;

void Save(WorkFixture& work, const std::filesystem::path& path) {
  const WorkSnapshot snapshot = work.Snapshot();
  if (path.extension() == ".lmc")
    WriteCompressedWork(path, snapshot);
  else
    WriteWorkFile(path, snapshot);
}

struct KindCase {
  const char* name;
  int tolerance;  // per colour byte
};

class WorkRoundTrip : public ::testing::TestWithParam<KindCase> {};

TEST_P(WorkRoundTrip, RestoresLayersOrderFieldsMasksRolesAnchorsAndActiveLayer) {
  TempFolder folder;
  WorkFixture original;
  original.Fill();
  const auto path = folder / GetParam().name;
  Save(original, path);

  WorkFixture loaded;
  const WorkLoadOutcome outcome = ReadWorkFile(path, loaded.desk, loaded.anchors);
  EXPECT_TRUE(outcome.workSaved);
  EXPECT_EQ(outcome.workName, "work");
  EXPECT_EQ(loaded.observer.actions.front(), EditingAction::WorkOpened);
  testing::ExpectSameWork(original.desk, original.anchors, loaded.desk, loaded.anchors, GetParam().tolerance);
  EXPECT_GE(loaded.observer.portraitChanges, 1);
}

TEST_P(WorkRoundTrip, WorkWithoutRolesOrAnchorsLoadsWithout) {
  TempFolder folder;
  WorkFixture original;
  original.Add(0, 0, 8, 8, {1, 2, 3, 255});
  const auto path = folder / GetParam().name;
  Save(original, path);
  WorkFixture loaded;
  ReadWorkFile(path, loaded.desk, loaded.anchors);
  ASSERT_EQ(loaded.desk.Count(), 1);
  EXPECT_EQ(loaded.desk.PortraitLayer(), nullptr);
  EXPECT_EQ(loaded.desk.HandLayer(), nullptr);
  EXPECT_EQ(loaded.desk.ActiveIndex(), -1);
  EXPECT_EQ(loaded.anchors, PlacementAnchors{});
}

TEST_P(WorkRoundTrip, SavingTheLoadedWorkGivesTheSameTable) {
  TempFolder folder;
  WorkFixture original;
  original.Fill();
  const auto first = folder / GetParam().name;
  Save(original, first);
  WorkFixture loaded;
  ReadWorkFile(first, loaded.desk, loaded.anchors);
  const auto second = folder / (std::string("again") + first.extension().string());
  Save(loaded, second);
  EXPECT_EQ(ReadWorkToc(first), ReadWorkToc(second));
  EXPECT_EQ(ReadWorkToc(first), original.Snapshot().TocLines());
}

TEST_P(WorkRoundTrip, LayerWithoutPictureIsLeftOut) {
  TempFolder folder;
  WorkFixture original;
  original.Add(0, 0, 8, 8, {1, 2, 3, 255});
  TLayer& empty = original.Add(0, 0, 8, 8, {1, 2, 3, 255});
  empty.SetWidth(0);
  original.desk.SetPortraitLayer(&empty);
  const auto path = folder / GetParam().name;
  Save(original, path);
  WorkFixture loaded;
  ReadWorkFile(path, loaded.desk, loaded.anchors);
  EXPECT_EQ(loaded.desk.Count(), 1);
  EXPECT_EQ(loaded.desk.PortraitLayer(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Kinds, WorkRoundTrip, ::testing::Values(KindCase{"work.lmu", 0}, KindCase{"work.lmc", 24}),
                         [](const auto& info) { return std::string(info.param.name).substr(5); });

TEST(WorkLoad, TableWithCrLfOrLfReadsAsWithCr) {
  TempFolder folder;
  WorkFixture saved;
  saved.Fill();
  Save(saved, folder / "w.lmu");
  for (const char* end : {"\r\n", "\n"}) {
    std::string toc;
    for (const std::string& line : saved.Snapshot().TocLines()) toc += line + end;
    CopyWithToc(folder / "w.lmu", folder / "x.lmu", toc);
    WorkFixture loaded;
    ReadWorkFile(folder / "x.lmu", loaded.desk, loaded.anchors);
    testing::ExpectSameWork(saved.desk, saved.anchors, loaded.desk, loaded.anchors, 0);
  }
}

TEST(WorkLoad, MissingFileIsAnErrorAndChangesNothing) {
  WorkFixture work;
  work.Fill();
  EXPECT_THROW(ReadWorkFile("/nonexistent/w.lmu", work.desk, work.anchors), EFileError);
  EXPECT_EQ(work.desk.Count(), 4);
}

TEST(WorkLoad, AnsweringNoMergesLoadedLayersInFrontAndMarksTheWorkUnsaved) {
  TempFolder folder;
  WorkFixture saved;
  saved.Fill();
  Save(saved, folder / "w.lmu");

  WorkFixture desk;
  desk.Add(0, 0, 5, 5, {9, 9, 9, 255});
  // The same name as a saved layer: the loaded one is renamed and still
  // takes its role.
  TLayerRecord clash;
  clash.Name = saved.desk.Layer(3).Name();
  auto twin = std::make_unique<TLayer>(desk.desk);
  twin->Init(Picture(2, 2), &clash);
  desk.desk.InsertLayer(std::move(twin), 0);
  const std::vector<TLayer*> present{&desk.desk.Layer(0), &desk.desk.Layer(1)};
  desk.anchors.body = {5, 6};
  const WorkLoadOutcome outcome = ReadWorkFile(folder / "w.lmu", desk.desk, desk.anchors, PreviousWork::Merge);
  EXPECT_FALSE(outcome.workSaved);
  ASSERT_EQ(desk.desk.Count(), 6);
  EXPECT_EQ((std::vector<TLayer*>{&desk.desk.Layer(4), &desk.desk.Layer(5)}), present);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(desk.desk.Layer(i).DisplayName(), saved.desk.Layer(i).DisplayName());
  EXPECT_EQ(desk.desk.PortraitLayer(), &desk.desk.Layer(3)) << "the loaded layer, not the old one of that name";
  EXPECT_NE(desk.desk.Layer(3).Name(), clash.Name);
  EXPECT_EQ(desk.desk.ActiveIndex(), 2);
  EXPECT_EQ(desk.anchors.face, saved.anchors.face);
  EXPECT_EQ(desk.anchors.body, (Point{5, 6})) << "an unset body anchor in the file keeps the present one";
}

TEST(WorkLoad, AnsweringYesReplacesTheWorkAndItsAnchors) {
  TempFolder folder;
  WorkFixture saved;
  saved.Add(0, 0, 4, 4, {1, 1, 1, 255});
  Save(saved, folder / "w.lmc");
  WorkFixture desk;
  desk.Fill();
  desk.anchors.body = {5, 6};
  const WorkLoadOutcome outcome = ReadWorkFile(folder / "w.lmc", desk.desk, desk.anchors);
  EXPECT_TRUE(outcome.workSaved);
  EXPECT_EQ(desk.desk.Count(), 1);
  EXPECT_EQ(desk.anchors, PlacementAnchors{});
}

TEST(WorkLoad, KeepsTheActiveLayerOfBeforeWhenTheFileNamesNone) {
  TempFolder folder;
  WorkFixture saved;
  saved.Add(0, 0, 4, 4, {1, 1, 1, 255});
  Save(saved, folder / "w.lmu");
  WorkFixture desk;
  desk.Add(0, 0, 4, 4, {2, 2, 2, 255});
  desk.Add(0, 0, 4, 4, {3, 3, 3, 255});
  desk.desk.SetActive(1);
  TLayer* before = desk.desk.ActiveLayer();
  ReadWorkFile(folder / "w.lmu", desk.desk, desk.anchors, PreviousWork::Merge);
  EXPECT_EQ(desk.desk.ActiveLayer(), before);
}

TEST(WorkLoad, CompressedWorkLeavesNoTemporaryFilesEvenWhenDamaged) {
  TempFolder folder;
  TempFolder temporary;
  WorkFixture saved;
  saved.Fill();
  Save(saved, folder / "w.lmc");
  auto bytes = testing::ReadFile(folder / "w.lmc");
  folder.Write("bad.lmc", std::string_view(bytes).substr(0, bytes.size() - 100));

  const char* old = std::getenv("TMPDIR");
  const std::string kept = old ? old : "";
  ::setenv("TMPDIR", temporary.Path().c_str(), 1);
  WorkFixture good, bad;
  ReadWorkFile(folder / "w.lmc", good.desk, good.anchors);
  EXPECT_THROW(ReadWorkFile(folder / "bad.lmc", bad.desk, bad.anchors), EWorkFileError);
  if (old)
    ::setenv("TMPDIR", kept.c_str(), 1);
  else
    ::unsetenv("TMPDIR");
  EXPECT_EQ(good.desk.Count(), 4);
  EXPECT_TRUE(std::filesystem::is_empty(temporary.Path()));
}

// The work is read whole before the desk is touched: a stream missing
// after two good layers leaves the desk empty.
TEST(WorkLoad, MissingLayerStreamStopsTheLoadBeforeAnyLayerIsPlaced) {
  TempFolder folder;
  WorkFixture saved;
  saved.Fill();
  WorkSnapshot snapshot = saved.Snapshot();
  // The layer whose stream is missing: its line is the third of the four.
  TLayerRecord ghost = snapshot.layers[2]->Record();
  ASSERT_NO_THROW(WriteWorkFile(folder / "w.lmu", snapshot));
  // A table naming a layer without streams.
  TLayerRecord extra = ghost;
  extra.Name = "99999999";
  std::vector<std::string> lines = snapshot.TocLines();
  lines.insert(lines.begin() + 7, LayerTocLine(extra));
  CopyWithToc(folder / "w.lmu", folder / "x.lmu", UncompressedTocText(lines));
  WorkFixture loaded;
  EXPECT_THROW(ReadWorkFile(folder / "x.lmu", loaded.desk, loaded.anchors), EWorkFileError);
  EXPECT_EQ(loaded.desk.Count(), 0);
  EXPECT_TRUE(loaded.observer.actions.empty()) << "nothing was recorded either";
}

}  // namespace
}  // namespace lumena
