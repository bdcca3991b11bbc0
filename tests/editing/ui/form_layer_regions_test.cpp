// The layer regions window and the region editor on their own: the list
// with its thumbnails, choosing and saving a region, and the editor's
// clicks reaching the layer only through OK.
#include "editing/ui/form_layer_regions.h"

#include <gtest/gtest.h>

#include <QTest>

#include "editing/editing_session.h"
#include "editing/region_edit_window_layout.h"
#include "editing/scripted_questions.h"
#include "editing/ui/form_layer_region_edit.h"
#include "interface/interface_context.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/graphic_slider.h"
#include "interface/ui/picture_control.h"
#include "platform/ui/child_by_name.h"
#include "platform/ui/message_boxes.h"
#include "work/work_desk_test_host.h"

namespace lumena {
namespace {

constexpr Pixel kRed{0, 0, 200, 255}, kBlue{200, 0, 0, 255};

class FormLayerRegionsTest : public ::testing::Test {
 protected:
  FormLayerRegionsTest() {
    SetBoxHandler([](BoxKind, const std::string&) { return 7; });
    // A 80 x 40 layer: red left half, blue right half; region 1 is the
    // left half.
    TLayer& layer = desk_.Add(10, 20, 80, 40, kRed);
    for (int y = 0; y < 40; ++y)
      for (int x = 40; x < 80; ++x) layer.WorkPicture().At(x, y) = kBlue;
    session_.ChooseRegion(layer, 1);
    layer.Mask().SetOpRect({0, 0, 40, 40});
    layer.Mask().SetRect();
    desk_.desk.SetActive(0);
    regions_.SetSaveRegion([this](const RegionCut& cut) { saved_.push_back(cut); });
    regions_.show();
  }
  ~FormLayerRegionsTest() override { SetBoxHandler(nullptr); }

  TLayer& Layer() { return desk_.desk.Layer(0); }
  TPictureControl& List() { return *ChildByName<TPictureControl>(regions_, "ListBox"); }
  TPictureControl& Image() { return *ChildByName<TPictureControl>(editor_, "ImageLayer"); }
  void ClickEntry(int entry) { QTest::mouseClick(&List(), Qt::LeftButton, {}, {80, entry * kRegionsItemHeight + 25}); }
  std::vector<uint8_t> Cells() {
    const auto cells = Layer().Mask().CellsView();
    return {cells.begin(), cells.end()};
  }
  // Opens the editor on region 1 and selects the blue half instead.
  void EditToBlue() {
    regions_.EditRegion();
    ASSERT_TRUE(editor_.isVisible());
    const QPoint origin = Image().pos();
    EXPECT_EQ(origin, QPoint((kScrollBoxWidth - 80) / 2, (kScrollBoxHeight - 40) / 2)) << "a small picture is centred";
    QTest::mouseClick(&Image(), Qt::LeftButton, {}, {60, 10});
    EXPECT_TRUE(editor_.Edit().Mask().HasRegionAt(10, 60, 1));
    EXPECT_FALSE(editor_.Edit().Mask().HasRegionAt(10, 20, 1));
  }

  testing::DeskFixture desk_;
  testing::ScriptedQuestions questions_;
  EditingSession session_{desk_.desk, questions_};
  TGraphicButton minimize_, exit_;
  TFormLayerRegionEdit editor_{session_, exit_, nullptr};
  std::vector<std::string> told_;
  TFormLayerRegions regions_{
      {session_, [this](std::string_view key) { told_.emplace_back(key); }}, editor_, minimize_, exit_};
  std::vector<RegionCut> saved_;
};

TEST_F(FormLayerRegionsTest, ShowsTheActiveLayersEntriesWithThumbnails) {
  EXPECT_EQ(regions_.ShownLayer(), &Layer());
  EXPECT_EQ(regions_.SelectedEntry(), 1);
  const Picture& list = List().GetPicture();
  ASSERT_EQ(list.Height(), kRegionsEntries * kRegionsItemHeight);
  EXPECT_EQ(list.At(150, kRegionsItemHeight + 5), (Pixel{128, 0, 0, 255})) << "the selected entry is navy";
  EXPECT_EQ(list.At(150, 5), kOpaqueWhite);
  EXPECT_EQ(list.At(150, kRegionsItemHeight - 1), (Pixel{128, 128, 128, 255})) << "the entry's last row";
  // Region 1's thumbnail: the left half of the picture drawn 50 x 25 at row 12.
  EXPECT_EQ(regions_.Thumbnails()[1].At(10, 24), kRed);
  EXPECT_EQ(regions_.Thumbnails()[1].At(40, 24), kOpaqueWhite);
  EXPECT_EQ(regions_.Thumbnails()[1].At(10, 5), kOpaqueWhite) << "above the picture";
}

TEST_F(FormLayerRegionsTest, ChoosingAnEntryMakesItsRegionCurrent) {
  ClickEntry(4);
  EXPECT_EQ(Layer().Mask().CurrentRegion(), 4);
  EXPECT_EQ(regions_.SelectedEntry(), 4);
  ClickEntry(0);
  EXPECT_EQ(Layer().Mask().CurrentRegion(), 0);
  regions_.EditRegion();
  EXPECT_FALSE(editor_.isVisible()) << "no region to edit";
}

TEST_F(FormLayerRegionsTest, WithoutALayerTheListIsEmptyAndDisabled) {
  regions_.ShowLayer(nullptr);
  EXPECT_FALSE(List().isEnabled());
  EXPECT_FALSE(ChildByName<QWidget>(regions_, "ButtonEditRegion")->isVisibleTo(&regions_));
  EXPECT_FALSE(ChildByName<QWidget>(regions_, "ButtonSaveRegion")->isVisibleTo(&regions_));
  ClickEntry(3);
  EXPECT_EQ(Layer().Mask().CurrentRegion(), 1);
}

TEST_F(FormLayerRegionsTest, SavingHandsTheCutOnOrSaysTheRegionIsEmpty) {
  regions_.SaveRegion();
  ASSERT_EQ(saved_.size(), 1u);
  EXPECT_EQ(saved_[0].picture.Width(), 50) << "40 x 40 and a margin of 10";
  EXPECT_EQ(saved_[0].tablePosition, (Point{10 - 5, 20 - 5}));
  ClickEntry(2);
  regions_.SaveRegion();
  EXPECT_EQ(told_, std::vector<std::string>{"MessageRegionIsEmpty"});
  EXPECT_EQ(saved_.size(), 1u);
  regions_.SetSaveRegion(nullptr);
  EXPECT_FALSE(ChildByName<QWidget>(regions_, "ButtonSaveRegion")->isEnabled());
}

TEST_F(FormLayerRegionsTest, CancelLeavesTheLayerAsItWas) {
  const std::vector<uint8_t> before = Cells();
  EditToBlue();
  ClickEntry(3);
  editor_.ButtonCancelClick();
  EXPECT_FALSE(editor_.isVisible());
  EXPECT_EQ(Cells(), before);
  EXPECT_EQ(Layer().Mask().CurrentRegion(), 3);
}

TEST_F(FormLayerRegionsTest, OKWritesTheRegionBackAndTheThumbnailsFollow) {
  EditToBlue();
  editor_.ButtonOKClick();
  EXPECT_FALSE(editor_.isVisible());
  EXPECT_TRUE(Layer().Mask().HasRegionAt(10, 60, 1));
  EXPECT_FALSE(Layer().Mask().HasRegionAt(10, 20, 1));
  EXPECT_EQ(regions_.Thumbnails()[1].At(40, 24), kBlue);
  EXPECT_EQ(regions_.Thumbnails()[1].At(10, 24), kOpaqueWhite);
  EXPECT_EQ(desk_.desk.LastAction(), EditingAction::ParametersChanged);
}

TEST_F(FormLayerRegionsTest, TheEditorClosesAsCancelWhenItsLayerGoes) {
  desk_.Add(0, 0, 10, 10, kRed, -1);  // behind it
  EditToBlue();
  desk_.desk.DeleteLayer(0);
  regions_.ActiveLayerShown(desk_.desk.ActiveLayer());
  EXPECT_FALSE(editor_.isVisible());
  EXPECT_EQ(regions_.ShownLayer(), &desk_.desk.Layer(0));
}

TEST_F(FormLayerRegionsTest, TheGridSlidersSwitchTheGridOn) {
  regions_.EditRegion();
  auto* cols = ChildByName<TGraphicSlider>(editor_, "SliderGridCols");
  EXPECT_FALSE(editor_.Edit().GridOn());
  cols->SetValue(4);
  if (cols->OnChange) cols->OnChange();
  EXPECT_TRUE(editor_.Edit().GridOn());
  EXPECT_TRUE(ChildByName<TGraphicButton>(editor_, "ButtonGrid")->Pressed());
  EXPECT_EQ(editor_.Edit().Grid().columns.size(), 5u);
  EXPECT_EQ(Image().GetPicture().At(19, 5), (Pixel{255, 0, 255, 255})) << "the column line at 19";
}

}  // namespace
}  // namespace lumena
