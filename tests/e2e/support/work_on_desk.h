#pragma once
// The flows that begin with a work opened on the command line: two layers,
// a red one with a square hole in front of a larger blue one, and the
// desk's table points found on the screen.
#include <QPoint>
#include <cstdlib>
#include <filesystem>

#include "e2e/support/lumena_test.h"
#include "e2e/support/work_maker.h"
#include "work/desk_geometry.h"

namespace lumena::e2e {

inline constexpr Pixel kRed{40, 40, 220, 255};
inline constexpr Pixel kBlue{200, 90, 30, 255};
inline constexpr QRgb kRedShown = 0xDC2828, kBlueShown = 0x1E5AC8, kBlack = 0;

// The compressed work keeps its pictures as JPEG: colours come back close.
inline bool Near(QRgb shown, QRgb expected) {
  return std::abs(qRed(shown) - qRed(expected)) <= 6 && std::abs(qGreen(shown) - qGreen(expected)) <= 6 &&
         std::abs(qBlue(shown) - qBlue(expected)) <= 6;
}

class WorkOnDeskTest : public LumenaTest {
 protected:
  // `templateType` gives both layers a group: 0 puts them on the face.
  void StartOnTwoLayers(int templateType = -1) {
    work_ = run_.Home() / "two.lmc";
    MakeWork(work_, {{Filled(100, 100, kRed, {30, 30, 70, 70}), {300, 400}, templateType},
                     {Filled(200, 200, kBlue), {250, 350}, templateType}});
    StartLumena({work_.string()});
    ASSERT_TRUE(WaitUntil([&] { return Near(ShownAt({310, 410}), kRedShown); })) << "the work never showed";
  }

  // The screen point of a table point, with the desk's view centred.
  QPoint OnScreen(Point table) const {
    DeskGeometry g = desk_;
    g.CentreView();
    const ScreenRect main = screen_.MainWindow(windowWidth_, windowHeight_);
    return {main.left + g.windowX + table.x - g.viewLeft, main.top + g.windowY + table.y - g.viewTop};
  }
  QRgb ShownAt(Point table) const {
    const QPoint p = OnScreen(table);
    return screen_.PixelAt(p.x(), p.y());
  }
  void ClickAt(Point table) {
    const QPoint p = OnScreen(table);
    x_.MoveTo(p.x(), p.y());
    x_.Click(p.x(), p.y());
  }
  void ChooseMode(const char* button) { screen_.ClickControl(screen_.MainWindow(), kMainWindowLayout, button); }
  // Clicks a control of the main window once it is drawn.
  void ClickWhenShown(std::string_view name) {
    const ScreenRect place = LumenaScreen::Control(screen_.MainWindow(), kMainWindowLayout, name);
    ASSERT_TRUE(WaitUntil([&] { return screen_.Drawn(place); })) << name << " never showed";
    screen_.ClickControl(screen_.MainWindow(), kMainWindowLayout, name);
  }

  // In the Actions mode; the frame's black bottom edge shows the selection.
  void SelectTheRedLayer() {
    ChooseMode("ButtonActions");
    ClickAt({310, 410});
    ASSERT_TRUE(WaitUntil([&] { return Near(ShownAt({350, 499}), kBlack); })) << "the red layer was not selected";
  }

  // The changed work is saved back on the way out, over its own file, then
  // the exit is confirmed.
  void ExitSavingTheWork() {
    const auto before = std::filesystem::last_write_time(work_);
    screen_.ClickControl(AskToExit(), kMessageWindowLayout, "ButtonYes");
    ASSERT_TRUE(ReplaceFileByName(kSaveWorkDialog, work_.stem().string())) << "the save dialog stayed";
    ASSERT_TRUE(WaitUntil([&] { return std::filesystem::last_write_time(work_) != before; }))
        << "the work was not saved";
    screen_.ClickControl(WaitForMessage(), kMessageWindowLayout, "ButtonYes");
    EXPECT_EQ(run_.WaitForExit(kStepSeconds), 0);
  }

  // The window's size and the desk's place; a smaller interface changes them.
  int windowWidth_ = kMainWindowLayout.width, windowHeight_ = kMainWindowLayout.height;
  DeskGeometry desk_;
  std::filesystem::path work_;
};

}  // namespace lumena::e2e
