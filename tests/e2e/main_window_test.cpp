// The main window around the desk as a user meets it: its groups of
// controls, the tool panels closed and opened again, the template strip
// scrolled by a held button, a publisher's page, clearing the work and
// leaving by the exit button of the window.
#include <gtest/gtest.h>

#include <fstream>

#include "e2e/support/work_on_desk.h"
#include "shell/main_window_layout.h"

namespace lumena::e2e {
namespace {

class MainWindowTest : public WorkOnDeskTest {
 protected:
  ScreenRect Place(std::string_view name) const {
    return LumenaScreen::Control(screen_.MainWindow(), kMainWindowLayout, name);
  }
  QImage Shown(const ScreenRect& r) const { return x_.GrabScreen().copy(r.left, r.top, r.width, r.height); }
  // The inside of a slot's round button: its corners show the skin, which
  // differs from slot to slot.
  ScreenRect Slot(size_t i) const {
    const ScreenRect main = screen_.MainWindow();
    constexpr int kRim = 12;
    return {main.left + kTemplateSlots[i].x + kRim, main.top + kTemplateSlots[i].y + kRim, kTemplateSide - 2 * kRim,
            kTemplateSide - 2 * kRim};
  }
  void SetPublisherLink(const std::string& key, const std::string& address) {
    const std::filesystem::path settings = run_.ProgramFolder() / "Lumena.ini";
    std::string text = lumena::testing::ReadFile(settings);
    const std::string empty = key + "=\r\n";
    ASSERT_NE(text.find(empty), std::string::npos) << key;
    text.replace(text.find(empty), empty.size(), key + "=" + address + "\r\n");
    std::ofstream(settings, std::ios::binary) << text;
  }
};

TEST_F(MainWindowTest, EveryGroupOfControlsShowsAroundTheWorkAndTheExitButtonLeaves) {
  StartOnTwoLayers();
  for (const char* control : {"ButtonLoadSave", "ButtonHelp", "ButtonExitMain", "ButtonLogoPBC", "ButtonTellaFriend",
                              "ButtonTemplatePrev", "ButtonTemplateNext", "ButtonColoration", "ButtonLayerUndo",
                              "PanelLayerTools", "PanelDesktopTools", "SliderScale", "ButtonClearWork"})
    EXPECT_TRUE(WaitUntil([&] { return screen_.Drawn(Place(control)); })) << control << " is not drawn";
  EXPECT_TRUE(screen_.Drawn(Slot(0)) && screen_.Drawn(Slot(kTemplateSlots.size() - 1))) << "the strip is empty";
  screen_.Screenshot("main-window-with-work");
  screen_.ClickControl(screen_.MainWindow(), kMainWindowLayout, "ButtonExitMain");
  screen_.ClickControl(WaitForMessage(), kMessageWindowLayout, "ButtonYes");
  EXPECT_EQ(run_.WaitForExit(kStepSeconds), 0);
}

TEST_F(MainWindowTest, EachToolPanelClosesAndOpensAgain) {
  StartOnTwoLayers();
  ChooseMode("ButtonActions");
  struct Panel {
    const char* close;
    const char* open;
    const char* inside;
  };
  for (const Panel& panel : {Panel{"BBPLayerTools", "BBLayerTools", "ButtonLayerDelete"},
                             Panel{"BBPDesktopTools", "BBDesktopTools", "ButtonCentering"}}) {
    const ScreenRect inside = Place(panel.inside);
    ASSERT_TRUE(WaitUntil([&] { return screen_.Drawn(inside); })) << panel.inside << " never showed";
    const QImage open = Shown(inside);
    ClickWhenShown(panel.close);
    ASSERT_TRUE(WaitUntil([&] { return Shown(inside) != open; })) << panel.close << " left the panel open";
    screen_.Screenshot(std::string("main-window-") + panel.close + "-closed");
    ClickWhenShown(panel.open);
    ASSERT_TRUE(WaitUntil([&] { return Shown(inside) == open; })) << panel.open << " did not open the panel";
  }
  ExitByMouse();
}

// Ten template types in seven slots: the strip ends three steps on.
TEST_F(MainWindowTest, HoldingNextScrollsTheStripToItsEndAndPreviousStepsBack) {
  StartLumena();
  ASSERT_TRUE(WaitUntil([&] { return screen_.Drawn(Slot(3)); })) << "the strip never showed";
  screen_.Screenshot("main-window-at-start");
  std::vector<QImage> shown;
  for (size_t i = 0; i < 4; ++i) shown.push_back(Shown(Slot(i)));
  ASSERT_NE(shown[0], shown[1]);
  const ScreenRect next = Place("ButtonTemplateNext");
  x_.MoveTo(next.CentreX(), next.CentreY());
  x_.Press(1);
  // Held down, without a click, the strip steps on by itself.
  const bool scrolled = WaitUntil([&] { return Shown(Slot(0)) == shown[3]; });
  x_.Release(1);
  ASSERT_TRUE(scrolled) << "holding the next button did not scroll to the end";
  screen_.Screenshot("main-window-strip-end");
  screen_.ClickControl(screen_.MainWindow(), kMainWindowLayout, "ButtonTemplateNext");  // past the end: nothing
  for (int back = 2; back >= 0; --back) {
    screen_.ClickControl(screen_.MainWindow(), kMainWindowLayout, "ButtonTemplatePrev");
    ASSERT_TRUE(WaitUntil([&] { return Shown(Slot(0)) == shown[back]; })) << "previous did not step back to " << back;
  }
  ExitByMouse();
}

TEST_F(MainWindowTest, APublisherButtonOpensItsPage) {
  SetPublisherLink("SubscribeURL", "http://127.0.0.1:9/subscribe");
  StartLumena();
  ClickWhenShown("ButtonLogoPBC");  // no address in the settings: nothing opens
  ClickWhenShown("ButtonSubscribe");
  const std::vector<std::string> expected{"xdg-open http://127.0.0.1:9/subscribe"};
  EXPECT_TRUE(WaitUntil([&] { return run_.OutsideProgramCalls("xdg-open") == expected; }));
  ExitByMouse();
  EXPECT_EQ(run_.OutsideProgramCalls("xdg-open"), expected);
}

TEST_F(MainWindowTest, ClearingTheWorkAsksAboutTheFaceLayersAndDeletesThemOnYes) {
  StartOnTwoLayers(0);
  ClickWhenShown("ButtonClearWork");
  const ScreenRect question = WaitForMessage();
  screen_.Screenshot("main-window-clear-work-question");
  screen_.ClickControl(question, kMessageWindowLayout, "ButtonNo");
  ASSERT_TRUE(WaitUntil([&] { return MessageGone(); }));
  EXPECT_TRUE(Near(ShownAt({310, 410}), kRedShown)) << "No kept the layers";
  ClickWhenShown("ButtonClearWork");
  screen_.ClickControl(WaitForMessage(), kMessageWindowLayout, "ButtonYes");
  ASSERT_TRUE(WaitUntil([&] {
    return !Near(ShownAt({310, 410}), kRedShown) && !Near(ShownAt({260, 360}), kBlueShown);
  })) << "Yes did not clear the desk";
  // The empty desk window hides: its white table gives way to the skin.
  EXPECT_TRUE(WaitUntil([&] { return ShownAt({445, 492}) != 0xFFFFFFu; })) << "the empty desk still shows";
  ExitByMouse();  // nothing is left to save
}

}  // namespace
}  // namespace lumena::e2e
