#pragma once
// The flows that begin with the sample portrait named on the command line:
// the adjustment window's view on the screen, its eye lines, laying the
// sample as the face, and the work saved on the way out read back.
#include <filesystem>
#include <string_view>

#include "e2e/support/work_on_desk.h"
#include "portrait/adjust_window_layout.h"
#include "work/desk_observer.h"
#include "work/work_desk.h"
#include "workfile/work_file_reader.h"

namespace lumena::e2e {

// Where the detector's eyes put the lines on the sample portrait, fitted
// into the 445 x 492 view (its pupils lie near (203, 101) and (246, 104)),
// give or take the detector's pixel or two.
inline constexpr int kLeftLine = 176, kRightLine = 214, kLineTolerance = 2;

class SamplePortraitTest : public WorkOnDeskTest {
 protected:
  ScreenRect StartOnTheSample() {
    StartLumena({LUMENA_SAMPLE_PORTRAIT});
    return WaitForAdjustWindow();
  }
  ScreenRect WaitForAdjustWindow() {
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

  void Drag(QPoint from, QPoint to) {
    x_.MoveTo(from.x(), from.y());
    x_.Press(1);
    for (int step = 1; step <= 10; ++step)
      x_.MoveTo(from.x() + (to.x() - from.x()) * step / 10, from.y() + (to.y() - from.y()) * step / 10);
    x_.Release(1);
  }

  // Lays the sample as the face, as a user does.
  void LayTheSampleFace() { AcceptAsFace(StartOnTheSample()); }

  // OK in the adjustment window once the eyes are found, and Yes: the face.
  void AcceptAsFace(const ScreenRect& window) {
    ASSERT_TRUE(WaitUntil([&] { return LineNear(window, kLeftLine).has_value(); })) << "the eyes were not found";
    screen_.ClickControl(window, kAdjustWindowLayout, "ButtonOK");
    screen_.ClickControl(WaitForMessage(), kMessageWindowLayout, "ButtonYes");  // use it as the face
    ASSERT_TRUE(WaitUntil([&] { return !screen_.Window(kAdjustWindowLayout); })) << "the window stayed";
  }

  // Leaving saves the new work under the name typed; its layers and
  // anchors are read back.
  void ReadBackTheWork() {
    screen_.ClickControl(AskToExit(), kMessageWindowLayout, "ButtonYes");
    ASSERT_TRUE(TypeFileName(kSaveWorkDialog, "look")) << "the save dialog stayed";
    screen_.ClickControl(WaitForMessage(), kMessageWindowLayout, "ButtonYes");  // and leave
    ASSERT_EQ(run_.WaitForExit(kStepSeconds), 0);
    savedWork_ = SavedWork();
    ASSERT_FALSE(savedWork_.empty()) << "no work was saved";
    ReadWorkFile(savedWork_, saved_, anchors_);
  }

  std::filesystem::path SavedWork() const {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(run_.ProgramFolder()))
      if (entry.path().extension() == ".lmc") return entry.path();
    return {};
  }

  DeskObserver observer_;
  DeskGeometry geometry_;
  TWorkDesk saved_{observer_, geometry_};
  PlacementAnchors anchors_;
  std::filesystem::path savedWork_;
};

}  // namespace lumena::e2e
