// Laying the reference layer of an adjusted picture.
#include <gtest/gtest.h>

#include "editing/editing_session.h"
#include "editing/scripted_questions.h"
#include "work/work_desk_test_host.h"

namespace lumena {
namespace {

using Kind = EditingSession::ReferenceKind;

struct Fixture : testing::DeskFixture {
  testing::ScriptedQuestions questions;
  EditingSession session{desk, questions};
  Picture face = [] {
    Picture p(445, 492);
    for (Pixel& px : p.Pixels()) px = {90, 120, 200, 255};
    return p;
  }();
};

TEST(ReferenceLayer, NoLeavesTheWorkAsItWas) {
  Fixture f;
  EXPECT_EQ(f.session.LayReferenceLayer(Kind::Face, f.face, "Portrait", false), std::nullopt);
  EXPECT_EQ(f.questions.asked, std::vector<std::string>{"ConfirmAdjustFace"});
  EXPECT_EQ(f.desk.Count(), 0);
}

TEST(ReferenceLayer, ThePortraitIsCentredOnTheTableActiveAndRecorded) {
  Fixture f;
  f.questions.yes = {"ConfirmAdjustFace"};
  const std::optional<Point> at = f.session.LayReferenceLayer(Kind::Face, f.face, "Portrait", false);
  ASSERT_EQ(at, (Point{222, 246})) << "(890 - 445) / 2 rounds to the even 222";
  ASSERT_EQ(f.desk.Count(), 1);
  EXPECT_EQ(f.desk.PortraitLayer(), &f.desk.Layer(0));
  EXPECT_EQ(f.desk.ActiveIndex(), 0);
  EXPECT_EQ(f.desk.Layer(0).DisplayName(), "Portrait");
  EXPECT_EQ(f.desk.Layer(0).X(), 222);
  EXPECT_EQ(f.desk.LastAction(), EditingAction::NewPortrait);
  EXPECT_EQ(f.observer.portraitChanges, 1) << "the preview takes the new portrait";
}

TEST(ReferenceLayer, AHandOrBodyLeavesThePortraitPreviewAlone) {
  Fixture f;
  f.questions.yes = {"ConfirmAdjustHand", "ConfirmAdjustBody"};
  f.session.LayReferenceLayer(Kind::Hand, f.face, "Hand", false);
  f.session.LayReferenceLayer(Kind::Body, f.face, "Body", false);
  EXPECT_EQ(f.observer.portraitChanges, 0);
}

TEST(ReferenceLayer, WithLayersOnTheDeskItAsksToClearThemAndReplacesTheOldPortrait) {
  Fixture f;
  f.questions.yes = {"ConfirmAdjustFace"};
  f.session.LayReferenceLayer(Kind::Face, f.face, "Portrait", false);
  f.Add(10, 10, 20, 20, {1, 2, 3, 255});
  f.session.LayReferenceLayer(Kind::Face, f.face, "Portrait 2", false);
  EXPECT_EQ(f.questions.asked.back(), "ConfirmClearPrevWork");
  ASSERT_EQ(f.desk.Count(), 2) << "No to clearing keeps the other layer, the old portrait goes";
  EXPECT_EQ(f.desk.PortraitLayer()->DisplayName(), "Portrait 2");

  f.questions.yes.insert("ConfirmClearPrevWork");
  f.questions.yes.insert("ConfirmAdjustHand");
  f.session.LayReferenceLayer(Kind::Hand, f.face, "Hand", false);
  ASSERT_EQ(f.desk.Count(), 1) << "Yes clears the work first";
  EXPECT_EQ(f.desk.PortraitLayer(), nullptr);
  EXPECT_EQ(f.desk.HandLayer(), &f.desk.Layer(0));
}

}  // namespace
}  // namespace lumena
