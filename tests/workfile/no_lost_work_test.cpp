// A work that cannot be loaded leaves the desk exactly as it was, and the
// question whether to clear the desk is asked only once the work was read.
#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "work_fixture.h"
#include "work_rewriting.h"
#include "workfile/compressed_work.h"
#include "workfile/work_file_error.h"
#include "workfile/work_file_reader.h"
#include "workfile/work_file_writer.h"
#include "workfile/work_toc.h"

namespace lumena {
namespace {

using testing::TempFolder;
using testing::WorkFixture;

// Everything of a desk a load could change.
struct DeskState {
  std::vector<const TLayer*> layers;
  std::vector<TLayerRecord> records;
  std::vector<Picture> pictures;
  const TLayer* portrait;
  const TLayer* hand;
  int active;
  PlacementAnchors anchors;

  static DeskState Of(WorkFixture& work) {
    DeskState state{{},          {}, {}, work.desk.PortraitLayer(), work.desk.HandLayer(), work.desk.ActiveIndex(),
                    work.anchors};
    for (int i = 0; i < work.desk.Count(); ++i) {
      state.layers.push_back(&work.desk.Layer(i));
      state.records.push_back(work.desk.Layer(i).Record());
      state.pictures.push_back(work.desk.Layer(i).WorkPicture());
    }
    return state;
  }
  void ExpectSame(const DeskState& other) const {
    EXPECT_EQ(layers, other.layers);
    ASSERT_EQ(records.size(), other.records.size());
    for (size_t i = 0; i < records.size(); ++i) testing::ExpectSameRecord(records[i], other.records[i]);
    EXPECT_EQ(pictures, other.pictures);
    EXPECT_EQ(portrait, other.portrait);
    EXPECT_EQ(hand, other.hand);
    EXPECT_EQ(active, other.active);
    EXPECT_EQ(anchors, other.anchors);
  }
};

std::string CutShort(const std::string& bytes) { return bytes.substr(0, bytes.size() * 2 / 3); }

struct DamageCase {
  const char* name;
  const char* source;  // the good work it is made from
  std::function<void(const TempFolder&, const std::filesystem::path& good, const std::filesystem::path& bad)> damage;
};

std::vector<DamageCase> DamageCases() {
  const auto truncate = [](const TempFolder&, const std::filesystem::path& good, const std::filesystem::path& bad) {
    const std::string cut = CutShort(testing::ReadFile(good));
    std::ofstream(bad, std::ios::binary) << cut;
  };
  return {
      {"TruncatedCompressed", "w.lmc", truncate},
      {"TruncatedUncompressed", "w.lmu", truncate},
      {"Missing", "w.lmu", [](const TempFolder&, const std::filesystem::path&, const std::filesystem::path&) {}},
      {"LastLayersBitmapDamaged", "w.lmu",
       [](const TempFolder&, const std::filesystem::path& good, const std::filesystem::path& bad) {
         // The bitmap read last, after three good layers.
         const std::string last = ParseLayerLine(ReadWorkToc(good).back()).Name + ".bmp";
         testing::CopyCompound(good, bad, [&](const std::string& name, std::vector<uint8_t>& bytes) {
           if (name == last) bytes.resize(bytes.size() - 1);
         });
       }},
      {"LastLayerNotANumber", "w.lmu",
       [](const TempFolder&, const std::filesystem::path& good, const std::filesystem::path& bad) {
         testing::CopyCompound(good, bad, [](const std::string& name, std::vector<uint8_t>& bytes) {
           if (name != "ListFile.txt") return;
           std::string toc(bytes.begin(), bytes.end());
           toc.replace(toc.rfind(";1;"), 3, ";x;");
           bytes.assign(toc.begin(), toc.end());
         });
       }},
  };
}

class NoLostWork : public ::testing::TestWithParam<DamageCase> {};

// Even a Clear answer given up front leaves the desk alone when the work
// cannot be read.
TEST_P(NoLostWork, ADamagedOrMissingWorkLeavesTheDeskAsItWas) {
  TempFolder folder;
  WorkFixture saved;
  saved.Fill();
  const auto good = folder / GetParam().source;
  if (good.extension() == ".lmc")
    WriteCompressedWork(good, saved.Snapshot());
  else
    WriteWorkFile(good, saved.Snapshot());
  const auto bad = folder / (std::string("bad") + good.extension().string());
  GetParam().damage(folder, good, bad);

  WorkFixture desk;
  desk.Fill();
  desk.anchors.body = {5, 6};
  const DeskState before = DeskState::Of(desk);
  const size_t actionsBefore = desk.observer.actions.size();
  // A missing file is a file error, the others format errors.
  EXPECT_THROW(ReadWorkFile(bad, desk.desk, desk.anchors, PreviousWork::Clear), std::runtime_error);
  DeskState::Of(desk).ExpectSame(before);
  EXPECT_EQ(desk.observer.actions.size(), actionsBefore) << "nothing recorded";
}

INSTANTIATE_TEST_SUITE_P(Table, NoLostWork, ::testing::ValuesIn(DamageCases()),
                         [](const auto& info) { return std::string(info.param.name); });

struct AnswerCase {
  PreviousWork previous;
  int layersAfter;
  bool workSaved;
};

class ClearPrevWorkAnswer : public ::testing::TestWithParam<AnswerCase> {};

// The caller asks once the work is read, and passes the answer in.
TEST_P(ClearPrevWorkAnswer, TheAnswerDecidesWhetherTheDeskIsCleared) {
  TempFolder folder;
  WorkFixture saved;
  saved.Fill();
  WriteCompressedWork(folder / "w.lmc", saved.Snapshot());
  WorkFixture desk;
  desk.Add(0, 0, 5, 5, {9, 9, 9, 255});
  StoredWork work = ReadStoredWork(folder / "w.lmc");
  EXPECT_EQ(desk.desk.Count(), 1) << "reading leaves the desk alone";
  const WorkLoadOutcome outcome = LoadStoredWork(work, folder / "w.lmc", desk.desk, desk.anchors, GetParam().previous);
  EXPECT_EQ(desk.desk.Count(), GetParam().layersAfter);
  EXPECT_EQ(outcome.workSaved, GetParam().workSaved);
  EXPECT_EQ(outcome.workName, "w");
}

INSTANTIATE_TEST_SUITE_P(Table, ClearPrevWorkAnswer,
                         ::testing::Values(AnswerCase{PreviousWork::Clear, 4, true},
                                           AnswerCase{PreviousWork::Merge, 5, false}));

}  // namespace
}  // namespace lumena
