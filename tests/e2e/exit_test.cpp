// Leaving the program as a user does: the main window's close button asks
// "ConfirmExit" in the message window, answered with the mouse or the keys.
#include <gtest/gtest.h>

#include <fstream>

#include "e2e/support/lumena_test.h"

namespace lumena::e2e {
namespace {

class ExitTest : public LumenaTest {
 protected:
  // After the question closed, the program must still answer the mouse:
  // a second exit question shows, and is returned.
  ScreenRect ExpectStillRunning() {
    EXPECT_TRUE(WaitUntil([&] { return MessageGone(); })) << "the question did not close";
    EXPECT_TRUE(run_.Running());
    const ScreenRect again = AskToExit();
    EXPECT_NE(again, ScreenRect{});
    return again;
  }

  void ExpectExitsCleanly() {
    EXPECT_EQ(run_.WaitForExit(kStepSeconds), 0);
    EXPECT_EQ(run_.OutsideProgramCalls("xdg-open"), std::vector<std::string>{}) << "no publisher page by default";
  }
};

TEST_F(ExitTest, MouseAnswersNoThenYes) {
  StartLumena();
  const ScreenRect question = AskToExit();
  screen_.Screenshot("exit-question");
  screen_.ClickControl(question, kMessageWindowLayout, "ButtonNo");
  screen_.ClickControl(ExpectStillRunning(), kMessageWindowLayout, "ButtonYes");
  ExpectExitsCleanly();
}

TEST_F(ExitTest, CloseButtonOfTheQuestionAnswersNo) {
  StartLumena();
  screen_.ClickControl(AskToExit(), kMessageWindowLayout, "ButtonExit");
  ExpectStillRunning();
}

TEST_F(ExitTest, EscapeAnswersNoAndEnterYes) {
  StartLumena();
  AskToExit();
  TypeIntoMessage("Escape");
  ExpectStillRunning();
  TypeIntoMessage("Return");
  ExpectExitsCleanly();
}

TEST_F(ExitTest, ConfirmedExitOpensThePublishersPage) {
  const std::filesystem::path settings = run_.ProgramFolder() / "Lumena.ini";
  std::string text = lumena::testing::ReadFile(settings);
  const std::string emptyLink = "AfterExitURL=\r\n";
  ASSERT_NE(text.find(emptyLink), std::string::npos);
  text.replace(text.find(emptyLink), emptyLink.size(), "AfterExitURL=http://127.0.0.1:9/after-exit\r\n");
  std::ofstream(settings, std::ios::binary) << text;
  StartLumena();
  screen_.ClickControl(AskToExit(), kMessageWindowLayout, "ButtonYes");
  EXPECT_EQ(run_.WaitForExit(kStepSeconds), 0);
  EXPECT_EQ(run_.OutsideProgramCalls("xdg-open"), std::vector<std::string>{"xdg-open http://127.0.0.1:9/after-exit"});
}

TEST_F(ExitTest, MinimiseButtonIconifiesTheProgram) {
  StartLumena();
  x_.WatchRootRequests();
  const XWindowId backdrop = screen_.Backdrop()->id;
  screen_.ClickControl(screen_.MainWindow(), kMainWindowLayout, "ButtonMinimize");
  EXPECT_TRUE(WaitUntil([&] { return x_.IconifyRequested(backdrop); }));
  EXPECT_TRUE(run_.Running());
}

TEST_F(ExitTest, MWithAWindowsKeyHeldIconifiesTheProgram) {
  StartLumena();
  x_.WatchRootRequests();
  const XWindowId backdrop = screen_.Backdrop()->id;
  x_.HoldKey("Super_L", true);
  x_.Key("m");
  x_.HoldKey("Super_L", false);
  EXPECT_TRUE(WaitUntil([&] { return x_.IconifyRequested(backdrop); }));
  EXPECT_TRUE(run_.Running());
}

}  // namespace
}  // namespace lumena::e2e
