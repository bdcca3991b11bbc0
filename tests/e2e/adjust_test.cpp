// A portrait named on the command line, adjusted as a user does: the eye
// lines stand on the eyes by themselves, a line follows the mouse, and OK
// lays the portrait at the standard face scale.
#include <gtest/gtest.h>

#include <filesystem>

#include "e2e/support/sample_portrait.h"
#include "portrait/preview_window_layout.h"

namespace lumena::e2e {
namespace {

using AdjustTest = SamplePortraitTest;

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
  ASSERT_EQ(saved_.Count(), 1);
  const TLayer& portrait = saved_.Layer(0);
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
  ASSERT_EQ(saved_.Count(), 1);
  EXPECT_EQ(saved_.HandLayer(), &saved_.Layer(0));
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
  ASSERT_EQ(saved_.Count(), 1);
  EXPECT_EQ(saved_.BodyLayer(), &saved_.Layer(0));
  EXPECT_EQ(anchors_.body, (Point{444, 492})) << "the centre of the 445 x 492 layer at (222, 246)";
  const Pixel laid = saved_.Layer(0).WorkPicture().At(222, 246);
  EXPECT_LE(std::abs(laid.r - qRed(framedMiddle)) + std::abs(laid.g - qGreen(framedMiddle)) +
                std::abs(laid.b - qBlue(framedMiddle)),
            36)
      << "the layer's middle is not what the frame's middle showed";
}

}  // namespace
}  // namespace lumena::e2e
