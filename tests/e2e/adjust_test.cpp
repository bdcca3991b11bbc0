// A portrait named on the command line, adjusted as a user does: the eye
// lines stand on the eyes by themselves, a line follows the mouse, and OK
// lays the portrait at the standard face scale.
#include <gtest/gtest.h>

#include <filesystem>

#include "e2e/support/lumena_test.h"
#include "portrait/adjust_window_layout.h"
#include "portrait/preview_window_layout.h"
#include "work/desk_observer.h"
#include "work/work_desk.h"
#include "workfile/work_file_reader.h"

namespace lumena::e2e {
namespace {

namespace fs = std::filesystem;

// Where the detector's eyes put the lines on the sample portrait, fitted
// into the 445 x 492 view (its pupils lie near (203, 101) and (246, 104)),
// give or take the detector's pixel or two.
constexpr int kLeftLine = 176, kRightLine = 214, kLineTolerance = 2;

class AdjustTest : public LumenaTest {
 protected:
  ScreenRect StartOnTheSample() {
    StartLumena({LUMENA_SAMPLE_PORTRAIT});
    std::optional<ShownWindow> shown;
    EXPECT_TRUE(WaitUntil([&] { return (shown = screen_.Window(kAdjustWindowLayout)).has_value(); }))
        << "the adjustment window never showed";
    return shown ? shown->rect : ScreenRect{};
  }
  // A point of the view, on the screen.
  static QPoint InView(const ScreenRect& window, int x, int y) {
    return {window.left + kAdjustViewLeft + x, window.top + kAdjustViewTop + y};
  }
  // In the white band above the fitted picture a line shows black.
  bool LineAt(const ScreenRect& window, int x) const {
    const QPoint p = InView(window, x, 8);
    return screen_.PixelAt(p.x(), p.y()) == 0;
  }
  // The line drawn near `x`, if any.
  std::optional<int> LineNear(const ScreenRect& window, int x) const {
    for (int at = x - kLineTolerance; at <= x + kLineTolerance; ++at)
      if (LineAt(window, at)) return at;
    return std::nullopt;
  }

  // Leaving saves the new work; its layers and anchors are read back.
  void ReadBackTheWork() {
    screen_.ClickControl(AskToExit(), kMessageWindowLayout, "ButtonYes");
    screen_.ClickControl(WaitForMessage(), kMessageWindowLayout, "ButtonYes");  // the notice of its name
    screen_.ClickControl(WaitForMessage(), kMessageWindowLayout, "ButtonYes");  // and leave
    ASSERT_EQ(run_.WaitForExit(kStepSeconds), 0);
    const fs::path work = SavedWork();
    ASSERT_FALSE(work.empty()) << "no work was saved";
    ReadWorkFile(work, desk_, anchors_);
  }

  void Drag(QPoint from, QPoint to) {
    x_.MoveTo(from.x(), from.y());
    x_.Press(1);
    for (int step = 1; step <= 10; ++step)
      x_.MoveTo(from.x() + (to.x() - from.x()) * step / 10, from.y() + (to.y() - from.y()) * step / 10);
    x_.Release(1);
  }

  // Lays the sample as the face, as a user does.
  void LayTheSampleFace() {
    const ScreenRect window = StartOnTheSample();
    ASSERT_TRUE(WaitUntil([&] { return LineNear(window, kLeftLine).has_value(); })) << "the eyes were not found";
    screen_.ClickControl(window, kAdjustWindowLayout, "ButtonOK");
    screen_.ClickControl(WaitForMessage(), kMessageWindowLayout, "ButtonYes");  // use it as the face
    ASSERT_TRUE(WaitUntil([&] { return !screen_.Window(kAdjustWindowLayout); })) << "the window stayed";
  }

  DeskObserver observer_;
  DeskGeometry geometry_;
  TWorkDesk desk_{observer_, geometry_};
  PlacementAnchors anchors_;

  fs::path SavedWork() const {
    for (const auto& entry : fs::recursive_directory_iterator(run_.ProgramFolder()))
      if (entry.path().extension() == ".lmc") return entry.path();
    return {};
  }
};

TEST_F(AdjustTest, TheEyeLinesStandOnTheDetectedEyesAndADraggedLineFollowsTheMouse) {
  const ScreenRect window = StartOnTheSample();
  ASSERT_TRUE(WaitUntil([&] { return LineNear(window, kLeftLine) && LineNear(window, kRightLine); }))
      << "the lines are not on the eyes";
  screen_.Screenshot("adjust-window");
  const int right = *LineNear(window, kRightLine);
  Drag(InView(window, right, 300), InView(window, right + 20, 300));
  ASSERT_TRUE(WaitUntil([&] { return LineAt(window, right + 20) && !LineAt(window, right); }))
      << "the right line did not follow the mouse";
  screen_.ClickControl(window, kAdjustWindowLayout, "ButtonCancel");
  EXPECT_TRUE(WaitUntil([&] { return !screen_.Window(kAdjustWindowLayout); }));
  ExitByMouse();
}

TEST_F(AdjustTest, OkLaysThePortraitWithItsEyesTheStandardDistanceApart) {
  LayTheSampleFace();
  screen_.Screenshot("adjust-portrait-laid");
  ReadBackTheWork();
  ASSERT_EQ(desk_.Count(), 1);
  const TLayer& portrait = desk_.Layer(0);
  const Point eye{anchors_.face.x - portrait.X(), anchors_.face.y - portrait.Y()};
  // Both pupils, 89 pixels apart in the work picture, are dark.
  const auto dark = [&](int x) {
    const Pixel p = portrait.WorkPicture().At(x, eye.y);
    return p.r + p.g + p.b < 3 * 110;
  };
  EXPECT_TRUE(dark(eye.x)) << "left eye at " << eye.x << "," << eye.y;
  EXPECT_TRUE(dark(eye.x + 89)) << "right eye";
  EXPECT_FALSE(dark(eye.x + 45)) << "between the eyes lies skin";
}

// The preview keeps the laid portrait in view and turns white when the
// portrait layer is deleted.
TEST_F(AdjustTest, ThePreviewShowsTheLaidPortraitUntilItsLayerIsDeleted) {
  LayTheSampleFace();
  screen_.ClickControl(screen_.MainWindow(), kMainWindowLayout, "ButtonPreview");
  std::optional<ShownWindow> preview;
  ASSERT_TRUE(WaitUntil([&] { return (preview = screen_.Window(kPreviewWindowLayout)).has_value(); }))
      << "the preview never showed";
  const ScreenRect image = LumenaScreen::Control(preview->rect, kPreviewWindowLayout, "ResImage");
  const auto centre = [&] { return screen_.PixelAt(image.CentreX(), image.CentreY()) & 0xFFFFFFu; };
  ASSERT_TRUE(WaitUntil([&] { return centre() != 0xFFFFFFu; })) << "the preview shows no portrait";
  EXPECT_EQ(screen_.PixelAt(image.left, image.CentreY()) & 0xFFFFFFu, 0u) << "the preview's frame";
  screen_.Screenshot("preview-window");
  x_.Key("Delete");
  screen_.ClickControl(WaitForMessage(), kMessageWindowLayout, "ButtonYes");  // delete the portrait layer
  ASSERT_TRUE(WaitUntil([&] { return centre() == 0xFFFFFFu; })) << "the preview kept the deleted portrait";
  screen_.ClickControl(preview->rect, kPreviewWindowLayout, "ButtonExit");
  ASSERT_TRUE(WaitUntil([&] { return !screen_.Window(kPreviewWindowLayout); })) << "the preview did not close";
  ExitByMouse();
}

// The first nail mark, dragged 30 pixels right of where it starts at
// (162, 246), becomes the hand's first nail anchor: in the frame enlarged
// 1.1 times, on the hand layer centred on the table at (222, 246).
TEST_F(AdjustTest, AHandIsAdjustedByDraggingANailMarkAndOkMakesItsAnchors) {
  const ScreenRect window = StartOnTheSample();
  ASSERT_TRUE(WaitUntil([&] { return LineNear(window, kLeftLine).has_value(); }));
  screen_.ClickControl(window, kAdjustWindowLayout, "ButtonHand");
  const QPoint mark = InView(window, 162, 246);
  const QRgb before = screen_.PixelAt(mark.x() + 30, mark.y() - 10);
  Drag(mark, InView(window, 192, 246));
  ASSERT_TRUE(WaitUntil([&] { return screen_.PixelAt(mark.x() + 30, mark.y() - 10) != before; }))
      << "the mark did not move";
  screen_.Screenshot("adjust-hand");
  screen_.ClickControl(window, kAdjustWindowLayout, "ButtonOK");
  screen_.ClickControl(WaitForMessage(), kMessageWindowLayout, "ButtonYes");  // use it as the hand
  ASSERT_TRUE(WaitUntil([&] { return !screen_.Window(kAdjustWindowLayout); })) << "the window stayed";
  ReadBackTheWork();
  ASSERT_EQ(desk_.Count(), 1);
  EXPECT_EQ(desk_.HandLayer(), &desk_.Layer(0));
  EXPECT_EQ(anchors_.nails[0], (NailMark{411, 492, 30, 63, 0}));
  EXPECT_EQ(anchors_.face, (Point{-1, -1})) << "no face was adjusted";
}

// The body frame made twice as small by a Ctrl-drag to the left, then
// dragged into the view's top-left corner: OK lays that part enlarged, and
// the body anchor stands at the layer's centre.
TEST_F(AdjustTest, ABodyFrameIsZoomedAndMovedByMouseAndOkLaysItsPart) {
  const ScreenRect window = StartOnTheSample();
  ASSERT_TRUE(WaitUntil([&] { return LineNear(window, kLeftLine).has_value(); }));
  screen_.ClickControl(window, kAdjustWindowLayout, "ButtonBody");
  const ScreenRect view{window.left + kAdjustViewLeft, window.top + kAdjustViewTop, kAdjustViewWidth,
                        kAdjustViewHeight};
  const auto shown = [&] { return x_.GrabScreen().copy(view.left, view.top, view.width, view.height); };
  ASSERT_TRUE(WaitUntil([&] { return !LineNear(window, kLeftLine); })) << "the eye lines stayed";
  QImage before = shown();
  const QPoint centre = InView(window, 222, 245);
  x_.HoldKey("Control_L", true);
  Drag(centre, centre - QPoint(90, 0));
  x_.HoldKey("Control_L", false);
  ASSERT_TRUE(WaitUntil([&] { return shown() != before; })) << "the frame did not zoom";
  before = shown();
  Drag(centre, InView(window, 100, 100));
  ASSERT_TRUE(WaitUntil([&] { return shown() != before; })) << "the frame did not move";
  screen_.Screenshot("adjust-body");
  // The frame, 222 x 246 after the zoom, stops in the corner.
  const QPoint middle = InView(window, 111, 123);
  const QRgb framedMiddle = screen_.PixelAt(middle.x(), middle.y());
  screen_.ClickControl(window, kAdjustWindowLayout, "ButtonOK");
  screen_.ClickControl(WaitForMessage(), kMessageWindowLayout, "ButtonYes");  // use it as the body
  ASSERT_TRUE(WaitUntil([&] { return !screen_.Window(kAdjustWindowLayout); })) << "the window stayed";
  ReadBackTheWork();
  ASSERT_EQ(desk_.Count(), 1);
  EXPECT_EQ(desk_.BodyLayer(), &desk_.Layer(0));
  EXPECT_EQ(anchors_.body, (Point{444, 492})) << "the centre of the 445 x 492 layer at (222, 246)";
  const Pixel laid = desk_.Layer(0).WorkPicture().At(222, 246);
  EXPECT_LE(std::abs(laid.r - qRed(framedMiddle)) + std::abs(laid.g - qGreen(framedMiddle)) +
                std::abs(laid.b - qBlue(framedMiddle)),
            36)
      << "the layer's middle is not what the frame's middle showed";
}

}  // namespace
}  // namespace lumena::e2e
