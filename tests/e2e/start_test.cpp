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
  run_.MakeProgramFolderReadOnly();
  const std::string settingsBefore = lumena::testing::ReadFile(run_.ProgramFolder() / "Lumena.ini");
  StartLumena({}, LumenaRun::User::Unprivileged);
  const fs::path copies = run_.Home() / ".local/share/Lumena/program-folders";
  ASSERT_TRUE(fs::is_directory(copies));
  const fs::path copy = fs::directory_iterator(copies)->path();
  EXPECT_TRUE(fs::is_regular_file(copy / "Lumena.ini"));
  ExitByMouse();
  EXPECT_NE(lumena::testing::ReadFile(copy / "Lumena.ini").find("LMTypeRegistered=YES"), std::string::npos)
      << "the settings were written into the copy";
  EXPECT_EQ(lumena::testing::ReadFile(run_.ProgramFolder() / "Lumena.ini"), settingsBefore);
}

TEST_F(StartTest, ADamagedWorkOnTheCommandLineIsToldAndTheProgramGoesOn) {
  const fs::path work = run_.Home() / "damaged.lmc";
  std::ofstream(work, std::ios::binary) << "not a work at all";
  StartLumena({work.string()});
  const ScreenRect notice = WaitForMessage();
  screen_.Screenshot("damaged-work-notice");
  screen_.ClickControl(notice, kMessageWindowLayout, "ButtonYes");
  ASSERT_TRUE(WaitUntil([&] { return MessageGone(); }));
  ExitByMouse();
}

TEST_F(StartTest, AMistypedProgramFolderIsToldAndNothingIsCopied) {
  run_.Start({"--program-folder", (run_.Home() / "no-such-folder").string()});
  // The start-up error is the platform's message box over the backdrop.
  std::optional<ShownWindow> box;
  ASSERT_TRUE(WaitUntil([&] {
    for (const ShownWindow& w : x_.ShownWindows())
      if (w.rect.width < x_.ScreenWidth() && w.rect.width > 50 && screen_.Drawn(w.rect)) box = w;
    return box.has_value();
  }));
  screen_.Screenshot("missing-program-folder");
  x_.MoveTo(box->rect.CentreX(), box->rect.CentreY());
  ASSERT_TRUE(WaitUntil([&] { return x_.HasKeyboardFocus(box->id); }));
  x_.Key("Return");
  EXPECT_EQ(run_.WaitForExit(kStepSeconds), 1);
  EXPECT_FALSE(fs::exists(run_.Home() / ".local/share/Lumena"));
}

}  // namespace
}  // namespace lumena::e2e
