// The load and save window as a user works it: a portrait opened through
// the open dialog by typing its name goes through the adjustment to the
// desk; the work is saved in both kinds, cleared, opened again and exported
// as pictures that ImageMagick reads back; the clipboard carries the work's
// picture back in as a portrait.
#include <gtest/gtest.h>

#include <cstdlib>

#include "e2e/support/sample_portrait.h"
#include "support/temp_folder.h"
#include "workfile/load_save_window_layout.h"

namespace lumena::e2e {
namespace {

namespace fs = std::filesystem;

// The face anchor of the sample on the table: its left eye.
constexpr Point kEye{400, 471};

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

// What ImageMagick says of a file: its format and size, "PNG 512x512".
std::string Identify(const fs::path& file) {
  const fs::path out = file.string() + ".identify";
  const std::string command =
      "/usr/bin/identify -format '%m %wx%h' " + Quoted(file) + " > " + Quoted(out) + " 2>/dev/null";
  if (std::system(command.c_str()) != 0) return {};
  return testing::ReadFile(out);
}

class LoadSaveTest : public SamplePortraitTest {
 protected:
  // The window, opened from the main window's button.
  ScreenRect OpenLoadSave() {
    screen_.ClickControl(screen_.MainWindow(), kMainWindowLayout, "ButtonLoadSave");
    std::optional<ShownWindow> shown;
    EXPECT_TRUE(WaitUntil([&] { return (shown = screen_.Window(kLoadSaveWindowLayout)).has_value(); }))
        << "the load and save window never showed";
    return shown ? shown->rect : ScreenRect{};
  }
  void Press(std::string_view button) { screen_.ClickControl(OpenLoadSave(), kLoadSaveWindowLayout, button); }

  // Many strongly coloured pixels in `rect`: a photograph shows there.
  bool PhotoShown(const ScreenRect& rect) const {
    const QImage shown = x_.GrabScreen().copy(rect.left, rect.top, rect.width, rect.height);
    int coloured = 0;
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x) {
        const QRgb p = shown.pixel(x, y);
        coloured += std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)}) > 60;
      }
    return coloured > 500;
  }

  // The sample typed into the open dialog, previewed, and laid as the face.
  void OpenTheSampleThroughTheDialog() {
    fs::create_directories(run_.ProgramFolder() / "ImageIn");
    fs::copy_file(LUMENA_SAMPLE_PORTRAIT, run_.ProgramFolder() / "ImageIn" / "astronaut.png",
                  fs::copy_options::overwrite_existing);
    Press("ButtonLoadImage");
    const std::optional<ShownWindow> dialog = WaitForWindowTitled(kOpenPortraitDialog);
    ASSERT_TRUE(dialog);
    x_.Type("astronaut.png");
    // The preview panel at the dialog's right shows the photograph.
    const ScreenRect panel{dialog->rect.left + dialog->rect.width - 230, dialog->rect.top, 230, dialog->rect.height};
    EXPECT_TRUE(WaitUntil([&] { return PhotoShown(panel); })) << "the dialog previews nothing";
    screen_.Screenshot("open-dialog-preview");
    x_.Key("Return");
    AcceptAsFace(WaitForAdjustWindow());
  }

  fs::path Works() const { return run_.ProgramFolder() / "Works"; }
  fs::path Pictures() const { return run_.ProgramFolder() / "ImageOut"; }
  static bool Appears(const fs::path& file) {
    return WaitUntil([&] { return fs::is_regular_file(file) && fs::file_size(file) > 0; });
  }
};

TEST_F(LoadSaveTest, APortraitOpenedByNameIsSavedInBothKindsClearedOpenedAgainAndExported) {
  StartLumena();
  const ScreenRect window = OpenLoadSave();
  screen_.Screenshot("load-save-window");
  screen_.ClickControl(window, kLoadSaveWindowLayout, "ButtonExit");
  ASSERT_TRUE(WaitUntil([&] { return !screen_.Window(kLoadSaveWindowLayout); })) << "the window stayed";

  OpenTheSampleThroughTheDialog();
  ASSERT_TRUE(WaitUntil([&] { return !Near(ShownAt(kEye), kBlack); })) << "the face never reached the desk";
  const QRgb face = ShownAt(kEye);

  Press("ButtonSaveWork");
  ASSERT_TRUE(TypeFileName(kSaveWorkDialog, "look"));
  EXPECT_TRUE(Appears(Works() / "look.lmc")) << "a name without extension takes the first filter's";
  Press("ButtonSaveWork");
  ASSERT_TRUE(TypeFileName(kSaveWorkDialog, "look.lmu"));
  ASSERT_TRUE(Appears(Works() / "look.lmu"));

  // The portrait, chosen on the desk, goes with the Delete key.
  ChooseMode("ButtonActions");
  ClickAt(kEye);
  x_.Key("Delete");
  screen_.ClickControl(WaitForMessage(), kMessageWindowLayout, "ButtonYes");
  ASSERT_TRUE(WaitUntil([&] { return !Near(ShownAt(kEye), face); })) << "the desk was not cleared";

  Press("ButtonLoadWork");
  ASSERT_TRUE(TypeFileName(kOpenWorkDialog, "look.lmu"));
  ASSERT_TRUE(WaitUntil([&] { return Near(ShownAt(kEye), face); })) << "the work did not come back";
  screen_.Screenshot("load-save-work-opened");

  Press("ButtonSaveImage");
  ASSERT_TRUE(TypeFileName(kSaveImageDialog, "look.png"));
  ASSERT_TRUE(Appears(Pictures() / "look.png"));
  Press("ButtonSaveImage");
  ASSERT_TRUE(TypeFileName(kSaveImageDialog, "look.jpg"));
  ASSERT_TRUE(Appears(Pictures() / "look.jpg"));

  // The same pictures as the tool's export of the saved work.
  const fs::path reference = run_.Home() / "reference.png";
  ASSERT_EQ(std::system(("'" LUMENA_TOOL_PATH "' convert " + Quoted(Works() / "look.lmu") + " " + Quoted(reference) +
                         " > /dev/null")
                            .c_str()),
            0);
  const std::string size = Identify(reference).substr(4);
  EXPECT_EQ(Identify(Pictures() / "look.png"), "PNG " + size);
  EXPECT_EQ(Identify(Pictures() / "look.jpg"), "JPEG " + size);
  EXPECT_EQ(std::system(("/usr/bin/compare -metric AE " + Quoted(reference) + " " + Quoted(Pictures() / "look.png") +
                         " null: 2>/dev/null")
                            .c_str()),
            0)
      << "the exported PNG differs from the work";

  ExitByMouse();  // saved: only the leaving question
}

TEST_F(LoadSaveTest, TheWorksPictureGoesToTheClipboardAndComesBackAsAPortrait) {
  LayTheSampleFace();
  Press("ButtonLoadClipboard");
  screen_.ClickControl(WaitForMessage(), kMessageWindowLayout, "ButtonYes");  // the clipboard is empty
  ASSERT_TRUE(WaitUntil([&] { return MessageGone(); }));
  Press("ButtonSaveClipboard");
  ASSERT_TRUE(WaitUntil([&] { return !screen_.Window(kLoadSaveWindowLayout); }));
  Press("ButtonLoadClipboard");
  const ScreenRect adjust = WaitForAdjustWindow();
  const ScreenRect view{adjust.left + kAdjustViewLeft, adjust.top + kAdjustViewTop, kAdjustViewWidth,
                        kAdjustViewHeight};
  EXPECT_TRUE(WaitUntil([&] { return PhotoShown(view); })) << "the clipboard's picture is not in the adjustment";
  screen_.Screenshot("load-save-from-clipboard");
}

}  // namespace
}  // namespace lumena::e2e
