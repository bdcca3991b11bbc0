#include "editing/main_controls.h"

#include <gtest/gtest.h>

#include <map>

#include "editing/editing_session.h"
#include "editing/scripted_questions.h"
#include "work/work_desk_test_host.h"

namespace lumena {
namespace {

using C = MainControl;

MainControlInputs OneActiveLayer(LayerMode mode) {
  MainControlInputs in;
  in.mode = mode;
  in.layerCount = 3;
  in.hasActive = true;
  in.activeVisible = true;
  in.activeHasUndo = true;
  in.window.modeSkinLoaded.fill(true);
  return in;
}

TEST(MainControls, AnEmptyDeskHidesTheDeskAndBothPanelsAndLeavesTheRest) {
  MainControlInputs in;
  in.mode = LayerMode::Actions;
  const MainControlStates s = ComputeMainControls(in);
  EXPECT_FALSE(s.deskVisible);
  EXPECT_FALSE(s.layerToolsVisible);
  EXPECT_FALSE(s.desktopToolsVisible);
  EXPECT_FALSE(s.controlsApply);
}

TEST(MainControls, ClosedPanelsStayHiddenWithLayers) {
  MainControlInputs in = OneActiveLayer(LayerMode::Coloration);
  in.window.layerToolsOpen = false;
  const MainControlStates s = ComputeMainControls(in);
  EXPECT_TRUE(s.deskVisible);
  EXPECT_FALSE(s.layerToolsVisible);
  EXPECT_TRUE(s.desktopToolsVisible);
}

struct ModeCase {
  LayerMode mode;
  std::vector<C> shown;  // every other control of the table is hidden
};

class ModeTable : public ::testing::TestWithParam<ModeCase> {};

TEST_P(ModeTable, EachModeShowsItsOwnControls) {
  const ModeCase& c = GetParam();
  const MainControlStates s = ComputeMainControls(OneActiveLayer(c.mode));
  EXPECT_EQ(s.pressedMode, c.mode);
  for (size_t i = 0; i < kMainControlCount; ++i) {
    const auto control = static_cast<C>(i);
    const bool expected =
        control == C::ButtonLayerUndo || std::find(c.shown.begin(), c.shown.end(), control) != c.shown.end();
    EXPECT_EQ(s[control].visible, expected) << MainControlName(control);
  }
}

const std::vector<C> kPaletteRow = {C::ImagePalette, C::LabelPaletteName, C::ButtonPalettePrev, C::ButtonPaletteNext};

std::vector<C> With(std::vector<C> a, std::initializer_list<C> b) {
  a.insert(a.end(), b);
  return a;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ModeTable,
    ::testing::Values(
        ModeCase{LayerMode::None, {}},
        ModeCase{LayerMode::Coloration, With(kPaletteRow, {C::SliderRedColor, C::SliderGreenColor, C::SliderBlueColor,
                                                           C::SliderHue, C::SliderSaturation, C::ImageSkinColoration})},
        ModeCase{LayerMode::Appearance,
                 With(kPaletteRow, {C::SliderBrightness, C::SliderContrast, C::SliderOpacity, C::ImageSkinAppearance})},
        ModeCase{LayerMode::Modify, {C::SliderModifierPower, C::SliderModifierSize, C::ImageSkinModifier}},
        ModeCase{LayerMode::Paint, With(kPaletteRow, {C::SliderBrushPower, C::SliderBrushSize,
                                                      C::ButtonCurrentBrushColor, C::ImageSkinBrush})},
        ModeCase{LayerMode::Erase, {C::SliderEraserPower, C::SliderEraserSize, C::ImageSkinEraser}},
        ModeCase{LayerMode::Actions,
                 {C::ImageSkinActions, C::ButtonLayerMoveBottom, C::ButtonLayerMoveTop, C::ButtonLayerHide,
                  C::ButtonLayerDelete, C::ButtonLayerRegions, C::ButtonLayerCopyState, C::ButtonLayerReset,
                  C::ButtonLayerSave, C::ButtonLayerPasteState, C::ButtonBaldHead}}));

struct EnableCase {
  const char* name;
  void (*change)(MainControlInputs&);
  C control;
  ControlState expected;
};

class ActionsTable : public ::testing::TestWithParam<EnableCase> {};

TEST_P(ActionsTable, TheActionsPanelFollowsTheDesk) {
  MainControlInputs in = OneActiveLayer(LayerMode::Actions);
  GetParam().change(in);
  EXPECT_EQ(ComputeMainControls(in)[GetParam().control], GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ActionsTable,
    ::testing::Values(
        EnableCase{"front layer cannot go to the front",
                   [](MainControlInputs& i) { i.activeIsFirst = true; },
                   C::ButtonLayerMoveTop,
                   {true, false}},
        EnableCase{"back layer cannot go to the back",
                   [](MainControlInputs& i) { i.activeIsLast = true; },
                   C::ButtonLayerMoveBottom,
                   {true, false}},
        EnableCase{"hidden layer offers Show",
                   [](MainControlInputs& i) { i.activeVisible = false; },
                   C::ButtonLayerShow,
                   {true, true}},
        EnableCase{"hidden layer hides Hide",
                   [](MainControlInputs& i) { i.activeVisible = false; },
                   C::ButtonLayerHide,
                   {false, true}},
        EnableCase{"no active layer: Show stays, disabled",
                   [](MainControlInputs& i) { i.hasActive = false; },
                   C::ButtonLayerShow,
                   {true, false}},
        EnableCase{"paste waits for a copy", [](MainControlInputs&) {}, C::ButtonLayerPasteState, {true, false}},
        EnableCase{"paste after a copy",
                   [](MainControlInputs& i) { i.stateCopied = true; },
                   C::ButtonLayerPasteState,
                   {true, true}},
        EnableCase{"bald head needs a portrait", [](MainControlInputs&) {}, C::ButtonBaldHead, {true, false}},
        EnableCase{"flip only where the interface offers it",
                   [](MainControlInputs&) {},
                   C::ButtonLayerFlipHorizontal,
                   {false, true}},
        EnableCase{"flip offered",
                   [](MainControlInputs& i) { i.window.flipOffered = true; },
                   C::ButtonLayerFlipHorizontal,
                   {true, true}},
        EnableCase{"an empty skin picture is not shown",
                   [](MainControlInputs& i) { i.window.modeSkinLoaded[5] = false; },
                   C::ImageSkinActions,
                   {false, true}},
        EnableCase{"undo follows the undo list",
                   [](MainControlInputs& i) { i.activeHasUndo = false; },
                   C::ButtonLayerUndo,
                   {true, false}}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

TEST(MainControls, SlidersWaitForAnActiveLayerAndThePaletteForPages) {
  MainControlInputs in = OneActiveLayer(LayerMode::Coloration);
  in.hasActive = false;
  MainControlStates s = ComputeMainControls(in);
  EXPECT_EQ(s[C::SliderHue], (ControlState{true, false}));
  EXPECT_FALSE(s[C::LabelPaletteName].visible);
  EXPECT_TRUE(s[C::ImagePalette].visible);
  in.hasActive = true;
  in.window.paletteHasPages = true;
  s = ComputeMainControls(in);
  EXPECT_TRUE(s[C::SliderPaletteColor].visible);
}

TEST(MainControls, InputsComeFromTheSessionsDesk) {
  testing::DeskFixture f;
  testing::ScriptedQuestions questions;
  EditingSession session(f.desk, questions);
  f.Add(0, 0, 4, 4, {1, 2, 3, 255});
  f.Add(0, 0, 4, 4, {1, 2, 3, 255});
  f.desk.SetActive(1);
  f.desk.SetPortraitLayer(&f.desk.Layer(0));
  session.SetLayerMode(LayerMode::Actions);
  session.CopyState();
  const MainControlInputs in = InputsOf(session, {});
  EXPECT_EQ(in.mode, LayerMode::Actions);
  EXPECT_EQ(in.layerCount, 2);
  EXPECT_TRUE(in.activeIsLast);
  EXPECT_FALSE(in.activeIsFirst);
  EXPECT_TRUE(in.hasPortrait);
  EXPECT_TRUE(in.stateCopied);
  EXPECT_FALSE(in.activeHasUndo);
}

TEST(MainControls, EveryControlHasItsName) {
  EXPECT_EQ(MainControlName(C::ImagePalette), "ImagePalette");
  EXPECT_EQ(MainControlName(C::ButtonLayerFlipHorizontal), "ButtonLayerFlipHorizontal");
  EXPECT_EQ(MainControlName(C::ButtonLayerUndo), "ButtonLayerUndo");
  EXPECT_EQ(MainControlName(C::SliderModifierSize), "SliderModifierSize");
}

}  // namespace
}  // namespace lumena
