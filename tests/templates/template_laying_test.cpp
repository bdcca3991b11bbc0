// Choosing a template lays it where its group says, or says why not.
#include "templates/template_laying.h"

#include <gtest/gtest.h>

#include "editing/scripted_questions.h"
#include "images/element_picture.h"
#include "platform/atomic_file.h"
#include "support/temp_folder.h"
#include "work/work_desk_test_host.h"

namespace lumena {
namespace {

struct NailSizeCase {
  int w, h;
  Point box;
  NailMark nail;
  std::optional<PictureSize> expected;
};

TEST(NailTemplateSize, FitsTheBoxOrStretchesToTheNail) {
  const NailSizeCase cases[] = {
      // X = Y = 100 on a nail 40 wide and 80 high: a 40 x 60 box, proportions kept.
      {20, 30, {100, 100}, {0, 0, 40, 80}, PictureSize{40, 60}},
      {40, 40, {100, 100}, {0, 0, 40, 80}, std::nullopt},  // the width already fits exactly
      // 0 and 0: exactly the nail's width by three quarters of its height.
      {20, 20, {0, 0}, {0, 0, 40, 80}, PictureSize{40, 60}},
      // Already the box's size: kept.
      {40, 60, {100, 100}, {0, 0, 40, 80}, std::nullopt},
      // Half the box.
      {40, 60, {50, 50}, {0, 0, 40, 80}, PictureSize{20, 30}},
      // A nail with a zero side still gives a visible layer.
      {20, 30, {100, 100}, {0, 0, 0, 80}, PictureSize{1, 1}},
      {20, 30, {0, 0}, {0, 0, 40, 0}, PictureSize{40, 1}},
  };
  for (const NailSizeCase& c : cases)
    EXPECT_EQ(NailTemplateSize(c.w, c.h, c.box, c.nail), c.expected) << c.w << "x" << c.h << " box " << c.box.x;
}

TEST(TemplatePlacement, NailCornerPutsTheMarkTwoThirdsDownTheCentreLine) {
  EXPECT_EQ(NailTemplateCorner({100, 200, 40, 80, 0}, 40, 60), (Point{80, 160}));
  EXPECT_EQ(CentredCorner({444, 492}, 101, 61), (Point{394, 462}));
  EXPECT_EQ(GroupOfLetter(" n "), TemplateGroup::Nails);
  EXPECT_EQ(GroupOfLetter("Q"), TemplateGroup::Face);
  EXPECT_EQ(GroupOfLetter(""), TemplateGroup::Face);
}

constexpr int32_t kFace = 1, kNails = 5, kBody = 7, kWork = 10, kUnknown = 42;

class LayingTest : public ::testing::Test {
 protected:
  LayingTest() {
    base_.SetTemplateTypes({{kFace, "Hair", "Hair", 60, "F"},
                            {kNails, "Nails", "Nails", 30, "N"},
                            {kBody, "Clothes", "Clothes", 10, "B"},
                            {kWork, "Frames", "Frames", 90, "M"}});
    geometry_.CentreView();
    WriteTemplate("Hair/bob.psd", 100, 60, true);
    WriteTemplate("Nails/red.psd", 20, 30, false);
    WriteTemplate("Clothes/top.psd", 101, 61, false);
    WriteTemplate("Frames/gold.psd", 445, 492, false);
  }

  void WriteTemplate(const std::string& file, int w, int h, bool withMask) {
    std::filesystem::create_directories((folder_ / file).parent_path());
    Picture p(w, h);
    for (Pixel& px : p.Pixels()) px = {10, 20, 200, 255};
    SaveElementPicture(p, folder_ / file);
    if (!withMask) return;
    TMask mask;
    mask.SetPicture(p);
    for (uint8_t& cell : mask.CellsView()) cell = 1;
    const std::vector<uint8_t> bytes = mask.MaskBytes();
    const std::string stem = file.substr(0, file.find('.'));
    WriteFileAtomically(folder_ / (stem + ".msk"), std::string(bytes.begin(), bytes.end()));
  }

  ChoiceOutcome Choose(int32_t type, int x, int y, const std::string& file, TemplateOptions options = {}) {
    return ChooseTemplate(session_, base_, roots_, anchors_, {type, x, y, file, "Look " + file, ""}, options);
  }

  testing::TempFolder folder_;
  DataRoots roots_{{}, {}, folder_.Path()};
  TTemplateBase base_;
  DeskGeometry geometry_;
  testing::RecordingObserver observer_;
  TWorkDesk desk_{observer_, [] {
                    DeskGeometry g;
                    g.CentreView();
                    return g;
                  }()};
  testing::ScriptedQuestions questions_;
  EditingSession session_{desk_, questions_};
  PlacementAnchors anchors_;
};

TEST_F(LayingTest, AFaceTemplateIsRefusedUntilTheFaceIsAdjustedThenLaidFromItsAnchor) {
  EXPECT_EQ(Choose(kFace, -30, -50, "Hair\\bob.psd").message, "MessageFaceIsNotAdjusted");
  EXPECT_EQ(desk_.Count(), 0);
  anchors_.face = {400, 471};
  const ChoiceOutcome outcome = Choose(kFace, -30, -50, "hair\\BOB.psd");
  ASSERT_EQ(outcome.laid, 1);
  ASSERT_EQ(desk_.Count(), 1);
  const TLayer& layer = desk_.Layer(0);
  EXPECT_EQ(layer.X(), 370);
  EXPECT_EQ(layer.Y(), 421);
  EXPECT_EQ(layer.Depth(), 60) << "the type's level";
  EXPECT_EQ(layer.TemplateType(), kFace);
  EXPECT_EQ(layer.DisplayName(), "Look hair\\BOB.psd");
  EXPECT_EQ(layer.SourcePath(), "Hair\\bob.psd") << "without its data root";
  EXPECT_TRUE(layer.Mask().HasRegionAt(10, 10, 1)) << "the mask beside it is loaded";
  EXPECT_EQ(desk_.ActiveIndex(), 0);
  EXPECT_EQ(desk_.LastAction(), EditingAction::TemplateApplied);
}

TEST_F(LayingTest, BodyAndWholeWorkTemplatesNeedNoAdjustment) {
  ASSERT_EQ(Choose(kBody, 7, 7, "Clothes\\top.psd").laid, 1);
  EXPECT_EQ(desk_.Layer(0).X(), 394) << "centred on the view's middle (444, 492)";
  EXPECT_EQ(desk_.Layer(0).Y(), 462);
  ASSERT_EQ(Choose(kWork, -223, -246, "Frames\\gold.psd").laid, 1);
  const TLayer& frame = desk_.Layer(0);
  EXPECT_EQ(frame.X(), 222) << "from the table's centre (445, 492)";
  EXPECT_EQ(frame.Y(), 246);
  EXPECT_EQ(frame.Depth(), 90);
  EXPECT_EQ(desk_.Layer(1).Depth(), 10) << "the frame lies in front of the top";
}

TEST_F(LayingTest, ANailTemplateIsLaidOnEachChosenMarkedNailSizedAndTurned) {
  TemplateOptions options;
  EXPECT_EQ(Choose(kNails, 100, 100, "Nails\\red.psd", options).message, "MessageHandIsNotAdjusted");
  anchors_.nails[1] = {300, 400, 40, 80, 0};
  anchors_.nails[3] = {500, 420, 20, 40, 30};
  EXPECT_EQ(Choose(kNails, 100, 100, "Nails\\red.psd", options).message, "MessageNailsNotSelected");
  options.nails = {true, true, true, true, false};  // nail 1 and 3 are not marked
  ASSERT_EQ(Choose(kNails, 100, 100, "Nails\\red.psd", options).laid, 2);
  ASSERT_EQ(desk_.Count(), 2);
  const TLayer* straight = &desk_.Layer(0);
  const TLayer* turned = &desk_.Layer(1);
  if (straight->Angle() != 0) std::swap(straight, turned);
  EXPECT_EQ(straight->WorkPicture().Width(), 40);
  EXPECT_EQ(straight->WorkPicture().Height(), 60);
  EXPECT_EQ(straight->X(), 280);
  EXPECT_EQ(straight->Y(), 360);
  EXPECT_EQ(turned->Angle(), 30);
  EXPECT_EQ(turned->TransformMode(), kModeRotated);
  // 20 x 30 box on the second nail: the template's own size, turned about its centre.
  const Rect area = turned->TableRect();
  EXPECT_NEAR((area.left + area.right) / 2.0, 500, 1.5);
  EXPECT_NEAR((area.top + area.bottom) / 2.0, 420 - 20 + 15, 1.5);
}

TEST_F(LayingTest, ReplaceSameTypeDeletesEveryLayerOfTheTypeButNotThePortrait) {
  anchors_.face = {400, 471};
  WriteTemplate("Hair/long.psd", 50, 50, false);
  questions_.yes = {"ConfirmAdjustFace"};
  Picture face(445, 492);
  session_.LayReferenceLayer(EditingSession::ReferenceKind::Face, face, "Portrait", false);
  Choose(kFace, 0, 0, "Hair\\bob.psd");
  Choose(kFace, 0, 0, "Hair\\long.psd");
  Choose(kBody, 0, 0, "Clothes\\top.psd");
  ASSERT_EQ(desk_.Count(), 4);
  TemplateOptions replace;
  replace.replaceSameType = true;
  ASSERT_EQ(Choose(kFace, 0, 0, "Hair\\long.psd", replace).laid, 1);
  ASSERT_EQ(desk_.Count(), 3);
  int hair = 0;
  for (int i = 0; i < desk_.Count(); ++i) hair += desk_.Layer(i).TemplateType() == kFace;
  EXPECT_EQ(hair, 1);
  EXPECT_NE(desk_.PortraitLayer(), nullptr);
}

TEST_F(LayingTest, TitlesMissingFilesAndTypesWithoutARecordLayNothingOrPlainly) {
  anchors_.face = {400, 471};
  EXPECT_EQ(Choose(kFace, kTitleEntryX, 0, "Hair\\bob.psd").laid, 0);
  EXPECT_EQ(Choose(kFace, 0, 0, "Hair\\gone.psd").laid, 0);
  EXPECT_EQ(desk_.Count(), 0);
  // A type the settings do not know is placed as a face template at depth 0.
  ASSERT_EQ(Choose(kUnknown, 5, 6, "Hair\\bob.psd").laid, 1);
  EXPECT_EQ(desk_.Layer(0).X(), 405);
  EXPECT_EQ(desk_.Layer(0).Depth(), 0);
}

}  // namespace
}  // namespace lumena
