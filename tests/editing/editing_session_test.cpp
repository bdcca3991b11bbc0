#include "editing/editing_session.h"

#include <gtest/gtest.h>

#include "editing/scripted_questions.h"
#include "interface/interface_context.h"
#include "work/undo.h"
#include "work/work_desk_test_host.h"

namespace lumena {
namespace {

constexpr Pixel kOpaque{50, 60, 70, 255};

struct SessionFixture : testing::DeskFixture {
  testing::ScriptedQuestions questions;
  EditingSession session{desk, questions};
};

TEST(EditingSession, ModifyModeHoldsTheDisplacementFieldOnlyWhileChosen) {
  SessionFixture f;
  EXPECT_FALSE(f.session.SetLayerMode(LayerMode::None)) << "unchanged";
  ASSERT_TRUE(f.session.SetLayerMode(LayerMode::Modify));
  ASSERT_TRUE(f.desk.Displacement().Allocated());
  f.desk.Displacement().At(5, 7) = {3, 4};
  f.session.SetLayerMode(LayerMode::Paint);
  EXPECT_FALSE(f.desk.Displacement().Allocated()) << "leaving Modify releases the field";
  f.session.SetLayerMode(LayerMode::Modify);
  EXPECT_EQ(f.desk.Displacement().At(5, 7).dx, 0) << "coming back starts at zero";
  EXPECT_EQ(f.session.Mode(), LayerMode::Modify);
}

TEST(EditingSession, ARunOfKeyMovesIsUndoneAtOnce) {
  SessionFixture f;
  TLayer& layer = f.Add(100, 100, 10, 10, kOpaque);
  f.desk.SetActive(0);
  f.session.NudgeActive(1, 0);
  f.session.NudgeActive(0, -10);
  f.session.NudgeActive(1, 0);
  EXPECT_EQ(layer.X(), 102);
  EXPECT_EQ(layer.Y(), 90);
  EXPECT_EQ(layer.UndoList().Size(), 1u);
  f.session.UndoActive();
  EXPECT_EQ(layer.X(), 100);
  EXPECT_EQ(layer.Y(), 100);
  EXPECT_EQ(f.desk.LastAction(), EditingAction::Undo);

  f.session.ChangeParameter(ColourField::Hue, 120);
  f.session.NudgeActive(1, 0);
  EXPECT_EQ(layer.UndoList().Newest().Kind, UndoKind::Move) << "a move after another action starts a new record";
}

TEST(EditingSession, PasteStateNeedsACopyAndCarriesTheNineParameters) {
  SessionFixture f;
  TLayer& a = f.Add(0, 0, 4, 4, kOpaque);
  TLayer& b = f.Add(0, 0, 4, 4, kOpaque);
  f.desk.SetActive(1);
  f.session.PasteState();
  EXPECT_EQ(b.Params(), ColourParameters{}) << "nothing to paste before a copy";
  EXPECT_FALSE(f.session.HasCopiedState());
  f.desk.SetActive(0);
  f.session.ChangeParameter(ColourField::Red, 80);
  f.session.ChangeParameter(ColourField::Opacity, 40);
  f.session.CopyState();
  ASSERT_TRUE(f.session.HasCopiedState());
  f.desk.SetActive(1);
  f.session.PasteState();
  EXPECT_EQ(b.Params(), a.Params());
  EXPECT_EQ(b.Params().Red, 80);
}

TEST(EditingSession, ClearingAsksOnlyAboutGroupsOnTheDeskAndDeletesTheAnsweredOnes) {
  SessionFixture f;
  f.Add(0, 0, 4, 4, kOpaque, 0, "face").SetTemplateType(1);
  f.Add(0, 0, 4, 4, kOpaque, 0, "hand").SetTemplateType(3);
  TLayer& portrait = f.Add(0, 0, 4, 4, kOpaque, 0, "portrait");
  f.desk.SetPortraitLayer(&portrait);
  f.desk.SetActive(0);
  f.questions.yes = {"ConfirmDeleteHandLayers"};
  f.session.ClearWorkByGroups();
  EXPECT_EQ(f.questions.asked, (std::vector<std::string>{"ConfirmDeleteFaceLayers", "ConfirmDeleteHandLayers"}))
      << "no body layer: no body question";
  EXPECT_EQ(f.desk.Count(), 2);
  for (const char* kept : {"face", "portrait"}) {
    bool found = false;
    for (int i = 0; i < f.desk.Count(); ++i) found = found || f.desk.Layer(i).DisplayName() == kept;
    EXPECT_TRUE(found) << kept;
  }
}

TEST(EditingSession, DeletingAsksWithTheLayersName) {
  SessionFixture f;
  CurrentInterface().Termins = {{"ConfirmDeleteLayer", "Delete layer"}};
  f.Add(0, 0, 4, 4, kOpaque, 0, "Fringe");
  f.desk.SetActive(0);
  f.session.DeleteActive();
  EXPECT_EQ(f.desk.Count(), 1) << "No keeps the layer";
  f.questions.yes = {"Delete layer\r\"Fringe\" ?"};
  f.session.DeleteActive();
  EXPECT_EQ(f.desk.Count(), 0);
  EXPECT_EQ(f.desk.LastAction(), EditingAction::LayersDeleted);
  CurrentInterface().Termins.clear();
}

TEST(EditingSession, LayerCommandsWithoutAnActiveLayerDoNothing) {
  SessionFixture f;
  f.Add(0, 0, 4, 4, kOpaque);
  f.desk.SetActive(-1);
  f.session.MoveActiveToBack();
  f.session.ToggleActiveVisible();
  f.session.DeleteActive();
  f.session.NudgeActive(1, 1);
  f.session.FlipActive();
  EXPECT_TRUE(f.questions.asked.empty());
  EXPECT_EQ(f.desk.LastAction(), EditingAction::None);
}

TEST(EditingSession, FrontAndBackMoveTheActiveLayerToTheEnds) {
  SessionFixture f;
  for (const char* name : {"a", "b", "c"}) f.Add(0, 0, 4, 4, kOpaque, 0, name);
  f.desk.SetActive(1);
  f.session.MoveActiveToBack();
  EXPECT_EQ(f.desk.Layer(2).DisplayName(), "b");
  f.session.MoveActiveToFront();
  EXPECT_EQ(f.desk.Layer(0).DisplayName(), "b");
  EXPECT_EQ(f.desk.LastAction(), EditingAction::LayerOrderChanged);
}

}  // namespace
}  // namespace lumena
