#pragma once
// The fixture of the end-to-end tests: one run of the program on a private
// X display connection, with the steps every flow begins or ends with.
#include <gtest/gtest.h>

#include <optional>

#include "e2e/support/lumena_run.h"
#include "e2e/support/lumena_screen.h"
#include "interface/message_window_layout.h"
#include "shell/main_window_layout.h"

namespace lumena::e2e {

class LumenaTest : public ::testing::Test {
 protected:
  void startLumena(const std::vector<std::string>& arguments = {}, LumenaRun::User user = LumenaRun::User::Current) {
    run.start(arguments, user);
    ASSERT_TRUE(WaitUntil([&] { return screen.mainWindowShown(); })) << "the main window never showed";
  }

  // The message window once it shows; an empty rectangle when it never does.
  ScreenRect waitForMessage() {
    std::optional<ShownWindow> shown;
    EXPECT_TRUE(WaitUntil([&] { return (shown = screen.window(kMessageWindowLayout)).has_value(); }))
        << "the message window never showed";
    return shown ? shown->rect : ScreenRect{};
  }

  bool messageGone() const { return !screen.window(kMessageWindowLayout); }

  // Types a key into the message window once it has the keyboard, as a user
  // types once the question is there.
  void typeIntoMessage(const std::string& key) {
    const std::optional<ShownWindow> message = screen.window(kMessageWindowLayout);
    ASSERT_TRUE(message) << "no message window to type into";
    ASSERT_TRUE(WaitUntil([&] { return x.hasKeyboardFocus(message->id); })) << "the message window has no keyboard";
    x.key(key);
  }

  // Clicks the main window's close button and waits for the question.
  ScreenRect askToExit() {
    screen.clickControl(screen.mainWindow(), kMainWindowLayout, "ButtonExit");
    return waitForMessage();
  }

  // Leaves the program by its close button and Yes; it must end cleanly.
  void exitByMouse() {
    screen.clickControl(askToExit(), kMessageWindowLayout, "ButtonYes");
    EXPECT_EQ(run.waitForExit(kStepSeconds), 0);
  }

  XDisplay x;
  LumenaScreen screen{x};
  LumenaRun run;
};

}  // namespace lumena::e2e
