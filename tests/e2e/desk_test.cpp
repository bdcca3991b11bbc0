// Editing a work on the desk as a user does: the work named on the command
// line is shown, clicks select through transparent pixels, a drag moves a
// layer and Ctrl+Z takes it back.
#include <gtest/gtest.h>

#include "e2e/support/work_on_desk.h"
#include "shell/main_window_layout.h"

namespace lumena::e2e {
namespace {

class DeskTest : public WorkOnDeskTest {
 protected:
  void StrokeAcross(Point from, Point to);
};

TEST_F(DeskTest, AClickThroughAHoleSelectsTheLayerBeneath) {
  StartOnTwoLayers();
  screen_.Screenshot("desk-work-opened");
  EXPECT_TRUE(Near(ShownAt({350, 450}), kBlueShown)) << "the blue layer shows through the hole";
  ChooseMode("ButtonActions");
  ClickAt({350, 450});
  // The active layer's frame: its bottom edge is drawn black.
  ASSERT_TRUE(WaitUntil([&] { return Near(ShownAt({350, 549}), kBlack); })) << "the blue layer was not selected";
  EXPECT_FALSE(Near(ShownAt({350, 499}), kBlack)) << "the red layer in front has no frame";
  screen_.Screenshot("desk-layer-selected");
  ExitByMouse();
}

TEST_F(DeskTest, DraggingMovesALayerAndCtrlZTakesItBack) {
  StartOnTwoLayers();
  ChooseMode("ButtonActions");
  const QPoint from = OnScreen({310, 410}), to = OnScreen({360, 460});
  x_.MoveTo(from.x(), from.y());
  x_.Press(1);
  for (int step = 1; step <= 10; ++step) x_.MoveTo(from.x() + step * 5, from.y() + step * 5);
  x_.Release(1);
  ASSERT_TRUE(WaitUntil([&] { return Near(ShownAt({440, 540}), kRedShown); })) << "the layer did not move";
  EXPECT_TRUE(Near(ShownAt({310, 410}), kBlueShown));
  screen_.Screenshot("desk-layer-moved");
  x_.MoveTo(to.x(), to.y());
  x_.Key("z", {"Control_L"});
  ASSERT_TRUE(WaitUntil([&] { return Near(ShownAt({310, 410}), kRedShown); })) << "Ctrl+Z did not undo the move";
  EXPECT_TRUE(Near(ShownAt({440, 540}), kBlueShown));
  ExitSavingTheWork();
}

TEST_F(DeskTest, ABrushStrokePaintsAndOneUndoRemovesIt) {
  StartOnTwoLayers();
  SelectTheRedLayer();
  ChooseMode("ButtonBrush");
  // A stroke across the red layer's top band with the black brush: moves
  // come as fast as the pointer goes and leave separate dabs, each darkening
  // a disc around it, so the stroke's end is darkened whichever are seen.
  const QPoint from = OnScreen({305, 415});
  x_.MoveTo(from.x(), from.y());
  x_.Press(1);
  for (int step = 1; step <= 20; ++step) x_.MoveTo(from.x() + step * 4, from.y());
  x_.Release(1);
  ASSERT_TRUE(WaitUntil([&] { return qRed(ShownAt({385, 415})) < 160; })) << "the stroke painted nothing";
  screen_.Screenshot("desk-brush-stroke");
  x_.Key("z", {"Control_L"});
  ASSERT_TRUE(WaitUntil([&] { return Near(ShownAt({385, 415}), kRedShown); })) << "one undo did not remove the stroke";
  ExitSavingTheWork();
}

// Press, ten moves along a line, release, in the desk's current mode.
void DeskTest::StrokeAcross(Point from, Point to) {
  const QPoint a = OnScreen(from), b = OnScreen(to);
  x_.MoveTo(a.x(), a.y());
  x_.Press(1);
  for (int step = 1; step <= 10; ++step)
    x_.MoveTo(a.x() + (b.x() - a.x()) * step / 10, a.y() + (b.y() - a.y()) * step / 10);
  x_.Release(1);
}

TEST_F(DeskTest, TheEraserLetsTheLayerBehindShowAndOneUndoBringsItBack) {
  StartOnTwoLayers();
  SelectTheRedLayer();
  ChooseMode("ButtonEraser");
  StrokeAcross({305, 415}, {385, 415});
  // Where the eraser went, the blue layer shows through the red one.
  ASSERT_TRUE(WaitUntil([&] { return !Near(ShownAt({385, 415}), kRedShown); })) << "the eraser took nothing away";
  EXPECT_GT(qBlue(ShownAt({385, 415})), qBlue(kRedShown));
  screen_.Screenshot("desk-eraser-stroke");
  x_.Key("z", {"Control_L"});
  ASSERT_TRUE(WaitUntil([&] { return Near(ShownAt({385, 415}), kRedShown); })) << "one undo did not restore it";
  ExitSavingTheWork();
}

TEST_F(DeskTest, TheModifierPushesTheHoleAlongAndOneUndoPutsItBack) {
  StartOnTwoLayers();
  SelectTheRedLayer();
  ChooseMode("ButtonModifier");
  // The hole's left edge is at table x 330; a push to the right from inside
  // the red band drags red over where the hole began.
  StrokeAcross({320, 450}, {345, 450});
  ASSERT_TRUE(WaitUntil([&] { return !Near(ShownAt({333, 450}), kBlueShown); })) << "the modifier moved nothing";
  screen_.Screenshot("desk-modifier-push");
  x_.Key("z", {"Control_L"});
  ASSERT_TRUE(WaitUntil([&] { return Near(ShownAt({333, 450}), kBlueShown); })) << "one undo did not put it back";
  ExitSavingTheWork();
}

TEST_F(DeskTest, AHueSliderDragRecoloursTheLayerAndOneUndoTakesItBack) {
  StartOnTwoLayers();
  SelectTheRedLayer();
  ChooseMode("ButtonColoration");
  const ScreenRect hue = LumenaScreen::Control(screen_.MainWindow(), kMainWindowLayout, "SliderHue");
  ASSERT_TRUE(WaitUntil([&] { return screen_.Drawn(hue); })) << "the hue slider never showed";
  // From the thumb at the neutral middle to near the track's end.
  x_.MoveTo(hue.CentreX(), hue.CentreY());
  x_.Press(1);
  for (int step = 1; step <= 10; ++step) x_.MoveTo(hue.CentreX() + step * 5, hue.CentreY());
  x_.Release(1);
  ASSERT_TRUE(WaitUntil([&] { return !Near(ShownAt({310, 410}), kRedShown); })) << "the layer kept its colour";
  EXPECT_GT(qGreen(ShownAt({310, 410})), qRed(ShownAt({310, 410}))) << "a large hue turn makes red green";
  EXPECT_TRUE(Near(ShownAt({260, 360}), kBlueShown)) << "the other layer keeps its colour";
  screen_.Screenshot("desk-hue-slider");
  ClickAt({310, 410});  // the desk takes the keyboard back
  x_.Key("z", {"Control_L"});
  ASSERT_TRUE(WaitUntil([&] { return Near(ShownAt({310, 410}), kRedShown); })) << "one undo did not restore the hue";
  ExitSavingTheWork();
}

TEST_F(DeskTest, TheActionButtonsReorderHideAndShowTheActiveLayer) {
  StartOnTwoLayers();
  SelectTheRedLayer();
  screen_.Screenshot("desk-actions-panel");
  ClickWhenShown("ButtonLayerMoveBottom");
  ASSERT_TRUE(WaitUntil([&] { return Near(ShownAt({310, 410}), kBlueShown); })) << "the red layer did not go back";
  ClickWhenShown("ButtonLayerMoveTop");
  ASSERT_TRUE(WaitUntil([&] { return Near(ShownAt({310, 410}), kRedShown); })) << "the red layer did not come front";
  ClickWhenShown("ButtonLayerHide");
  ASSERT_TRUE(WaitUntil([&] { return Near(ShownAt({310, 410}), kBlueShown); })) << "the red layer did not hide";
  ClickWhenShown("ButtonLayerShow");
  ASSERT_TRUE(WaitUntil([&] { return Near(ShownAt({310, 410}), kRedShown); })) << "the red layer did not show";
  ExitSavingTheWork();
}

TEST_F(DeskTest, ThePositionSliderMovesTheViewAndCentringBringsItBack) {
  StartOnTwoLayers();
  const ScreenRect hPos = LumenaScreen::Control(screen_.MainWindow(), kMainWindowLayout, "SliderHPos");
  ASSERT_TRUE(WaitUntil([&] { return screen_.Drawn(hPos); })) << "the position slider never showed";
  // The thumb stands at the middle: dragged to the left end, the view goes
  // to the table's left edge and the layers move right in the window.
  // The track starts half a thumb in from the slider's left edge.
  const int start = hPos.left + kThumbWidth / 2;
  x_.MoveTo(hPos.CentreX(), hPos.CentreY());
  x_.Press(1);
  for (int step = 1; step <= 10; ++step)
    x_.MoveTo(hPos.CentreX() - (hPos.CentreX() - start) * step / 10, hPos.CentreY());
  x_.Release(1);
  DeskGeometry g;
  g.CentreView();
  // With the view at the table's left edge, the red layer shows viewLeft
  // pixels further right than before.
  ASSERT_TRUE(WaitUntil([&] { return Near(ShownAt({310 + g.viewLeft, 410}), kRedShown); })) << "the view did not move";
  screen_.Screenshot("desk-view-moved");
  screen_.ClickControl(screen_.MainWindow(), kMainWindowLayout, "ButtonCentering");
  ASSERT_TRUE(WaitUntil([&] { return Near(ShownAt({310, 410}), kRedShown); })) << "centring did not bring it back";
  ExitByMouse();
}

TEST_F(DeskTest, CtrlClicksCycleThroughTheLayersUnderThePointer) {
  StartOnTwoLayers();
  SelectTheRedLayer();
  const QPoint p = OnScreen({310, 410});
  x_.MoveTo(p.x(), p.y());
  x_.HoldKey("Control_L", true);
  x_.Click(p.x(), p.y());
  x_.HoldKey("Control_L", false);
  ASSERT_TRUE(WaitUntil([&] {
    return Near(ShownAt({350, 549}), kBlack);
  })) << "Ctrl-click did not step to the back layer";
  ExitByMouse();
}

}  // namespace
}  // namespace lumena::e2e
