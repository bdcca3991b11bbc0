// An interface whose 1024-768 folder is missing falls back to its 800-600
// one: a smaller window, a smaller desk, the controls where that
// description puts them, and a user works with them as in the larger one.
#include <gtest/gtest.h>

#include <filesystem>

#include "e2e/support/work_on_desk.h"
#include "shell/main_window_layout.h"

namespace lumena::e2e {
namespace {

class SmallerInterfaceTest : public WorkOnDeskTest {
 protected:
  SmallerInterfaceTest() {
    std::filesystem::remove_all(run_.ProgramFolder() / "Intfaces" / "DEFAULT" / "1024-768");
    windowWidth_ = kSmallScreenWidth;
    windowHeight_ = kSmallScreenHeight;
    desk_.windowX = kSmallScreenDesk.left;
    desk_.windowY = kSmallScreenDesk.top;
    desk_.windowWidth = kSmallScreenDesk.width;
    desk_.windowHeight = kSmallScreenDesk.height;
  }

  // Where the smaller interface puts a control: its own new place, or its
  // holder's new place and its place in the holder.
  static ControlPlace SmallPlace(std::string_view name) {
    const ControlLayout* c = kMainWindowLayout.Control(name);
    if (!c) throw std::invalid_argument("no control " + std::string(name));
    for (const SmallScreenPlace& s : kSmallScreenPlaces)
      if (s.name == name) return {s.place.left, s.place.top, c->width, c->height};
    if (c->parent.empty()) return {c->left, c->top, c->width, c->height};
    const ControlPlace holder = SmallPlace(c->parent);
    return {holder.left + c->left, holder.top + c->top, c->width, c->height};
  }

  void ClickSmall(std::string_view name) {
    const ControlPlace p = SmallPlace(name);
    const ScreenRect main = screen_.MainWindow(windowWidth_, windowHeight_);
    const ScreenRect place{main.left + p.left, main.top + p.top, p.width, p.height};
    ASSERT_TRUE(WaitUntil([&] { return screen_.Drawn(place); })) << name << " never showed";
    screen_.ClickPlace(main, place);
  }
};

TEST_F(SmallerInterfaceTest, ItsControlsStandWhereItsDescriptionPutsThemAndWork) {
  StartOnTwoLayers();
  screen_.Screenshot("smaller-interface");
  ClickSmall("ButtonActions");
  ClickAt({310, 410});
  ASSERT_TRUE(WaitUntil([&] { return Near(ShownAt({350, 499}), kBlack); })) << "the red layer was not selected";
  ClickSmall("ButtonLayerMoveBottom");
  ASSERT_TRUE(WaitUntil([&] { return Near(ShownAt({310, 410}), kBlueShown); })) << "the red layer did not go back";
  screen_.Screenshot("smaller-interface-actions");
  ClickSmall("ButtonExitMain");
  screen_.ClickControl(WaitForMessage(), kMessageWindowLayout, "ButtonYes");  // save the changed work
  ASSERT_TRUE(ReplaceFileByName(kSaveWorkDialog, work_.stem().string())) << "the save dialog stayed";
  screen_.ClickControl(WaitForMessage(), kMessageWindowLayout, "ButtonYes");  // and leave
  EXPECT_EQ(run_.WaitForExit(kStepSeconds), 0);
}

}  // namespace
}  // namespace lumena::e2e
