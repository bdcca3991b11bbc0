// The templates window on its own: the grid, its counters and switches,
// and a click that lays a template or says why not.
#include "templates/ui/form_templates.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <algorithm>

#include "editing/scripted_questions.h"
#include "images/element_picture.h"
#include "interface/interface_context.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/graphic_slider.h"
#include "interface/ui/picture_control.h"
#include "platform/ui/child_by_name.h"
#include "platform/ui/message_boxes.h"
#include "support/temp_folder.h"
#include "templates/templates_window_layout.h"
#include "work/work_desk_test_host.h"

namespace lumena {
namespace {

constexpr int32_t kHair = 1, kNails = 5;

class FormTemplatesTest : public ::testing::Test {
 protected:
  FormTemplatesTest() {
    SetBoxHandler([](BoxKind, const std::string&) { return 7; });
    CurrentInterface().AppFolder = folder_.Path();
    std::filesystem::create_directories(folder_ / "Hair");
    Picture hair(40, 30);
    for (Pixel& p : hair.Pixels()) p = {0, 0, 200, 255};
    SaveElementPicture(hair, folder_ / "Hair" / "bob.psd");
    // Opaque button cells, so that the buttons take clicks.
    std::string sheet = CurrentInterface().DefaultInterfaceFile(1, std::string(kTemplatesButtonsDefault));
    std::ranges::replace(sheet, '\\', '/');
    std::filesystem::create_directories((folder_ / sheet).parent_path());
    Picture cells(128, 10 * kSwitchSide + 211);
    for (Pixel& p : cells.Pixels()) p = {60, 60, 60, 255};
    SaveElementPicture(cells, folder_ / sheet);
  }
  ~FormTemplatesTest() override {
    CurrentInterface() = InterfaceContext();
    SetBoxHandler(nullptr);
  }

  // The base as "PartBase.txt" would give it: a title, two looks, one
  // missing, and nine more so that the grid scrolls.
  void Load(bool) {
    base_ = {};
    base_.SetTemplateTypes({{kHair, "Hair", "Hairstyles", 60, "F"}, {kNails, "Nails", "Nails", 30, "N"}});
    int line = 0;
    for (const char* record : {"1;999;0;bob.psd;Short styles;", "1;-10;-20;bob.psd;Bob;", "1;0;0;gone.psd;Gone;"})
      base_.ReadTemplateLine(record, ++line, {});
    for (int i = 0; i < 9 + extra_; ++i)
      base_.ReadTemplateLine("1;0;0;bob.psd;More " + std::to_string(i) + ";", ++line, {});
    ++loads_;
  }

  TFormTemplates& Window() {
    if (!form_) {
      form_ = std::make_unique<TFormTemplates>(
          TemplatesWindowServices{session_, base_, roots_, anchors_, [this](bool types) { Load(types); },
                                  [this](std::string_view key) { told_.emplace_back(key); }, nullptr},
          minimize_, exit_);
      form_->onLaid = [this] { ++laid_; };
    }
    return *form_;
  }
  QPoint CellCentre(int index) const { return {index % 2 * 92 + 46, index / 2 * 66 + 33}; }
  TPictureControl& Grid() { return *ChildByName<TPictureControl>(*form_, "ResImage"); }
  void ClickCell(int index) { QTest::mouseClick(&Grid(), Qt::LeftButton, {}, CellCentre(index)); }

  testing::TempFolder folder_;
  DataRoots roots_{{}, {}, folder_.Path()};
  TTemplateBase base_;
  testing::RecordingObserver observer_;
  TWorkDesk desk_{observer_, [] {
                    DeskGeometry g;
                    g.CentreView();
                    return g;
                  }()};
  testing::ScriptedQuestions questions_;
  EditingSession session_{desk_, questions_};
  PlacementAnchors anchors_;
  TGraphicButton minimize_, exit_;
  std::unique_ptr<TFormTemplates> form_;
  std::vector<std::string> told_;
  int laid_ = 0, loads_ = 0, extra_ = 0;
};

TEST_F(FormTemplatesTest, OpeningShowsTheTypesGridCountersAndSwitches) {
  TFormTemplates& form = Window();
  form.OpenOnType(kHair, 2, 4, "Hairstyles@more");
  ASSERT_TRUE(form.isVisible());
  EXPECT_EQ(loads_, 1);
  EXPECT_EQ(ChildByName<QLabel>(form, "LabelNumPartsShow")->text(), "12");
  EXPECT_EQ(ChildByName<QLabel>(form, "LabelNumPartsTotal")->text(), "(12)");
  EXPECT_EQ(ChildByName<TGraphicSlider>(form, "SliderScrollPreview")->Max(), 2) << "12 in 2 x 4: two more rows";
  EXPECT_TRUE(ChildByName<QWidget>(form, "ButtonReplaceSameType")->isVisibleTo(&form));
  EXPECT_FALSE(ChildByName<QWidget>(form, "ButtonNail1")->isVisibleTo(&form));
  auto* title = ChildByName<QLabel>(form, "LabelPartsName");
  EXPECT_TRUE(title->isVisibleTo(&form));
  EXPECT_EQ(title->text(), "Short styles");
  const Picture& grid = Grid().GetPicture();
  ASSERT_EQ(grid.Width(), kGridWidth);
  EXPECT_EQ(grid.At(92 + 46, 33), (Pixel{0, 0, 200, 255})) << "the look's preview in the second cell";
  EXPECT_EQ(grid.At(92, 100), (Pixel{128, 128, 128, 255})) << "a grid line";
  bool notFound = false;
  for (int y = 66; y < 132; ++y)
    for (int x = 0; x < 92; ++x) notFound |= grid.At(x, y).r > grid.At(x, y).g + 60;
  EXPECT_TRUE(notFound) << "the missing look's cell says so in dark red";

  form.OpenOnType(kNails, 3, 5, "");
  EXPECT_TRUE(ChildByName<QWidget>(form, "ButtonNail1")->isVisibleTo(&form));
  EXPECT_FALSE(ChildByName<QWidget>(form, "ButtonReplaceSameType")->isVisibleTo(&form));
  EXPECT_EQ(ChildByName<QLabel>(form, "LabelNumPartsShow")->text(), "0");
}

TEST_F(FormTemplatesTest, KeysAndArrowsScrollTheGridByRowsAndPages) {
  TFormTemplates& form = Window();
  form.OpenOnType(kHair, 2, 4, "");
  auto* slider = ChildByName<TGraphicSlider>(form, "SliderScrollPreview");
  QTest::keyClick(&form, Qt::Key_Down);
  EXPECT_EQ(slider->Value(), 1);
  QTest::keyClick(&form, Qt::Key_End);
  EXPECT_EQ(slider->Value(), 2);
  QTest::keyClick(&form, Qt::Key_PageUp);
  EXPECT_EQ(slider->Value(), 0);
  auto* down = ChildByName<TGraphicButton>(form, "ButtonPreviewScrollDown");
  QTest::mouseClick(down, Qt::LeftButton, {}, down->rect().center());
  EXPECT_EQ(slider->Value(), 1);
  EXPECT_EQ(Grid().GetPicture().At(46, 33), kOpaqueWhite) << "the missing look now shows first";
  EXPECT_EQ(Grid().GetPicture().At(92 + 46, 33), (Pixel{0, 0, 200, 255}));
}

TEST_F(FormTemplatesTest, ReloadingAfterALookWasAddedKeepsTheScrollPosition) {
  TFormTemplates& form = Window();
  form.OpenOnType(kHair, 2, 4, "");
  auto* slider = ChildByName<TGraphicSlider>(form, "SliderScrollPreview");
  QTest::keyClick(&form, Qt::Key_Down);
  extra_ = 3;
  form.ReloadTemplates();
  EXPECT_EQ(ChildByName<QLabel>(form, "LabelNumPartsShow")->text(), "15");
  EXPECT_EQ(slider->Max(), 4);
  EXPECT_EQ(slider->Value(), 1);
}

TEST_F(FormTemplatesTest, AClickLaysTheLookOnceTheFaceIsAdjusted) {
  TFormTemplates& form = Window();
  form.OpenOnType(kHair, 2, 4, "");
  ClickCell(1);
  EXPECT_EQ(told_, std::vector<std::string>{"MessageFaceIsNotAdjusted"});
  EXPECT_EQ(desk_.Count(), 0);
  anchors_.face = {400, 471};
  ClickCell(0);  // the title cannot be laid
  ClickCell(2);  // nor a missing picture
  EXPECT_EQ(desk_.Count(), 0);
  ClickCell(1);
  ASSERT_EQ(desk_.Count(), 1);
  EXPECT_EQ(desk_.Layer(0).X(), 390);
  EXPECT_EQ(desk_.Layer(0).DisplayName(), "Bob");
  EXPECT_EQ(laid_, 1);
  EXPECT_EQ(told_.size(), 1u);
}

TEST_F(FormTemplatesTest, ReplaceSameTypeAndTheNailButtonsToggle) {
  TFormTemplates& form = Window();
  form.OpenOnType(kNails, 2, 4, "");
  auto* nail = ChildByName<TGraphicButton>(form, "ButtonNail3");
  QTest::mouseClick(nail, Qt::LeftButton, {}, nail->rect().center());
  EXPECT_TRUE(nail->Pressed());
  QTest::mouseClick(nail, Qt::LeftButton, {}, nail->rect().center());
  EXPECT_FALSE(nail->Pressed());
  form.OpenOnType(kHair, 2, 4, "");
  auto* replace = ChildByName<TGraphicButton>(form, "ButtonReplaceSameType");
  QTest::mouseClick(replace, Qt::LeftButton, {}, replace->rect().center());
  EXPECT_TRUE(replace->Pressed());
  anchors_.face = {400, 471};
  ClickCell(1);
  ClickCell(3);
  EXPECT_EQ(desk_.Count(), 1) << "the second look replaced the first";
  form.OpenOnType(kHair, 2, 4, "");
  EXPECT_FALSE(replace->Pressed()) << "opening on a type releases it";
}

}  // namespace
}  // namespace lumena
