// The layers list as a user works it: over the adjusted sample portrait with
// a hairstyle laid, the list's button opens it, dragging the hairstyle's
// entry below the portrait's puts it behind the face and back again, a right
// click brings up the layer menu, and the list's hide button hides a layer.
#include "work/layers_list.h"

#include <gtest/gtest.h>

#include "e2e/support/sample_portrait.h"
#include "editing/layers_window_layout.h"
#include "templates/templates_window_layout.h"

namespace lumena::e2e {
namespace {

// The left eye the detector finds on the sample, on the table; the hair
// covers the forehead above it.
constexpr Point kEye{400, 471};
constexpr Point kHairPoint{kEye.x + 44, kEye.y - 130};

class LayersListTest : public SamplePortraitTest {
 protected:
  // The first hairstyle of the strip's first type, laid as a user lays it.
  void LayAHairstyle() {
    const ScreenRect main = screen_.MainWindow();
    const Point slot = kTemplateSlots[0];
    screen_.ClickPlace(main, {main.left + slot.x, main.top + slot.y, kTemplateSide, kTemplateSide});
    std::optional<ShownWindow> templates;
    ASSERT_TRUE(WaitUntil([&] { return (templates = screen_.Window(kTemplatesWindowLayout)).has_value(); }))
        << "the templates window never showed";
    // The second cell of the grid, once its preview is drawn.
    const ScreenRect grid = LumenaScreen::Control(templates->rect, kTemplatesWindowLayout, "ResImage");
    const ScreenRect cell{grid.left + kGridWidth / 2 + 8, grid.top + 12, kGridWidth / 2 - 16, kGridHeight / 4 - 16};
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
    ASSERT_TRUE(WaitUntil([&] { return !Near(ShownAt(kHairPoint), bare_); })) << "no hair was laid";
    screen_.ClickControl(templates->rect, kTemplatesWindowLayout, "ButtonExit");
    ASSERT_TRUE(WaitUntil([&] { return !screen_.Window(kTemplatesWindowLayout); }));
  }

  ScreenRect OpenTheList() {
    ClickWhenShown("ButtonLayerList");
    std::optional<ShownWindow> shown;
    EXPECT_TRUE(WaitUntil([&] { return (shown = screen_.Window(kLayersWindowLayout)).has_value(); }))
        << "the layers list never showed";
    return shown ? shown->rect : ScreenRect{};
  }

  // The middle of an entry's name, on the screen (inside the list's frame).
  static QPoint Entry(const ScreenRect& window, int row) {
    const ScreenRect list = LumenaScreen::Control(window, kLayersWindowLayout, "PanelList");
    return {list.left + 1 + kThumbnailSide + 40, list.top + 1 + row * kListEntryHeight + kListEntryHeight / 2};
  }

  // Something is drawn over the screen to the right of and below a point.
  bool ChangedBelowRight(const QImage& before, QPoint at) const {
    const QImage now = x_.GrabScreen();
    for (int y = at.y() + 4; y < at.y() + 40; y += 3)
      for (int x = at.x() + 4; x < at.x() + 80; x += 3)
        if (now.pixel(x, y) != before.pixel(x, y)) return true;
    return false;
  }

  QRgb bare_ = 0;
};

TEST_F(LayersListTest, AUserDragsTheHairBehindTheFaceAndBackOpensTheMenuAndHidesTheHair) {
  LayTheSampleFace();
  bare_ = ShownAt(kHairPoint);
  ASSERT_NO_FATAL_FAILURE(LayAHairstyle());
  const QRgb hair = ShownAt(kHairPoint);

  const ScreenRect window = OpenTheList();
  ASSERT_NE(window.width, 0);
  // Entries are drawn once the list is filled: the hair's, then the portrait's.
  ASSERT_TRUE(WaitUntil([&] { return screen_.Drawn({Entry(window, 1).x(), Entry(window, 1).y(), 20, 10}); }));
  screen_.Screenshot("layers-list");

  Drag(Entry(window, 0), Entry(window, 1));
  EXPECT_TRUE(WaitUntil([&] { return Near(ShownAt(kHairPoint), bare_); })) << "the hair stayed in front of the face";
  screen_.Screenshot("layers-list-hair-behind");
  Drag(Entry(window, 1), Entry(window, 0));
  EXPECT_TRUE(WaitUntil([&] { return Near(ShownAt(kHairPoint), hair); })) << "the hair did not come back";

  // A right click on the portrait's entry brings up the layer menu; Escape
  // closes it and the hair stays the active layer.
  const QPoint portrait = Entry(window, 1);
  x_.MoveTo(portrait.x(), portrait.y());
  const QImage before = x_.GrabScreen();
  x_.Click(portrait.x(), portrait.y(), 3);
  EXPECT_TRUE(WaitUntil([&] { return ChangedBelowRight(before, portrait); })) << "no menu showed";
  screen_.Screenshot("layers-list-menu");
  x_.Key("Escape");
  EXPECT_TRUE(WaitUntil([&] { return !ChangedBelowRight(before, portrait); })) << "the menu stayed";

  // The list's hide button hides the active layer: the hair.
  screen_.ClickControl(window, kLayersWindowLayout, "ButtonLayerHide");
  EXPECT_TRUE(WaitUntil([&] { return Near(ShownAt(kHairPoint), bare_); })) << "the hair still shows";
  screen_.Screenshot("layers-list-hair-hidden");
}

}  // namespace
}  // namespace lumena::e2e
