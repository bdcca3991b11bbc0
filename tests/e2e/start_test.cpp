// Starting the program as a user does: on a read-only install, with a
// damaged work named on the command line, on a mistyped program folder.
#include <gtest/gtest.h>

#include <fstream>

#include "e2e/support/lumena_test.h"

namespace lumena::e2e {
namespace {

namespace fs = std::filesystem;

using StartTest = LumenaTest;

TEST_F(StartTest, AReadOnlyProgramFolderRunsOnTheUsersOwnCopy) {
  run.makeProgramFolderReadOnly();
  const std::string settingsBefore = lumena::testing::readFile(run.programFolder() / "Lumena.ini");
  startLumena({}, LumenaRun::User::Unprivileged);
  const fs::path copies = run.home() / ".local/share/Lumena/program-folders";
  ASSERT_TRUE(fs::is_directory(copies));
  const fs::path copy = fs::directory_iterator(copies)->path();
  EXPECT_TRUE(fs::is_regular_file(copy / "Lumena.ini"));
  exitByMouse();
  EXPECT_NE(lumena::testing::readFile(copy / "Lumena.ini").find("LMTypeRegistered=YES"), std::string::npos)
      << "the settings were written into the copy";
  EXPECT_EQ(lumena::testing::readFile(run.programFolder() / "Lumena.ini"), settingsBefore);
}

TEST_F(StartTest, ADamagedWorkOnTheCommandLineIsToldAndTheProgramGoesOn) {
  const fs::path work = run.home() / "damaged.lmc";
  std::ofstream(work, std::ios::binary) << "not a work at all";
  startLumena({work.string()});
  const ScreenRect notice = waitForMessage();
  screen.screenshot("damaged-work-notice");
  screen.clickControl(notice, kMessageWindowLayout, "ButtonYes");
  ASSERT_TRUE(WaitUntil([&] { return messageGone(); }));
  exitByMouse();
}

TEST_F(StartTest, AMistypedProgramFolderIsToldAndNothingIsCopied) {
  run.start({"--program-folder", (run.home() / "no-such-folder").string()});
  // The start-up error is the platform's message box over the backdrop.
  std::optional<ShownWindow> box;
  ASSERT_TRUE(WaitUntil([&] {
    for (const ShownWindow& w : x.shownWindows())
      if (w.rect.width < x.screenWidth() && w.rect.width > 50 && screen.drawn(w.rect)) box = w;
    return box.has_value();
  }));
  screen.screenshot("missing-program-folder");
  x.moveTo(box->rect.centreX(), box->rect.centreY());
  ASSERT_TRUE(WaitUntil([&] { return x.hasKeyboardFocus(box->id); }));
  x.key("Return");
  EXPECT_EQ(run.waitForExit(kStepSeconds), 1);
  EXPECT_FALSE(fs::exists(run.home() / ".local/share/Lumena"));
}

}  // namespace
}  // namespace lumena::e2e
