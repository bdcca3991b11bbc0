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
  ScreenRect expectStillRunning() {
    EXPECT_TRUE(WaitUntil([&] { return messageGone(); })) << "the question did not close";
    EXPECT_TRUE(run.running());
    const ScreenRect again = askToExit();
    EXPECT_NE(again, ScreenRect{});
    return again;
  }

  void expectExitsCleanly() {
    EXPECT_EQ(run.waitForExit(kStepSeconds), 0);
    EXPECT_EQ(run.outsideProgramCalls("xdg-open"), std::vector<std::string>{}) << "no publisher page by default";
  }
};

TEST_F(ExitTest, MouseAnswersNoThenYes) {
  startLumena();
  const ScreenRect question = askToExit();
  screen.screenshot("exit-question");
  screen.clickControl(question, kMessageWindowLayout, "ButtonNo");
  screen.clickControl(expectStillRunning(), kMessageWindowLayout, "ButtonYes");
  expectExitsCleanly();
}

TEST_F(ExitTest, CloseButtonOfTheQuestionAnswersNo) {
  startLumena();
  screen.clickControl(askToExit(), kMessageWindowLayout, "ButtonExit");
  expectStillRunning();
}

TEST_F(ExitTest, EscapeAnswersNoAndEnterYes) {
  startLumena();
  askToExit();
  typeIntoMessage("Escape");
  expectStillRunning();
  typeIntoMessage("Return");
  expectExitsCleanly();
}

TEST_F(ExitTest, ConfirmedExitOpensThePublishersPage) {
  const std::filesystem::path settings = run.programFolder() / "Lumena.ini";
  std::string text = lumena::testing::readFile(settings);
  const std::string emptyLink = "AfterExitURL=\r\n";
  ASSERT_NE(text.find(emptyLink), std::string::npos);
  text.replace(text.find(emptyLink), emptyLink.size(), "AfterExitURL=http://127.0.0.1:9/after-exit\r\n");
  std::ofstream(settings, std::ios::binary) << text;
  startLumena();
  screen.clickControl(askToExit(), kMessageWindowLayout, "ButtonYes");
  EXPECT_EQ(run.waitForExit(kStepSeconds), 0);
  EXPECT_EQ(run.outsideProgramCalls("xdg-open"), std::vector<std::string>{"xdg-open http://127.0.0.1:9/after-exit"});
}

TEST_F(ExitTest, MinimiseButtonIconifiesTheProgram) {
  startLumena();
  x.watchRootRequests();
  const XWindowId backdrop = screen.backdrop()->id;
  screen.clickControl(screen.mainWindow(), kMainWindowLayout, "ButtonMinimize");
  EXPECT_TRUE(WaitUntil([&] { return x.iconifyRequested(backdrop); }));
  EXPECT_TRUE(run.running());
}

}  // namespace
}  // namespace lumena::e2e
