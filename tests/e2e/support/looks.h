#pragma once
// Looks laid as a user lays them over the adjusted sample: a type button
// of the strip opens the templates window, a click on a cell whose preview
// is drawn lays that look.
#include "e2e/support/sample_portrait.h"
#include "templates/templates_window_layout.h"

namespace lumena::e2e {

// The face anchor the detector's eyes give on the sample, on the table: the
// left eye; the hair laid from the first hairstyles covers the forehead above it.
inline constexpr Point kSampleEye{400, 471};
inline constexpr Point kSampleHair{kSampleEye.x + 44, kSampleEye.y - 130};

class LooksTest : public SamplePortraitTest {
 protected:
  // Scrolls the strip until the type's button shows, and opens its window.
  ScreenRect OpenType(size_t index) {
    const ScreenRect main = screen_.MainWindow();
    while (index >= first_ + kTemplateSlots.size()) {
      screen_.ClickControl(main, kMainWindowLayout, "ButtonTemplateNext");
      ++first_;
    }
    const Point slot = kTemplateSlots[index - first_];
    screen_.ClickPlace(main, {main.left + slot.x, main.top + slot.y, kTemplateSide, kTemplateSide});
    std::optional<ShownWindow> shown;
    EXPECT_TRUE(WaitUntil([&] { return (shown = screen_.Window(kTemplatesWindowLayout)).has_value(); }))
        << "the templates window never showed";
    return shown ? shown->rect : ScreenRect{};
  }

  // Clicks the grid's cell once its preview is drawn.
  void ChooseCell(const ScreenRect& window, int index) {
    const ScreenRect grid = LumenaScreen::Control(window, kTemplatesWindowLayout, "ResImage");
    const int cellWidth = kGridWidth / 2, cellHeight = kGridHeight / 4;
    const ScreenRect cell{grid.left + index % 2 * cellWidth + 8, grid.top + index / 2 * cellHeight + 12, cellWidth - 16,
                          cellHeight - 16};
    // The grid is white until its previews are drawn.
    const auto previewed = [&] {
      const QImage shown = x_.GrabScreen().copy(cell.left, cell.top, cell.width, cell.height);
      for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
          if ((shown.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu) return true;
      return false;
    };
    ASSERT_TRUE(WaitUntil(previewed)) << "the cell shows no preview";
    x_.MoveTo(cell.CentreX(), cell.CentreY());
    x_.Click(cell.CentreX(), cell.CentreY());
  }

  // The second look of the hairstyles, the strip's first type, laid over
  // the forehead; the templates window is closed again.
  void LayAHairstyle() {
    const ScreenRect window = OpenType(0);
    const QRgb bare = ShownAt(kSampleHair);
    ChooseCell(window, 1);
    ASSERT_TRUE(WaitUntil([&] { return !Near(ShownAt(kSampleHair), bare); })) << "no hair was laid";
    screen_.ClickControl(window, kTemplatesWindowLayout, "ButtonExit");
    ASSERT_TRUE(WaitUntil([&] { return !screen_.Window(kTemplatesWindowLayout); }));
  }

  size_t first_ = 0;  // the type shown in the strip's first slot
};

}  // namespace lumena::e2e
