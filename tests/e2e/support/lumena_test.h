#pragma once
// The fixture of the end-to-end tests: one run of the program on a private
// X display connection, with the steps every flow begins or ends with.
#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "e2e/support/lumena_run.h"
#include "e2e/support/lumena_screen.h"
#include "interface/message_window_layout.h"
#include "shell/main_window_layout.h"

namespace lumena::e2e {

// The file dialogs are titled with their buttons' hints.
inline constexpr std::string_view kOpenPortraitDialog = "Open a portrait from a picture file";
inline constexpr std::string_view kOpenWorkDialog = "Open a saved work";
inline constexpr std::string_view kSaveImageDialog = "Save the work as a picture";
inline constexpr std::string_view kSaveWorkDialog = "Save the work to change it later";

class LumenaTest : public ::testing::Test {
 protected:
  void StartLumena(const std::vector<std::string>& arguments = {}, LumenaRun::User user = LumenaRun::User::Current) {
    run_.Start(arguments, user);
    ASSERT_TRUE(WaitUntil([&] { return screen_.MainWindowShown(); })) << "the main window never showed";
  }

  // The message window once it shows; an empty rectangle when it never does.
  ScreenRect WaitForMessage() {
    std::optional<ShownWindow> shown;
    EXPECT_TRUE(WaitUntil([&] { return (shown = screen_.Window(kMessageWindowLayout)).has_value(); }))
        << "the message window never showed";
    return shown ? shown->rect : ScreenRect{};
  }

  bool MessageGone() const { return !screen_.Window(kMessageWindowLayout); }

  // Types a key into the message window once it has the keyboard, as a user
  // types once the question is there.
  void TypeIntoMessage(const std::string& key) {
    const std::optional<ShownWindow> message = screen_.Window(kMessageWindowLayout);
    ASSERT_TRUE(message) << "no message window to type into";
    ASSERT_TRUE(WaitUntil([&] { return x_.HasKeyboardFocus(message->id); })) << "the message window has no keyboard";
    x_.Key(key);
  }

  // A window with this title once it shows and has the keyboard; nothing
  // when it never does.
  std::optional<ShownWindow> WaitForWindowTitled(std::string_view title) {
    std::optional<ShownWindow> shown;
    EXPECT_TRUE(WaitUntil([&] { return (shown = screen_.WindowTitled(title)).has_value(); }))
        << "\"" << title << "\" never showed";
    if (shown) {
      EXPECT_TRUE(WaitUntil([&] { return x_.HasKeyboardFocus(shown->id); })) << title << " has no keyboard";
    }
    return shown;
  }

  // Types a file name into the file dialog of this title and presses Enter,
  // as a user does; true once the dialog has gone.
  bool TypeFileName(std::string_view dialogTitle, std::string_view name) {
    if (!WaitForWindowTitled(dialogTitle)) return false;
    x_.Key("a", {"Control_L"});  // over the name the dialog proposes
    x_.Type(name);
    x_.Key("Return");
    return WaitUntil([&] { return !screen_.WindowTitled(dialogTitle); });
  }

  // The same for a name the folder holds: the question about replacing it
  // comes in a box of the dialog's title, and "y" answers Yes.
  bool ReplaceFileByName(std::string_view dialogTitle, std::string_view name) {
    const std::optional<ShownWindow> dialog = WaitForWindowTitled(dialogTitle);
    if (!dialog) return false;
    x_.Key("a", {"Control_L"});
    x_.Type(name);
    x_.Key("Return");
    const auto box = [&] {
      for (const ShownWindow& w : screen_.WindowsTitled(dialogTitle))
        if (w.id != dialog->id && x_.HasKeyboardFocus(w.id)) return true;
      return false;
    };
    if (!WaitUntil(box)) return false;
    x_.Key("y");
    return WaitUntil([&] { return !screen_.WindowTitled(dialogTitle); });
  }

  // Clicks the main window's close button and waits for the question.
  ScreenRect AskToExit() {
    screen_.ClickControl(screen_.MainWindow(), kMainWindowLayout, "ButtonExit");
    return WaitForMessage();
  }

  // Leaves the program by its close button and Yes; it must end cleanly.
  void ExitByMouse() {
    screen_.ClickControl(AskToExit(), kMessageWindowLayout, "ButtonYes");
    EXPECT_EQ(run_.WaitForExit(kStepSeconds), 0);
  }

  XDisplay x_;
  LumenaScreen screen_{x_};
  LumenaRun run_;
};

}  // namespace lumena::e2e
