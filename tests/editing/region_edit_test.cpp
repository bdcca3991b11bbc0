// The region editor's work on its copy, and the session's region actions:
// choosing, committing an edit and cutting a region out.
#include "editing/region_edit.h"

#include <gtest/gtest.h>

#include "editing/editing_session.h"
#include "editing/scripted_questions.h"
#include "work/region_display.h"
#include "work/work_desk_test_host.h"

namespace lumena {
namespace {

// A 60 x 40 layer whose columns step through the grey levels 0, 4, 8, ...,
// with a distinct last column; region 2 holds its top-left 10 x 10.
struct RegionFixture : testing::DeskFixture {
  testing::ScriptedQuestions questions;
  EditingSession session{desk, questions};
  TLayer& layer = Add(5, 5, 60, 40, kOpaqueWhite);
  RegionEdit edit;

  RegionFixture() {
    Picture& p = layer.WorkPicture();
    for (int y = 0; y < p.Height(); ++y)
      for (int x = 0; x < p.Width(); ++x) {
        const auto grey = static_cast<uint8_t>(x == p.Width() - 1 ? 250 : x * 4);
        p.At(x, y) = {grey, grey, grey, 255};
      }
    layer.Mask().SetPicture(p);
    session.ChooseRegion(layer, 2);
    layer.Mask().SetOpRect({0, 0, 10, 10});
    layer.Mask().SetRect();
    desk.SetActive(0);
  }
  std::vector<uint8_t> Cells() const {
    const auto cells = layer.Mask().CellsView();
    return {cells.begin(), cells.end()};
  }
  int EditedCount() const {
    int n = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 60; ++x) n += edit.Mask().HasRegionAt(y, x, 2);
    return n;
  }
};

// Every kind of change the editor makes, on its copy.
void EditEverything(RegionEdit& edit) {
  edit.Click({20, 3}, {}, ClickButton::Left);
  edit.Click({40, 3}, {.shift = true}, ClickButton::Left);
  edit.ChangeTolerance(60, true);
  edit.SetGrid(true, 4, 3);
  edit.Click({59, 39}, {.ctrl = true, .shift = true}, ClickButton::Left);
  edit.StartLasso({2, 20}, LassoAction::Add);
  edit.ExtendLasso({30, 25});
  edit.ExtendLasso({10, 38});
  edit.FinishLasso();
}

TEST(RegionEdit, LoadNeedsACurrentRegion) {
  RegionFixture f;
  f.session.ChooseRegion(f.layer, 0);
  EXPECT_FALSE(f.edit.Load(f.layer));
  EXPECT_FALSE(f.edit.Loaded());
  f.session.ChooseRegion(f.layer, 2);
  ASSERT_TRUE(f.edit.Load(f.layer));
  EXPECT_EQ(f.edit.Region(), 2);
  EXPECT_EQ(f.EditedCount(), 100);
}

struct CancelCase {
  const char* name;
  int chosenMeanwhile;
};

class RegionEditCancel : public ::testing::TestWithParam<CancelCase> {};

TEST_P(RegionEditCancel, LeavesTheLayerByteIdentical) {
  RegionFixture f;
  const std::vector<uint8_t> before = f.Cells();
  ASSERT_TRUE(f.edit.Load(f.layer));
  f.session.ChooseRegion(f.layer, GetParam().chosenMeanwhile);
  EditEverything(f.edit);
  EXPECT_NE(f.EditedCount(), 100);
  f.edit.Drop();
  EXPECT_EQ(f.Cells(), before);
  EXPECT_EQ(f.layer.Mask().CurrentRegion(), GetParam().chosenMeanwhile);
}

INSTANTIATE_TEST_SUITE_P(Regions, RegionEditCancel,
                         ::testing::Values(CancelCase{"SameRegion", 2}, CancelCase{"AnotherChosen", 5},
                                           CancelCase{"NoneChosen", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RegionEdit, CommitWritesOnlyTheEditedRegion) {
  RegionFixture f;
  ASSERT_TRUE(f.edit.Load(f.layer));
  // Region 5 is chosen and drawn meanwhile over the same pixels.
  f.session.ChooseRegion(f.layer, 5);
  f.layer.Mask().SetOpRect({0, 0, 60, 40});
  f.layer.Mask().SetRect();
  f.edit.ChangeTolerance(0, false);
  f.edit.Click({20, 3}, {}, ClickButton::Left);
  f.observer.actions.clear();
  ASSERT_TRUE(f.session.CommitRegionEdit(f.edit));
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x) {
      ASSERT_EQ(f.layer.Mask().HasRegionAt(y, x, 2), x == 20) << x << ", " << y;
      ASSERT_TRUE(f.layer.Mask().HasRegionAt(y, x, 5));
    }
  EXPECT_EQ(f.layer.Mask().CurrentRegion(), 5) << "the region chosen meanwhile stays current";
  EXPECT_EQ(f.layer.Mask().UsedRegions(), (std::vector<int>{2, 5}));
  EXPECT_EQ(f.observer.actions, std::vector<EditingAction>{EditingAction::ParametersChanged});
}

TEST(RegionEdit, CommitRefusesALayerThatLeftOrChangedSize) {
  RegionFixture f;
  ASSERT_TRUE(f.edit.Load(f.layer));
  f.edit.Clear();
  f.layer.StretchTo(30, 20);
  EXPECT_FALSE(f.session.CommitRegionEdit(f.edit));
  EXPECT_TRUE(f.layer.Mask().HasRegionAt(0, 0, 2));
  f.desk.DeleteLayer(0);
  EXPECT_FALSE(f.session.CommitRegionEdit(f.edit));
}

// The reference grey of column 10 is 40; tolerance t takes columns
// 10 - t/4 .. 10 + t/4.
TEST(RegionEdit, ShiftAdjustsTheLastSelectionUpByAddingDownByIntersecting) {
  RegionFixture f;
  ASSERT_TRUE(f.edit.Load(f.layer));
  f.edit.ChangeTolerance(20, true);
  EXPECT_EQ(f.EditedCount(), 100) << "before the first click a change only sets the value";
  f.edit.Click({10, 0}, {}, ClickButton::Left);
  EXPECT_EQ(f.EditedCount(), 11 * 40);
  f.edit.ChangeTolerance(40, true);
  EXPECT_EQ(f.EditedCount(), 21 * 40) << "Shift and a larger tolerance add";
  f.edit.ChangeTolerance(8, true);
  EXPECT_EQ(f.EditedCount(), 5 * 40) << "Shift and a smaller tolerance intersect";
  f.edit.ChangeTolerance(40, false);
  EXPECT_EQ(f.EditedCount(), 5 * 40) << "without Shift only the value changes";
  EXPECT_EQ(f.edit.Tolerance(), 40);
}

TEST(RegionEdit, AClickOnTheLastColumnSamplesIt) {
  RegionFixture f;
  ASSERT_TRUE(f.edit.Load(f.layer));
  f.edit.ChangeTolerance(0, false);
  f.edit.Click({59, 39}, {}, ClickButton::Left);
  EXPECT_EQ(f.EditedCount(), 40);
  EXPECT_TRUE(f.edit.Mask().HasRegionAt(39, 59, 2));
}

TEST(RegionEdit, GridRectanglesReachTheEdgesAndIgnoreTheRestriction) {
  RegionFixture f;
  ASSERT_TRUE(f.edit.Load(f.layer));
  f.edit.SetGrid(true, 4, 3);
  f.edit.Click({59, 39}, {.ctrl = true, .shift = true}, ClickButton::Left);
  EXPECT_TRUE(f.edit.Mask().HasRegionAt(39, 59, 2)) << "the last cell reaches the bottom-right pixel";
  f.edit.Clear();
  f.edit.Click({0, 0}, {.ctrl = true, .shift = true}, ClickButton::Left);
  f.edit.SetRestriction(true);
  f.edit.Click({20, 20}, {.shift = true}, ClickButton::Left);
  EXPECT_TRUE(f.edit.Mask().HasRegionAt(20, 20, 2)) << "with the grid on the restriction is ignored";
}

TEST(RegionEdit, APlainClickReplacesTheRegionEvenWithTheGridOn) {
  RegionFixture f;
  ASSERT_TRUE(f.edit.Load(f.layer));
  f.edit.SetGrid(true, 5, 5);
  f.edit.ChangeTolerance(0, false);
  f.edit.Click({40, 30}, {}, ClickButton::Left);
  EXPECT_FALSE(f.edit.Mask().HasRegionAt(0, 0, 2));
  EXPECT_TRUE(f.edit.Mask().HasRegionAt(30, 40, 2));
}

TEST(RegionEdit, TheDisplayShowsTheRegionFullAndTheRestHalf) {
  RegionFixture f;
  ASSERT_TRUE(f.edit.Load(f.layer));
  f.edit.SetGrid(true, 5, 5);
  Picture shown;
  f.edit.DrawDisplay(shown, {5, 5, 45, 45});
  ASSERT_EQ(shown.Width(), 40);
  ASSERT_EQ(shown.Height(), 35) << "clipped to the picture";
  EXPECT_EQ(shown.At(0, 0), (Pixel{20, 20, 20, 255})) << "in the region: the pixel itself";
  // Outside: grey 60 over white at opacity 127.
  EXPECT_EQ(shown.At(10, 1), (Pixel{158, 158, 158, 255}));
  EXPECT_EQ(shown.At(6, 1), kGridLineColour) << "the column line at 11";
  EXPECT_EQ(shown.At(1, 2), kGridLineColour) << "the row line at 7";
}

TEST(RegionActions, CutRegionOfTheLayerGivesItsTablePosition) {
  RegionFixture f;
  const std::optional<RegionCut> cut = f.session.CutRegionOf(f.layer, 2);
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->picture.Width(), 12);
  EXPECT_EQ(cut->tablePosition, (Point{5 - 1, 5 - 1}));
  EXPECT_FALSE(f.session.CutRegionOf(f.layer, 3));
}

}  // namespace
}  // namespace lumena
